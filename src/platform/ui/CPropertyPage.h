#pragma once

#include "platform/ui/CDialog.h"

class CPropertySheet;

// One page of a property sheet: a dialog built from its own template and shown
// inside the sheet. A page marks itself modified; Apply and OK run OnApply of
// every modified page.
class CPropertyPage : public CDialog
{
    Q_OBJECT

public:
    explicit CPropertyPage(const nxDialogTemplate& pageTemplate);

    void SetModified(bool modified = true);
    bool IsModified() const { return m_modified; }
    CPropertySheet* GetSheet() const { return m_sheet; }

    // Takes the page's changes; false keeps the sheet open. The base clears the mark.
    virtual bool OnApply();
    // The sheet was cancelled.
    virtual void OnReset() {}

protected:
    // Enter and Escape inside a page act for the whole sheet.
    void OnOK() override;
    void OnCancel() override;

private:
    friend class CPropertySheet;
    CPropertySheet* m_sheet = nullptr;
    bool m_modified = false;
};
