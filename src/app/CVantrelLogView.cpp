#include "app/CVantrelLogView.h"

#include <QLocale>

#include "app/nxSystemManagerIds.h"
#include "log/nxLogDataInterest.h"
#include "log/nxLogDataManager.h"
#include "log/window/nxRunLogFiltersCommand.h"
#include "platform/grid/window/nxGridDocument.h"
#include "platform/grid/window/nxGridWnd.h"
#include "platform/grid/window/nxGridWndTemplate.h"

namespace
{
// Dropping is a store-wide event, not a row's: a glance once a second is enough.
constexpr int kStoreLimitPeriodMs = 1000;

QString Count(uint64_t count)
{
    return QLocale(QLocale::English).toString(static_cast<qulonglong>(count));
}
} // namespace

CVantrelLogView::CVantrelLogView()
{
    MapCommand(nxSystemManagerId::ID_LOG_FILTERS, [this] { OnFilters(); });
    m_storeLimitTimer.setInterval(kStoreLimitPeriodMs);
    connect(&m_storeLimitTimer, &QTimer::timeout, this, &CVantrelLogView::ShowStoreLimit);
}

nxGridWnd* CVantrelLogView::_CreateGridWndInstance()
{
    auto* window = new nxGridWndTemplate<nxLogGridManager, 0>();
    window->SetPauseAllowed(true);
    return window;
}

nxLogGridManager* CVantrelLogView::GetGridManager() const
{
    return static_cast<nxLogGridManager*>(nxGridView::GetGridManager());
}

void CVantrelLogView::OnInitialUpdate()
{
    nxGridView::OnInitialUpdate();
    ShowStoreLimit();
    m_storeLimitTimer.start();
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

void CVantrelLogView::ShowStoreLimit()
{
    const nxLogDataManager* store = nxLogDataManager::GetInstance();
    nxGridWnd* grid = GetGridWnd();
    if (!store || !grid)
        return;
    const size_t limit = store->GetRowLimit();
    const uint64_t dropped = store->GetNumberOfDroppedRows();
    QString note = limit == 0 ? tr("Every row kept") : tr("Keeps %1 rows").arg(Count(limit));
    if (dropped != 0)
        note += tr(", %1 older dropped").arg(Count(dropped));
    grid->SetStatusNote(note);
}
