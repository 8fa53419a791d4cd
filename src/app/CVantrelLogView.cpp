#include "app/CVantrelLogView.h"

#include <QLocale>

#include "app/nxSystemManagerIds.h"
#include "log/nxLogDataInterest.h"
#include "log/nxLogDataManager.h"
#include "log/window/CHideRowsDlg.h"
#include "log/window/nxLogGridWnd.h"
#include "log/window/nxLogResourceIds.h"
#include "log/window/nxLogTexts.h"
#include "log/window/nxRunLogFiltersCommand.h"
#include "platform/grid/window/nxGridDocument.h"
#include "platform/grid/window/nxGridWnd.h"

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
    MapCommand(nxLogResource::ID_HIDE_ROWS, [this] { OnHideRows(); });
    m_storeLimitTimer.setInterval(kStoreLimitPeriodMs);
    connect(&m_storeLimitTimer, &QTimer::timeout, this, &CVantrelLogView::ShowStoreLimit);
}

nxGridWnd* CVantrelLogView::_CreateGridWndInstance()
{
    return new nxLogGridWnd();
}

nxLogGridManager* CVantrelLogView::GetGridManager() const
{
    return static_cast<nxLogGridManager*>(nxGridView::GetGridManager());
}

void CVantrelLogView::OnInitialUpdate()
{
    nxGridView::OnInitialUpdate();
    GetGridWnd()->SetContextCommands({nxSystemManagerId::ID_LOG_FILTERS});
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

void CVantrelLogView::OnHideRows()
{
    auto* grid = static_cast<nxLogGridWnd*>(GetGridWnd());
    nxLogGridManager* manager = GetGridManager();
    if (!grid || !manager)
        return;
    CHideRowsDlg dialog(this, manager->GetHidePatterns(), grid->GetCurrentLogText());
    if (dialog.DoModal() != IDOK)
        return;
    if (manager->SetHidePatterns(dialog.GetPatterns()))
        GetDocument()->SetModifiedFlag(true);
    ShowStoreLimit();
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
    if (const size_t hiding = GetGridManager()->GetHidePatterns().size(); hiding != 0)
        note += QStringLiteral("   ") + tr(nxLogTexts::HidePatternsNote).arg(hiding);
    grid->SetStatusNote(note);
}
