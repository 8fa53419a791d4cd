#include "platform/grid/window/CColumnPickerDlg.h"

#include <algorithm>

#include "platform/grid/data/CGridLockGuard.h"
#include "platform/grid/data/nxAttributeCatalogue.h"
#include "platform/grid/nxGridCreationTemplate.h"

namespace
{
using Dlg = CColumnPickerDlg;
} // namespace

const nxDialogTemplate& CColumnPickerDlg::Template()
{
    using K = nxControlKind;
    static const nxDialogTemplate dialog{
        IDD,
        "Column Picker",
        270,
        182,
        {
            {-1, K::Static, "Available:", {7, 7, 100, 8}},
            {Dlg::IDC_AVAILABLE,
             K::ListBox,
             "",
             {7, 18, 100, 120},
             nxStyle::WS_VSCROLL | nxStyle::LBS_NOTIFY},
            {Dlg::IDC_ADD, K::PushButton, "Add >", {113, 50, 44, 14}},
            {Dlg::IDC_REMOVE, K::PushButton, "< Remove", {113, 70, 44, 14}},
            {-1, K::Static, "Shown, left to right:", {163, 7, 100, 8}},
            {Dlg::IDC_SHOWN, K::ListBox, "", {163, 18, 100, 120}, nxStyle::WS_VSCROLL | nxStyle::LBS_NOTIFY},
            {Dlg::IDC_MOVE_UP, K::PushButton, "Move Up", {163, 142, 48, 14}},
            {Dlg::IDC_MOVE_DOWN, K::PushButton, "Move Down", {215, 142, 48, 14}},
            {IDOK, K::DefPushButton, "OK", {159, 162, 50, 14}},
            {IDCANCEL, K::PushButton, "Cancel", {213, 162, 50, 14}},
        }};
    return dialog;
}

CColumnPickerDlg::CColumnPickerDlg(nxGridManager& manager, QWidget* parent)
    : CDialog(Template(), parent), m_manager(manager)
{
    MapNotify(IDC_ADD, nxNotify::BN_CLICKED, [this] { Add(); });
    MapNotify(IDC_AVAILABLE, nxNotify::LBN_DBLCLK, [this] { Add(); });
    MapNotify(IDC_REMOVE, nxNotify::BN_CLICKED, [this] { Remove(); });
    MapNotify(IDC_SHOWN, nxNotify::LBN_DBLCLK, [this] { Remove(); });
    MapNotify(IDC_MOVE_UP, nxNotify::BN_CLICKED, [this] { Move(-1); });
    MapNotify(IDC_MOVE_DOWN, nxNotify::BN_CLICKED, [this] { Move(1); });
}

void CColumnPickerDlg::DoDataExchange()
{
    DDX_Control(IDC_AVAILABLE, m_available);
    DDX_Control(IDC_SHOWN, m_shown);
}

std::vector<nxAttributeID> CColumnPickerDlg::OfferedAttributes() const
{
    std::vector<nxAttributeID> offered;
    {
        CGridLockGuard guard(m_manager.GetCreationTemplateLock());
        if (const nxGridCreationTemplate* creation = m_manager.GetGridCreationTemplate())
            for (const auto& cell : creation->GetAvailableCellCreationTemplates())
                offered.push_back(cell->GetAttributeID());
    }
    // A grid whose template offers nothing offers the categories of its columns.
    if (offered.empty())
        for (const auto& column : m_manager.GetColumnSettings())
            if (const nxAttributeInfo* info = nxAttributeCatalogue::Find(column.attributeId))
                for (nxAttributeID id : nxAttributeCatalogue::GetAttributeIDs(info->category))
                    if (std::find(offered.begin(), offered.end(), id) == offered.end())
                        offered.push_back(id);
    return offered;
}

bool CColumnPickerDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    auto settings = m_manager.GetColumnSettings();
    std::stable_sort(settings.begin(), settings.end(),
                     [](const auto& a, const auto& b) { return a.order < b.order; });
    m_columns.clear();
    for (const auto& column : settings)
        m_columns.push_back(column.attributeId);
    m_offered = OfferedAttributes();
    FillLists(m_columns.empty() ? -1 : 0);
    return true;
}

void CColumnPickerDlg::FillLists(int shownSelection)
{
    m_available.ResetContent();
    for (nxAttributeID id : m_offered)
        if (std::find(m_columns.begin(), m_columns.end(), id) == m_columns.end())
            m_available.SetItemData(m_available.AddString(nxAttributeCatalogue::GetHeading(id)), id);
    m_shown.ResetContent();
    for (nxAttributeID id : m_columns)
        m_shown.SetItemData(m_shown.AddString(nxAttributeCatalogue::GetHeading(id)), id);
    if (shownSelection >= 0)
        m_shown.SetCurSel(shownSelection);
}

void CColumnPickerDlg::Add()
{
    const int selected = m_available.GetCurSel();
    if (selected == LB_ERR)
        return;
    m_columns.push_back(static_cast<nxAttributeID>(m_available.GetItemData(selected)));
    FillLists(static_cast<int>(m_columns.size()) - 1);
}

void CColumnPickerDlg::Remove()
{
    const int selected = m_shown.GetCurSel();
    if (selected == LB_ERR)
        return;
    m_columns.erase(m_columns.begin() + selected);
    FillLists(std::min(selected, static_cast<int>(m_columns.size()) - 1));
}

void CColumnPickerDlg::Move(int by)
{
    const int selected = m_shown.GetCurSel();
    const int target = selected + by;
    if (selected == LB_ERR || target < 0 || target >= static_cast<int>(m_columns.size()))
        return;
    std::swap(m_columns[static_cast<size_t>(selected)], m_columns[static_cast<size_t>(target)]);
    FillLists(target);
}

void CColumnPickerDlg::OnOK()
{
    if (m_columns.empty())
    {
        nxMessageBox(GetWindowRef(), "Choose at least one column to show.", {}, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // Columns that stay keep their width, heading and filter.
    const auto current = m_manager.GetColumnSettings();
    std::vector<nxGridManager::ColumnSetting> settings;
    for (nxAttributeID id : m_columns)
    {
        const auto kept =
            std::find_if(current.begin(), current.end(), [id](const auto& c) { return c.attributeId == id; });
        nxGridManager::ColumnSetting setting;
        if (kept != current.end())
            setting = *kept;
        setting.attributeId = id;
        setting.order = static_cast<int>(settings.size());
        settings.push_back(setting);
    }
    m_manager.SetColumnSettings(settings);
    CDialog::OnOK();
}
