#include "platform/grid/window/CPickListDlg.h"

#include <algorithm>

#include "platform/grid/data/nxAttributeCatalogue.h"

nxDialogTemplate CPickListDlg::MakeTemplate(unsigned id, std::string caption, std::string chosenLabel,
                                            int height, std::vector<nxDialogControl> extra)
{
    using K = nxControlKind;
    const int buttonsTop = height - 20;
    nxDialogTemplate dialog{
        id,
        std::move(caption),
        270,
        height,
        {
            {-1, K::Static, "Available:", {7, 7, 100, 8}},
            {IDC_AVAILABLE, K::ListBox, "", {7, 18, 100, 120}, nxStyle::WS_VSCROLL | nxStyle::LBS_NOTIFY},
            {IDC_ADD, K::PushButton, "Add >", {113, 50, 44, 14}},
            {IDC_REMOVE, K::PushButton, "< Remove", {113, 70, 44, 14}},
            {-1, K::Static, std::move(chosenLabel), {163, 7, 100, 8}},
            {IDC_CHOSEN, K::ListBox, "", {163, 18, 100, 120}, nxStyle::WS_VSCROLL | nxStyle::LBS_NOTIFY},
            {IDC_MOVE_UP, K::PushButton, "Move Up", {163, 142, 48, 14}},
            {IDC_MOVE_DOWN, K::PushButton, "Move Down", {215, 142, 48, 14}},
        }};
    dialog.controls.insert(dialog.controls.end(), extra.begin(), extra.end());
    dialog.controls.push_back({IDOK, K::DefPushButton, "OK", {159, buttonsTop, 50, 14}});
    dialog.controls.push_back({IDCANCEL, K::PushButton, "Cancel", {213, buttonsTop, 50, 14}});
    return dialog;
}

CPickListDlg::CPickListDlg(const nxDialogTemplate& dialogTemplate, QWidget* parent)
    : CDialog(dialogTemplate, parent)
{
    MapNotify(IDC_ADD, nxNotify::BN_CLICKED, [this] { Add(); });
    MapNotify(IDC_AVAILABLE, nxNotify::LBN_DBLCLK, [this] { Add(); });
    MapNotify(IDC_REMOVE, nxNotify::BN_CLICKED, [this] { Remove(); });
    MapNotify(IDC_CHOSEN, nxNotify::LBN_DBLCLK, [this] { Remove(); });
    MapNotify(IDC_MOVE_UP, nxNotify::BN_CLICKED, [this] { Move(-1); });
    MapNotify(IDC_MOVE_DOWN, nxNotify::BN_CLICKED, [this] { Move(1); });
}

void CPickListDlg::DoDataExchange()
{
    DDX_Control(IDC_AVAILABLE, m_availableList);
    DDX_Control(IDC_CHOSEN, m_chosenList);
}

std::string CPickListDlg::ChosenText(const Item& item) const
{
    return nxAttributeCatalogue::GetHeading(item.id);
}

void CPickListDlg::FillLists(int chosenSelection)
{
    m_availableList.ResetContent();
    for (nxAttributeID id : m_offered)
        if (std::none_of(m_chosen.begin(), m_chosen.end(), [id](const Item& item) { return item.id == id; }))
            m_availableList.SetItemData(m_availableList.AddString(nxAttributeCatalogue::GetHeading(id)), id);
    m_chosenList.ResetContent();
    for (const Item& item : m_chosen)
        m_chosenList.AddString(ChosenText(item));
    if (chosenSelection >= 0)
        m_chosenList.SetCurSel(chosenSelection);
}

CPickListDlg::Item* CPickListDlg::SelectedChosen()
{
    const int selected = m_chosenList.GetCurSel();
    return selected == LB_ERR ? nullptr : &m_chosen[static_cast<size_t>(selected)];
}

void CPickListDlg::Add()
{
    const int selected = m_availableList.GetCurSel();
    if (selected == LB_ERR)
        return;
    m_chosen.push_back({static_cast<nxAttributeID>(m_availableList.GetItemData(selected)), true});
    FillLists(static_cast<int>(m_chosen.size()) - 1);
}

void CPickListDlg::Remove()
{
    const int selected = m_chosenList.GetCurSel();
    if (selected == LB_ERR)
        return;
    m_chosen.erase(m_chosen.begin() + selected);
    FillLists(std::min(selected, static_cast<int>(m_chosen.size()) - 1));
}

void CPickListDlg::Move(int by)
{
    const int selected = m_chosenList.GetCurSel();
    const int target = selected + by;
    if (selected == LB_ERR || target < 0 || target >= static_cast<int>(m_chosen.size()))
        return;
    std::swap(m_chosen[static_cast<size_t>(selected)], m_chosen[static_cast<size_t>(target)]);
    FillLists(target);
}
