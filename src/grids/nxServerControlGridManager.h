#pragma once

#include "grids/nxControlGridManager.h"
#include "platform/grid/data/CGridLock.h"

// The grid of the server applications view. It washes the grid with the warning
// overlay while a row is late, unexpected or missing, adds the "Highlights"
// page to the customise-view dialog, and can notify the desktop of applications
// turning Missing or Unexpected.
class nxServerControlGridManager : public nxControlGridManager
{
public:
    explicit nxServerControlGridManager(nxGridWnd* gridWnd);

    // The grid repaints only when the answer of the warning test changes.
    bool OnEndOfDataUpdate(nxGridDataManager* dataManager, uint64_t updateCount, HMONITOR monitor) override;
    bool ShouldShowWarningAlphaBlend() const override;
    void InitializeCustomizeViewDialog(CCustomizeViewDlg& dialog) override;
    nxClientServerEnum GetClientServer() const override { return nxClientServerEnum(nxServerValue); }

protected:
    // True when a row's first cell carries the late-heartbeat, "Unexpected" or "Missing" highlight.
    bool _CheckIfShouldShowWarningAlphaBlend() const;
    // Applications turning Missing or Unexpected.
    std::unique_ptr<nxGridNotificationSource> _CreateNotificationSource() override;

private:
    mutable CGridLock m_warningLock;
    bool m_showWarning = false;
};
