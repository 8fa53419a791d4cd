#include "platform/ui/CPropertySheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/base/nxMessageBox.h"
#include "platform/ui/CPropertyPage.h"

CPropertySheet::CPropertySheet(const std::string& caption, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QString::fromStdString(caption));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_tabs = new QTabWidget(this);
    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    m_apply = buttons->addButton(tr("&Apply"), QDialogButtonBox::ApplyRole);
    m_ok->setDefault(true);
    m_apply->setEnabled(false);
    connect(m_ok, &QPushButton::clicked, this, &CPropertySheet::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CPropertySheet::reject);
    connect(m_apply, &QPushButton::clicked, this, [this] { ApplyModifiedPages(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

CPropertySheet::~CPropertySheet() = default;

void CPropertySheet::AddPage(CPropertyPage* page)
{
    page->m_sheet = this;
    m_pages.push_back(page);
    m_tabs->addTab(page, QString::fromStdString(page->GetTemplate().caption));
}

CPropertyPage* CPropertySheet::GetPage(int index) const
{
    return index >= 0 && index < GetPageCount() ? m_pages[static_cast<size_t>(index)] : nullptr;
}

void CPropertySheet::SetActivePage(int index)
{
    m_tabs->setCurrentIndex(index);
}

int CPropertySheet::GetActiveIndex() const
{
    return m_tabs->currentIndex();
}

int CPropertySheet::DoModal()
{
    Create(false);
    return exec();
}

void CPropertySheet::Create(bool show)
{
    for (CPropertyPage* page : m_pages)
    {
        page->m_modified = false;
        page->Create(false);
        page->setMinimumSize(page->size());
    }
    m_apply->setEnabled(false);
    if (show)
        this->show();
}

void CPropertySheet::OnPageModified()
{
    bool any = false;
    for (CPropertyPage* page : m_pages)
        any = any || page->IsModified();
    m_apply->setEnabled(any);
}

bool CPropertySheet::ApplyModifiedPages()
{
    for (CPropertyPage* page : m_pages)
        if (page->IsModified() && !page->OnApply())
        {
            m_tabs->setCurrentWidget(page);
            OnPageModified();
            return false;
        }
    OnPageModified();
    return true;
}

void CPropertySheet::accept()
{
    if (ApplyModifiedPages())
        QDialog::done(IDOK);
}

void CPropertySheet::reject()
{
    for (CPropertyPage* page : m_pages)
        page->OnReset();
    QDialog::done(IDCANCEL);
}
