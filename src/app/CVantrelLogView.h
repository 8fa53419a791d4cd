#pragma once

#include <QTimer>

#include "log/window/nxLogGridManager.h"
#include "platform/grid/window/nxGridView.h"

// The view of a log window. A new one shows the log through a default filter;
// one opened from a file keeps the filter stored there. View > Filters edits it.
// Its grid can be paused, and the grid's context menu hides rows like the
// selected one (kept with the filter, so saved with the document).
class CVantrelLogView : public nxGridView
{
public:
    CVantrelLogView();

    void OnInitialUpdate() override;
    nxLogGridManager* GetGridManager() const override;

protected:
    nxGridWnd* _CreateGridWndInstance() override;

private:
    void OnFilters();
    void OnHideRows();
    // The log store's row limit and the older rows it has dropped, in the status bar.
    void ShowStoreLimit();

    QTimer m_storeLimitTimer;
};
