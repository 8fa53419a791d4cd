#pragma once

#include "platform/ui/CWnd.h"

// An edit control (a line edit underneath).
class CEdit : public CWnd
{
public:
    void SetReadOnly(bool readOnly = true);
    bool IsReadOnly() const;
    // Selects characters first .. last (last -1: to the end).
    void SetSel(int first, int last);
};
