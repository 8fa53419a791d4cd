// The log window under a burst, offscreen, with the event loop running as on
// screen: 10,000 messages a second, half of which its filter accepts (the others
// are dropped by the store at once), with the level and text columns shown.
// - following: the operator is at the top, so every flush shows the newest rows;
// - reading: the operator has paged down and selected a row, so the rows on
//   screen stay put while the new ones are counted above.
// Reported: the share of one core the user-interface thread used, and the time
// each flush took (p50, p99, max). Targets: under 25% of a core, no flush over 16 ms.
// VSM_BENCH_SECONDS shortens the measured time (default 10).
#include <QScrollBar>
#include <QEvent>

#include "log/nxLogDataInterest.h"
#include "log/window/nxLogGridManager.h"
#include "nxBenchWindow.h"
#include "platform/grid/window/nxGridTableView.h"
#include "platform/messaging/nxLogMessage.h"
#include "platform/service/nxScriptedControlService.h"
#include "status/nxControlDataManager.h"

namespace
{
using namespace nxBenchWindow;
using LogWindow = nxGridWndTemplate<CpuTimedGrid<nxLogGridManager>, 0>;

constexpr int kPerTick = 100; // every 10 ms

nxLogMessage* LogMessage(int number)
{
    auto* message = new nxLogMessage();
    message->SetApplicationName("App" + std::to_string(number % 50));
    message->SetHostName("host" + std::to_string(number % 20));
    message->SetLogLevel(nxLogLevelEnum(33 + number % 6));
    message->SetLogEntry("Order " + std::to_string(number) + (number % 2 ? " filled" : " routed to venue"));
    return message;
}

void ShowLevelAndText(nxGridManager& grid)
{
    auto columns = grid.GetColumnSettings();
    for (nxAttributeID id : {10002u, 10006u, 10007u})
    {
        nxGridManager::ColumnSetting column;
        column.attributeId = id;
        column.order = static_cast<int>(columns.size());
        columns.push_back(column);
    }
    grid.SetColumnSettings(columns);
}

void Feed(nxScriptedControlService& service, std::atomic<bool>& stop, int& number)
{
    auto next = Clock::now();
    while (!stop)
    {
        next += std::chrono::milliseconds(10);
        for (int i = 0; i < kPerTick; ++i)
            service.DeliverLogMessage(LogMessage(number++));
        std::this_thread::sleep_until(next);
    }
    service.WaitUntilDelivered();
}

// The operator pages down twice and selects a row there.
void ReadFurtherDown(LogWindow& window)
{
    QScrollBar* scroll = window.GetTableView()->verticalScrollBar();
    scroll->triggerAction(QAbstractSlider::SliderPageStepAdd);
    scroll->triggerAction(QAbstractSlider::SliderPageStepAdd);
    const QModelIndex cell = window.GetModel()->index(scroll->value() + 3, 1);
    window.GetTableView()->selectionModel()->select(cell, QItemSelectionModel::ClearAndSelect);
}

struct PaintCounter : QObject
{
    int paints = 0;
    double cpu = 0;
    double started = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) { ++paints; started = ThreadCpuSeconds(); }
        return false;
    }
};
void BM_LogWindowTenThousandMessagesASecondHalfAccepted(benchmark::State& state)
{
    const bool reading = state.range(0) != 0;
    for (auto _ : state)
    {
        nxScriptedControlService service;
        nxControlDataManager data;
        data.Create();
        {
            LogWindow window;
            window.resize(1200, 800);
            window.show();
            ShowLevelAndText(*window.GetGridManager());
            auto* interest = new nxLogDataInterest();
            interest->SetRegexFilter("routed");
            window.GetGridManager()->AddDataInterest(interest, true);
            interest->FetchDataObjects();
            int number = 0;
            for (; number < 2000; ++number)
                service.DeliverLogMessage(LogMessage(number));
            service.WaitUntilDelivered();
            window.FlushNow();
            RunEventLoop(200);
            if (reading)
                ReadFurtherDown(window);
            PaintCounter counter;
            window.GetTableView()->viewport()->installEventFilter(&counter);
            Measure(state, window, [&](std::atomic<bool>& stop) { Feed(service, stop, number); });
            state.counters["paints"] = counter.paints;
            state.counters["new_rows_above"] = static_cast<double>(window.GetNewRowsAbove());
        }
        data.Destroy();
    }
}
} // namespace

BENCHMARK(BM_LogWindowTenThousandMessagesASecondHalfAccepted)
    ->ArgName("reading")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
