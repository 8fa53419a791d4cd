#pragma once

#include <optional>
#include <string>

// What an update handler says of one command: enabled, checked, its text. The
// menu or toolbar that asked applies it.
class CCmdUI
{
public:
    explicit CCmdUI(unsigned id) : m_nID(id) {}

    void Enable(bool enable = true) { m_enabled = enable; }
    void SetCheck(int check = 1) { m_checked = check != 0; }
    void SetText(const std::string& text) { m_text = text; }

    unsigned GetID() const { return m_nID; }
    bool IsEnabled() const { return m_enabled; }
    std::optional<bool> GetChecked() const { return m_checked; }
    const std::optional<std::string>& GetText() const { return m_text; }

    const unsigned m_nID;

private:
    bool m_enabled = true;
    std::optional<bool> m_checked;
    std::optional<std::string> m_text;
};
