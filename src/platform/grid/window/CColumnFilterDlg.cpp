#include "platform/grid/window/CColumnFilterDlg.h"

#include <set>

#include "platform/grid/data/nxColumnFilter.h"
#include "platform/grid/nxGridColumn.h"
#include "platform/grid/nxGridManager.h"

namespace
{
using Dlg = CColumnFilterDlg;
constexpr const char* kEmptyValue = "(empty)";
} // namespace

const nxDialogTemplate& CColumnFilterDlg::Template()
{
    using K = nxControlKind;
    static const nxDialogTemplate dialog{
        IDD,
        "Filter",
        200,
        182,
        {
            {Dlg::IDC_PROMPT, K::Static, "", {7, 7, 186, 16}},
            {Dlg::IDC_VALUES,
             K::ListBox,
             "",
             {7, 26, 186, 110},
             nxStyle::WS_VSCROLL | nxStyle::LBS_MULTIPLESEL},
            {Dlg::IDC_SELECT_ALL, K::PushButton, "Select All", {7, 141, 55, 14}},
            {Dlg::IDC_SELECT_NONE, K::PushButton, "Clear", {66, 141, 55, 14}},
            {IDOK, K::DefPushButton, "OK", {89, 162, 50, 14}},
            {IDCANCEL, K::PushButton, "Cancel", {143, 162, 50, 14}},
        }};
    return dialog;
}

CColumnFilterDlg::CColumnFilterDlg(nxGridManager& manager, size_t column, QWidget* parent)
    : CDialog(Template(), parent), m_manager(manager), m_column(column)
{
    MapNotify(IDC_SELECT_ALL, nxNotify::BN_CLICKED, [this] { SelectAll(true); });
    MapNotify(IDC_SELECT_NONE, nxNotify::BN_CLICKED, [this] { SelectAll(false); });
}

void CColumnFilterDlg::DoDataExchange()
{
    DDX_Control(IDC_PROMPT, m_prompt);
    DDX_Control(IDC_VALUES, m_list);
}

bool CColumnFilterDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const nxGridColumn* column = m_manager.GetColumn(m_column);
    if (!column)
        return true;
    m_prompt.SetWindowText("Show the rows whose " + column->GetHeading() + " is one of:");
    nxColumnFilter filter(column->GetAttributeID());
    m_manager.PopulateColumnFilterWithAvailableAttributeValues(m_column, filter);
    // Values chosen before stay on offer, though no row has them now.
    std::set<std::string> values = filter.GetAvailableValues();
    values.insert(column->GetFilterValues().begin(), column->GetFilterValues().end());
    m_values.assign(values.begin(), values.end());
    m_list.ResetContent();
    for (size_t index = 0; index < m_values.size(); ++index)
    {
        const int item = m_list.AddString(m_values[index].empty() ? kEmptyValue : m_values[index]);
        m_list.SetItemData(item, index);
        m_list.SetSel(item, column->GetFilterValues().count(m_values[index]) != 0);
    }
    return true;
}

void CColumnFilterDlg::SelectAll(bool select)
{
    for (int item = 0; item < m_list.GetCount(); ++item)
        m_list.SetSel(item, select);
}

void CColumnFilterDlg::OnOK()
{
    std::set<std::string> chosen;
    for (int item = 0; item < m_list.GetCount(); ++item)
        if (m_list.GetSel(item))
            chosen.insert(m_values[m_list.GetItemData(item)]);
    if (chosen.size() == m_values.size())
        chosen.clear();
    m_manager.SetColumnFilter(m_column, std::move(chosen));
    CDialog::OnOK();
}
