#pragma once

#include "log/window/nxLogGridManager.h"
#include "platform/grid/window/nxGridView.h"

// The view of a log window. A new one shows the log through a default filter;
// one opened from a file keeps the filter stored there. View > Filters edits it.
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
};
