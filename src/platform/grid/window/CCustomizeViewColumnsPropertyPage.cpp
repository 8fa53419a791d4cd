#include "platform/grid/window/CCustomizeViewColumnsPropertyPage.h"

#include <algorithm>

#include "platform/grid/data/nxAttributeCatalogue.h"
#include "platform/ui/nxDialogTemplateTable.h"

namespace
{
using Page = CCustomizeViewColumnsPropertyPage;

std::string HeadingOf(const nxGridManager::ColumnSetting& column)
{
    return column.customHeading.empty() ? nxAttributeCatalogue::GetHeading(column.attributeId)
                                        : column.customHeading;
}
} // namespace

unsigned CCustomizeViewColumnsPropertyPage::Template()
{
    using K = nxControlKind;
    nxDialogTemplateTable::Register(
        {IDD,
         "Columns",
         220,
         150,
         {
             {-1, K::Static, "Columns, in the order shown:", {7, 7, 150, 8}},
             {Page::IDC_COLUMNS,
              K::ListBox,
              "",
              {7, 18, 140, 106},
              nxStyle::WS_VSCROLL | nxStyle::LBS_NOTIFY},
             {Page::IDC_MOVE_UP, K::PushButton, "Move Up", {155, 18, 58, 14}},
             {Page::IDC_MOVE_DOWN, K::PushButton, "Move Down", {155, 36, 58, 14}},
             {Page::IDC_SHOW_HIDE, K::PushButton, "Show / Hide", {155, 58, 58, 14}},
             {-1, K::Static, "Heading:", {7, 133, 35, 8}},
             {Page::IDC_HEADING, K::Edit, "", {45, 131, 102, 13}, nxStyle::ES_AUTOHSCROLL},
             {Page::IDC_RENAME, K::PushButton, "Rename", {155, 130, 58, 14}},
         }});
    return IDD;
}

CCustomizeViewColumnsPropertyPage::CCustomizeViewColumnsPropertyPage(CCustomizeViewDlg* dialog)
    : CCustomizeViewPropertyPage(dialog, Template())
{
    MapNotify(IDC_COLUMNS, nxNotify::LBN_SELCHANGE, [this] { ShowHeading(); });
    MapNotify(IDC_MOVE_UP, nxNotify::BN_CLICKED, [this] { Move(-1); });
    MapNotify(IDC_MOVE_DOWN, nxNotify::BN_CLICKED, [this] { Move(1); });
    MapNotify(IDC_SHOW_HIDE, nxNotify::BN_CLICKED, [this] { ToggleVisible(); });
    MapNotify(IDC_RENAME, nxNotify::BN_CLICKED, [this] { Rename(); });
}

void CCustomizeViewColumnsPropertyPage::DoDataExchange()
{
    DDX_Control(IDC_COLUMNS, m_list);
    DDX_Control(IDC_HEADING, m_heading);
}

bool CCustomizeViewColumnsPropertyPage::OnInitDialog()
{
    CCustomizeViewPropertyPage::OnInitDialog();
    m_columns = GetGridManager().GetColumnSettings();
    std::stable_sort(m_columns.begin(), m_columns.end(),
                     [](const auto& a, const auto& b) { return a.order < b.order; });
    FillList(m_columns.empty() ? -1 : 0);
    return true;
}

bool CCustomizeViewColumnsPropertyPage::OnApply()
{
    for (size_t place = 0; place < m_columns.size(); ++place)
        m_columns[place].order = static_cast<int>(place);
    GetGridManager().SetColumnSettings(m_columns);
    return CCustomizeViewPropertyPage::OnApply();
}

void CCustomizeViewColumnsPropertyPage::FillList(int selected)
{
    m_list.ResetContent();
    for (const auto& column : m_columns)
        m_list.AddString(HeadingOf(column) + (column.visible ? "" : " (hidden)"));
    if (selected >= 0)
        m_list.SetCurSel(selected);
    ShowHeading();
}

void CCustomizeViewColumnsPropertyPage::ShowHeading()
{
    const int selected = m_list.GetCurSel();
    m_heading.SetWindowText(selected == LB_ERR ? std::string()
                                               : m_columns[static_cast<size_t>(selected)].customHeading);
}

void CCustomizeViewColumnsPropertyPage::Move(int by)
{
    const int selected = m_list.GetCurSel();
    const int target = selected + by;
    if (selected == LB_ERR || target < 0 || target >= static_cast<int>(m_columns.size()))
        return;
    std::swap(m_columns[static_cast<size_t>(selected)], m_columns[static_cast<size_t>(target)]);
    FillList(target);
    SetModified();
}

void CCustomizeViewColumnsPropertyPage::ToggleVisible()
{
    const int selected = m_list.GetCurSel();
    if (selected == LB_ERR)
        return;
    auto& column = m_columns[static_cast<size_t>(selected)];
    // The last visible column stays: a grid without columns shows nothing to click.
    const auto visible =
        std::count_if(m_columns.begin(), m_columns.end(), [](const auto& c) { return c.visible; });
    if (column.visible && visible <= 1)
        return;
    column.visible = !column.visible;
    FillList(selected);
    SetModified();
}

void CCustomizeViewColumnsPropertyPage::Rename()
{
    const int selected = m_list.GetCurSel();
    if (selected == LB_ERR)
        return;
    m_columns[static_cast<size_t>(selected)].customHeading = m_heading.GetWindowText();
    FillList(selected);
    SetModified();
}
