#include "platform/grid/window/CColumnPickerDlg.h"

#include <algorithm>

#include "platform/grid/data/CGridLockGuard.h"
#include "platform/grid/data/nxAttributeCatalogue.h"
#include "platform/grid/nxGridCreationTemplate.h"
#include "platform/grid/nxGridManager.h"

CColumnPickerDlg::CColumnPickerDlg(nxGridManager& manager, QWidget* parent)
    : CPickListDlg(MakeTemplate(IDD, "Column Picker", "Shown, left to right:", 182, {}), parent),
      m_manager(manager)
{
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
    m_chosen.clear();
    for (const auto& column : settings)
        m_chosen.push_back({column.attributeId, true});
    m_offered = OfferedAttributes();
    FillLists(m_chosen.empty() ? -1 : 0);
    return true;
}

void CColumnPickerDlg::OnOK()
{
    if (m_chosen.empty())
    {
        nxMessageBox(GetWindowRef(), "Choose at least one column to show.", {}, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // Columns that stay keep their width, heading and filter.
    const auto current = m_manager.GetColumnSettings();
    std::vector<nxGridManager::ColumnSetting> settings;
    for (const Item& item : m_chosen)
    {
        const auto kept = std::find_if(current.begin(), current.end(),
                                       [&](const auto& c) { return c.attributeId == item.id; });
        nxGridManager::ColumnSetting setting;
        if (kept != current.end())
            setting = *kept;
        setting.attributeId = item.id;
        setting.order = static_cast<int>(settings.size());
        settings.push_back(setting);
    }
    m_manager.SetColumnSettings(settings);
    CDialog::OnOK();
}
