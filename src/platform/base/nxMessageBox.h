#pragma once

#include <functional>
#include <string>

// Message boxes with the classic flag and answer numbers, shown through one
// function so that code without windows (grid managers) can raise them and tests
// can answer them. The window layer installs the handler that shows a real box.

// Buttons (low nibble) and icons (second nibble) of the flags.
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_YESNOCANCEL = 0x3;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_ICONHAND = 0x10;
inline constexpr unsigned MB_ICONERROR = MB_ICONHAND;
inline constexpr unsigned MB_ICONSTOP = MB_ICONHAND;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;

// Answers.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// The window that owns a box, without naming the window system: the window layer
// makes one from its widget and reads the widget back. Null means no owner.
class nxWindowRef
{
public:
    nxWindowRef() = default;
    static nxWindowRef FromOpaque(void* widget)
    {
        nxWindowRef ref;
        ref.m_widget = widget;
        return ref;
    }
    void* GetOpaque() const { return m_widget; }
    bool IsNull() const { return m_widget == nullptr; }

private:
    void* m_widget = nullptr;
};

struct nxMessageBoxRequest
{
    nxWindowRef owner;
    std::string text;
    // Empty: the box takes the application's title.
    std::string caption;
    unsigned flags = MB_OK;
};

using nxMessageBoxHandler = std::function<int(const nxMessageBoxRequest&)>;

// Shows the box (or hands it to the installed handler) and returns the answer.
// Without a handler the text goes to the log and the answer is IDOK, or IDCANCEL
// for boxes that offer Cancel, so that nothing proceeds unasked.
int nxMessageBox(nxWindowRef owner, const std::string& text, const std::string& caption = {},
                 unsigned flags = MB_OK);

// Installs a handler and returns the previous one (an empty handler restores the default).
nxMessageBoxHandler nxSetMessageBoxHandler(nxMessageBoxHandler handler);
