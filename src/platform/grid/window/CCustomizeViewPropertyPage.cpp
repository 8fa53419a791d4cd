#include "platform/grid/window/CCustomizeViewPropertyPage.h"

#include "platform/grid/window/CCustomizeViewDlg.h"
#include "platform/ui/nxDialogTemplateTable.h"

CCustomizeViewPropertyPage::CCustomizeViewPropertyPage(CCustomizeViewDlg* dialog, unsigned templateId)
    : CPropertyPage(nxDialogTemplateTable::Get(templateId)), m_dialog(dialog)
{
}

CGridStyleManager& CCustomizeViewPropertyPage::GetStyleManager() const
{
    return m_dialog->GetStyleManager();
}

nxGridManager& CCustomizeViewPropertyPage::GetGridManager() const
{
    return m_dialog->GetGridManager();
}

bool CCustomizeViewPropertyPage::OnApply()
{
    m_dialog->ApplyStylesToGrid();
    return CPropertyPage::OnApply();
}
