#include "platform/grid/window/CSortingDlg.h"

#include <algorithm>

#include "platform/grid/data/CGridLockGuard.h"
#include "platform/grid/data/nxAttributeCatalogue.h"
#include "platform/grid/nxGridManager.h"
#include "platform/grid/nxGridSortOptions.h"

namespace
{
using Dlg = CSortingDlg;

std::string KeyText(const nxAttributeSortOptions& key)
{
    return nxAttributeCatalogue::GetHeading(key.GetAttributeID()) +
           (key.IsAscending() ? " (ascending)" : " (descending)");
}
} // namespace

const nxDialogTemplate& CSortingDlg::Template()
{
    using K = nxControlKind;
    static const nxDialogTemplate dialog{
        IDD,
        "Sorting",
        270,
        200,
        {
            {-1, K::Static, "Available:", {7, 7, 100, 8}},
            {Dlg::IDC_AVAILABLE,
             K::ListBox,
             "",
             {7, 18, 100, 120},
             nxStyle::WS_VSCROLL | nxStyle::LBS_NOTIFY},
            {Dlg::IDC_ADD, K::PushButton, "Add >", {113, 50, 44, 14}},
            {Dlg::IDC_REMOVE, K::PushButton, "< Remove", {113, 70, 44, 14}},
            {-1, K::Static, "Sort by, first key first:", {163, 7, 100, 8}},
            {Dlg::IDC_KEYS, K::ListBox, "", {163, 18, 100, 120}, nxStyle::WS_VSCROLL | nxStyle::LBS_NOTIFY},
            {Dlg::IDC_MOVE_UP, K::PushButton, "Move Up", {163, 142, 48, 14}},
            {Dlg::IDC_MOVE_DOWN, K::PushButton, "Move Down", {215, 142, 48, 14}},
            {Dlg::IDC_DIRECTION, K::PushButton, "Ascending / Descending", {163, 160, 100, 14}},
            {Dlg::IDC_MANDATORY, K::Static, "", {7, 144, 150, 30}},
            {IDOK, K::DefPushButton, "OK", {159, 180, 50, 14}},
            {IDCANCEL, K::PushButton, "Cancel", {213, 180, 50, 14}},
        }};
    return dialog;
}

CSortingDlg::CSortingDlg(nxGridManager& manager, QWidget* parent)
    : CDialog(Template(), parent), m_manager(manager)
{
    MapNotify(IDC_ADD, nxNotify::BN_CLICKED, [this] { Add(); });
    MapNotify(IDC_AVAILABLE, nxNotify::LBN_DBLCLK, [this] { Add(); });
    MapNotify(IDC_REMOVE, nxNotify::BN_CLICKED, [this] { Remove(); });
    MapNotify(IDC_MOVE_UP, nxNotify::BN_CLICKED, [this] { Move(-1); });
    MapNotify(IDC_MOVE_DOWN, nxNotify::BN_CLICKED, [this] { Move(1); });
    MapNotify(IDC_DIRECTION, nxNotify::BN_CLICKED, [this] { ToggleDirection(); });
    MapNotify(IDC_KEYS, nxNotify::LBN_DBLCLK, [this] { ToggleDirection(); });
}

void CSortingDlg::DoDataExchange()
{
    DDX_Control(IDC_AVAILABLE, m_available);
    DDX_Control(IDC_KEYS, m_keys);
    DDX_Control(IDC_MANDATORY, m_mandatory);
}

bool CSortingDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    std::vector<nxAttributeSortOptions> mandatory;
    {
        CGridLockGuard guard(m_manager.GetSortOptionsLock());
        if (const nxGridSortOptions* options = m_manager.GetSortOptions())
        {
            m_offered = options->GetAvailableRowSortAttributeIDs();
            m_sortKeys = options->GetRowSortAttributes();
            mandatory = options->GetMandatoryRowSortAttributes();
        }
    }
    // Without a list of its own the grid offers its columns.
    if (m_offered.empty())
        for (const auto& column : m_manager.GetColumnSettings())
            m_offered.push_back(column.attributeId);
    std::string then;
    for (const nxAttributeSortOptions& key : mandatory)
        then += (then.empty() ? "Then always by: " : ", ") + KeyText(key);
    m_mandatory.SetWindowText(then);
    FillLists(m_sortKeys.empty() ? -1 : 0);
    return true;
}

void CSortingDlg::FillLists(int keySelection)
{
    m_available.ResetContent();
    for (nxAttributeID id : m_offered)
        if (std::none_of(m_sortKeys.begin(), m_sortKeys.end(),
                         [id](const auto& key) { return key.GetAttributeID() == id; }))
            m_available.SetItemData(m_available.AddString(nxAttributeCatalogue::GetHeading(id)), id);
    m_keys.ResetContent();
    for (const nxAttributeSortOptions& key : m_sortKeys)
        m_keys.AddString(KeyText(key));
    if (keySelection >= 0)
        m_keys.SetCurSel(keySelection);
}

void CSortingDlg::Add()
{
    const int selected = m_available.GetCurSel();
    if (selected == LB_ERR)
        return;
    m_sortKeys.emplace_back(static_cast<nxAttributeID>(m_available.GetItemData(selected)), true);
    FillLists(static_cast<int>(m_sortKeys.size()) - 1);
}

void CSortingDlg::Remove()
{
    const int selected = m_keys.GetCurSel();
    if (selected == LB_ERR)
        return;
    m_sortKeys.erase(m_sortKeys.begin() + selected);
    FillLists(std::min(selected, static_cast<int>(m_sortKeys.size()) - 1));
}

void CSortingDlg::Move(int by)
{
    const int selected = m_keys.GetCurSel();
    const int target = selected + by;
    if (selected == LB_ERR || target < 0 || target >= static_cast<int>(m_sortKeys.size()))
        return;
    std::swap(m_sortKeys[static_cast<size_t>(selected)], m_sortKeys[static_cast<size_t>(target)]);
    FillLists(target);
}

void CSortingDlg::ToggleDirection()
{
    const int selected = m_keys.GetCurSel();
    if (selected == LB_ERR)
        return;
    nxAttributeSortOptions& key = m_sortKeys[static_cast<size_t>(selected)];
    key.SetAscending(!key.IsAscending());
    FillLists(selected);
}

void CSortingDlg::OnOK()
{
    {
        CGridLockGuard guard(m_manager.GetSortOptionsLock());
        if (nxGridSortOptions* options = m_manager.GetSortOptions())
            options->SetRowSortAttributes(m_sortKeys);
    }
    m_manager.ApplySortOptions();
    CDialog::OnOK();
}
