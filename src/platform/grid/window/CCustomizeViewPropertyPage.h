#pragma once

#include "platform/ui/CPropertyPage.h"

class CCustomizeViewDlg;
class CGridStyleManager;
class nxGridManager;

// A page of the customise-view dialog, built with the dialog and its template id
// (looked up in the dialog template table). It works on the dialog's copy of the
// style manager; OnApply copies that copy to the grid.
class CCustomizeViewPropertyPage : public CPropertyPage
{
    Q_OBJECT

public:
    CCustomizeViewPropertyPage(CCustomizeViewDlg* dialog, unsigned templateId);

    CCustomizeViewDlg* GetCustomizeViewDlg() const { return m_dialog; }
    CGridStyleManager& GetStyleManager() const;
    nxGridManager& GetGridManager() const;

    bool OnApply() override;

private:
    CCustomizeViewDlg* m_dialog;
};
