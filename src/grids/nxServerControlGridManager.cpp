#include "grids/nxServerControlGridManager.h"

#include "grids/CCustomizeViewSystemManagerHighlightsPropertyPage.h"
#include "grids/nxExpectedStatusNotificationSource.h"
#include "platform/grid/CGridCell.h"
#include "platform/grid/CGridRow.h"
#include "platform/grid/data/CGridLockGuard.h"
#include "platform/grid/window/CCustomizeViewDlg.h"

nxServerControlGridManager::nxServerControlGridManager(nxGridWnd* gridWnd) : nxControlGridManager(gridWnd) {}

bool nxServerControlGridManager::OnEndOfDataUpdate(nxGridDataManager* dataManager, uint64_t updateCount,
                                                   HMONITOR monitor)
{
    const bool showWarning = _CheckIfShouldShowWarningAlphaBlend();
    {
        CGridLockGuard guard(m_warningLock);
        if (showWarning != m_showWarning)
        {
            m_showWarning = showWarning;
            MarkGridAsDirty();
        }
    }
    return nxControlGridManager::OnEndOfDataUpdate(dataManager, updateCount, monitor);
}

bool nxServerControlGridManager::ShouldShowWarningAlphaBlend() const
{
    CGridLockGuard guard(m_warningLock);
    return m_showWarning;
}

void nxServerControlGridManager::InitializeCustomizeViewDialog(CCustomizeViewDlg& dialog)
{
    nxControlGridManager::InitializeCustomizeViewDialog(dialog);
    dialog.AddPage(new CCustomizeViewSystemManagerHighlightsPropertyPage(&dialog));
}

bool nxServerControlGridManager::_CheckIfShouldShowWarningAlphaBlend() const
{
    CGridLockGuard rows(GetRowsLock());
    for (const CGridRow* row : GetRowsInDisplayOrder())
    {
        const CGridCell* cell = row ? row->Cell(0) : nullptr;
        const CGridStyle* style = cell ? cell->Style() : nullptr;
        if (style && (style->GetIsBidPriceHighlighted() || style->GetIsCustom2Highlighted() ||
                      style->GetIsCustom4Highlighted()))
            return true;
    }
    return false;
}

std::unique_ptr<nxGridNotificationSource> nxServerControlGridManager::_CreateNotificationSource()
{
    return std::make_unique<nxExpectedStatusNotificationSource>();
}
