#pragma once

#include <cstdint>
#include <string>

#include "platform/ui/CWnd.h"

class QComboBox;

inline constexpr int CB_ERR = -1;

// A drop-down list, sorted or not (from its style). No entry is selected until one is chosen.
class CComboBox : public CWnd
{
public:
    int AddString(const std::string& text);
    void ResetContent();
    int GetCount() const;
    std::string GetLBText(int index) const;
    void SetItemData(int index, uintptr_t data);
    uintptr_t GetItemData(int index) const;
    int GetCurSel() const;
    int SetCurSel(int index);
    int FindStringExact(int startAfter, const std::string& text) const;
    int SelectString(int startAfter, const std::string& prefix);

private:
    QComboBox* Combo() const;
};
