#pragma once

#include <cstdint>
#include <string>

#include "platform/ui/CWnd.h"

class QListWidget;

inline constexpr int LB_ERR = -1;

// A list box: single or multiple selection, sorted or not (from its style).
// Changes made through the handle notify nobody; only the operator's do.
class CListBox : public CWnd
{
public:
    // The index where the text went (sorted lists insert in order).
    int AddString(const std::string& text);
    int DeleteString(int index);
    void ResetContent();
    int GetCount() const;
    std::string GetText(int index) const;
    void SetItemData(int index, uintptr_t data);
    uintptr_t GetItemData(int index) const;

    // Single selection.
    int GetCurSel() const;
    int SetCurSel(int index);
    // Multiple selection.
    int SetSel(int index, bool select = true);
    bool GetSel(int index) const;
    int GetSelCount() const;

    int FindStringExact(int startAfter, const std::string& text) const;
    // Selects the first entry beginning with the text (after startAfter); its index or LB_ERR.
    int SelectString(int startAfter, const std::string& prefix);

private:
    QListWidget* List() const;
};
