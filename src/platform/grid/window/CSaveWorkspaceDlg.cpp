#include "platform/grid/window/CSaveWorkspaceDlg.h"

#include <string>

namespace
{
nxDialogTemplate MakeTemplate()
{
    using K = nxControlKind;
    return {CSaveWorkspaceDlg::IDD,
            "Save Workspace",
            200,
            62,
            {
                {-1, K::Static, "Save every open window, with its place and layout, as:", {7, 7, 186, 8}},
                {CSaveWorkspaceDlg::IDC_WORKSPACE, K::DropDownList, "", {7, 19, 120, 60}},
                {IDOK, K::DefPushButton, "OK", {89, 41, 50, 14}},
                {IDCANCEL, K::PushButton, "Cancel", {143, 41, 50, 14}},
            }};
}
} // namespace

CSaveWorkspaceDlg::CSaveWorkspaceDlg(std::vector<bool> saved, int current, QWidget* parent)
    : CDialog(MakeTemplate(), parent), m_saved(std::move(saved)), m_workspace(current)
{
}

void CSaveWorkspaceDlg::DoDataExchange()
{
    DDX_Control(IDC_WORKSPACE, m_choice);
}

bool CSaveWorkspaceDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (size_t index = 0; index < m_saved.size(); ++index)
        m_choice.AddString("Workspace " + std::to_string(index + 1) +
                           (m_saved[index] ? "" : " (not saved yet)"));
    m_choice.SetCurSel(m_workspace - 1);
    m_choice.SetFocus();
    return false;
}

void CSaveWorkspaceDlg::OnOK()
{
    const int chosen = m_choice.GetCurSel();
    if (chosen == CB_ERR)
        return;
    m_workspace = chosen + 1;
    CDialog::OnOK();
}
