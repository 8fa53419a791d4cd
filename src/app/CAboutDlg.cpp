#include "app/CAboutDlg.h"

#include <QIcon>
#include <QLabel>

#include "app/nxSystemManagerIds.h"
#include "platform/grid/window/nxGridApp.h"
#include "platform/ui/nxDialogTemplateTable.h"
#include "platform/ui/nxResourceTable.h"

namespace
{
constexpr int kIconPixels = 32;

QWidget* MakeIcon(QWidget* parent)
{
    auto* icon = new QLabel(parent);
    const QString path = QString::fromStdString(nxResourceTable::GetIcon(nxSystemManagerId::IDI_PROGRAM));
    icon->setPixmap(QIcon(path).pixmap(kIconPixels, kIconPixels));
    return icon;
}
} // namespace

nxDialogTemplate CAboutDlg::MakeTemplate()
{
    using K = nxControlKind;
    return {
        nxSystemManagerId::IDD_ABOUTBOX,
        "About VantrelSystemManager",
        292,
        63,
        {
            {-1, K::Custom, "", {11, 12, 21, 21}, 0, &MakeIcon},
            {nxSystemManagerId::IDC_VERSION, K::Static, "VantrelSystemManager Version 1.0", {42, 12, 180, 8}},
            {-1, K::Static, "The operator console of the trading platform", {42, 26, 180, 8}},
            {IDOK, K::DefPushButton, "OK", {235, 42, 50, 14}},
        }};
}

CAboutDlg::CAboutDlg(QWidget* parent)
    : CDialog(nxDialogTemplateTable::Get(nxSystemManagerId::IDD_ABOUTBOX), parent)
{
}

void CAboutDlg::DoDataExchange()
{
    DDX_Control(nxSystemManagerId::IDC_VERSION, m_version);
}

bool CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (nxGridApp* app = nxGridApp::GetInstance())
        m_version.SetWindowText(app->GetAboutBoxVersionText());
    return true;
}
