#include "platform/ui/CPropertyPage.h"

#include "platform/ui/CPropertySheet.h"

CPropertyPage::CPropertyPage(const nxDialogTemplate& pageTemplate) : CDialog(pageTemplate, nullptr)
{
    setWindowFlags(Qt::Widget);
}

void CPropertyPage::SetModified(bool modified)
{
    m_modified = modified;
    if (m_sheet)
        m_sheet->OnPageModified();
}

bool CPropertyPage::OnApply()
{
    m_modified = false;
    return true;
}

void CPropertyPage::OnOK()
{
    if (m_sheet)
        m_sheet->accept();
}

void CPropertyPage::OnCancel()
{
    if (m_sheet)
        m_sheet->reject();
}
