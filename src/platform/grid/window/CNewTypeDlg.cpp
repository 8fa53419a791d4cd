#include "platform/grid/window/CNewTypeDlg.h"

namespace
{
nxDialogTemplate MakeTemplate()
{
    using K = nxControlKind;
    return {CNewTypeDlg::IDD,
            "New",
            166,
            82,
            {
                {-1, K::Static, "&New", {7, 7, 100, 8}},
                {CNewTypeDlg::IDC_TYPES,
                 K::ListBox,
                 "",
                 {7, 18, 100, 57},
                 nxStyle::WS_VSCROLL | nxStyle::LBS_NOTIFY},
                {IDOK, K::DefPushButton, "OK", {114, 18, 45, 14}},
                {IDCANCEL, K::PushButton, "Cancel", {114, 36, 45, 14}},
            }};
}
} // namespace

CNewTypeDlg::CNewTypeDlg(std::vector<std::string> names, int initialSelection, QWidget* parent)
    : CDialog(MakeTemplate(), parent), m_names(std::move(names)), m_selection(initialSelection)
{
    MapNotify(IDC_TYPES, nxNotify::LBN_DBLCLK, [this] { OnOK(); });
}

void CNewTypeDlg::DoDataExchange()
{
    DDX_Control(IDC_TYPES, m_types);
}

bool CNewTypeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (const std::string& name : m_names)
        m_types.AddString(name);
    m_types.SetCurSel(m_selection);
    m_types.SetFocus();
    return false;
}

void CNewTypeDlg::OnOK()
{
    m_selection = m_types.GetCurSel();
    if (m_selection == LB_ERR)
        return;
    CDialog::OnOK();
}
