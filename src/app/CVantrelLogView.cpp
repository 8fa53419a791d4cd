#include "app/CVantrelLogView.h"

#include "app/nxSystemManagerIds.h"
#include "log/nxLogDataInterest.h"
#include "log/window/nxRunLogFiltersCommand.h"
#include "platform/grid/window/nxGridDocument.h"
#include "platform/grid/window/nxGridWndTemplate.h"

CVantrelLogView::CVantrelLogView()
{
    MapCommand(nxSystemManagerId::ID_LOG_FILTERS, [this] { OnFilters(); });
}

nxGridWnd* CVantrelLogView::_CreateGridWndInstance()
{
    return new nxGridWndTemplate<nxLogGridManager, 0>();
}

nxLogGridManager* CVantrelLogView::GetGridManager() const
{
    return static_cast<nxLogGridManager*>(nxGridView::GetGridManager());
}

void CVantrelLogView::OnInitialUpdate()
{
    nxGridView::OnInitialUpdate();
    // A workspace's window that was never saved has no path but brings its filter.
    if (!GetDocument()->GetPathName().empty() || GetGridManager()->HasDataInterests())
        return;
    auto* interest = new nxLogDataInterest();
    GetGridManager()->AddDataInterest(interest, true);
    interest->FetchDataObjects();
}

void CVantrelLogView::OnFilters()
{
    nxRunLogFiltersCommand(*this, *GetGridManager(), [this] { GetDocument()->SetModifiedFlag(true); });
}
