#include "platform/grid/window/CSortingDlg.h"

#include "platform/grid/data/CGridLockGuard.h"
#include "platform/grid/data/nxAttributeCatalogue.h"
#include "platform/grid/nxGridManager.h"
#include "platform/grid/nxGridSortOptions.h"

namespace
{
std::string KeyText(nxAttributeID id, bool ascending)
{
    return nxAttributeCatalogue::GetHeading(id) + (ascending ? " (ascending)" : " (descending)");
}
} // namespace

CSortingDlg::CSortingDlg(nxGridManager& manager, QWidget* parent)
    : CPickListDlg(
          MakeTemplate(
              IDD, "Sorting", "Sort by, first key first:", 200,
              {{IDC_DIRECTION, nxControlKind::PushButton, "Ascending / Descending", {163, 160, 100, 14}},
               {IDC_MANDATORY, nxControlKind::Static, "", {7, 144, 150, 30}}}),
          parent),
      m_manager(manager)
{
    MapNotify(IDC_DIRECTION, nxNotify::BN_CLICKED, [this] { ToggleDirection(); });
}

void CSortingDlg::DoDataExchange()
{
    CPickListDlg::DoDataExchange();
    DDX_Control(IDC_MANDATORY, m_mandatory);
}

std::string CSortingDlg::ChosenText(const Item& item) const
{
    return KeyText(item.id, item.ascending);
}

bool CSortingDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    std::vector<nxAttributeSortOptions> mandatory;
    m_chosen.clear();
    {
        CGridLockGuard guard(m_manager.GetSortOptionsLock());
        if (const nxGridSortOptions* options = m_manager.GetSortOptions())
        {
            m_offered = options->GetAvailableRowSortAttributeIDs();
            for (const nxAttributeSortOptions& key : options->GetRowSortAttributes())
                m_chosen.push_back({key.GetAttributeID(), key.IsAscending()});
            mandatory = options->GetMandatoryRowSortAttributes();
        }
    }
    // Without a list of its own the grid offers its columns.
    if (m_offered.empty())
        for (const auto& column : m_manager.GetColumnSettings())
            m_offered.push_back(column.attributeId);
    std::string then;
    for (const nxAttributeSortOptions& key : mandatory)
        then += (then.empty() ? "Then always by: " : ", ") + KeyText(key.GetAttributeID(), key.IsAscending());
    m_mandatory.SetWindowText(then);
    FillLists(m_chosen.empty() ? -1 : 0);
    return true;
}

void CSortingDlg::ToggleDirection()
{
    Item* key = SelectedChosen();
    if (!key)
        return;
    key->ascending = !key->ascending;
    FillLists(static_cast<int>(key - m_chosen.data()));
}

void CSortingDlg::OnOK()
{
    std::vector<nxAttributeSortOptions> keys;
    for (const Item& item : m_chosen)
        keys.emplace_back(item.id, item.ascending);
    {
        CGridLockGuard guard(m_manager.GetSortOptionsLock());
        if (nxGridSortOptions* options = m_manager.GetSortOptions())
            options->SetRowSortAttributes(std::move(keys));
    }
    m_manager.ApplySortOptions();
    CDialog::OnOK();
}
