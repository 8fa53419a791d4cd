// The server applications window as the program opens it, on the embedded
// platform with 10,000 server applications (each whole image once a second, on
// the platform's own thread), offscreen with the event loop running as on screen.
// The window shows every column of the status row, as the heaviest layout an
// operator can choose. Measured with the grid at its first row and in the middle of its rows: the share
// of one core the user-interface thread used and the time each flush took (p50,
// p99, max). Targets: under 25% of a core, no flush over 16 ms.
// VSM_BENCH_SECONDS shortens the measured time (default 10).
#include <benchmark/benchmark.h>

#include <QScrollBar>
#include <QTemporaryDir>

#include <chrono>

#include "app/CVantrelSystemManagerApp.h"
#include "nxBenchWindow.h"
#include "platform/grid/nxGridManager.h"
#include "platform/grid/window/nxGridFrameWnd.h"
#include "platform/grid/window/nxGridTableModel.h"
#include "platform/grid/window/nxGridTableView.h"
#include "platform/grid/window/nxGridView.h"
#include "platform/grid/window/nxGridWnd.h"
#include "platform/service/nxEmbeddedControlService.h"

namespace
{
using namespace nxBenchWindow;

constexpr uint32_t kApplications = 10000;

// The heaviest layout an operator can choose: every attribute of the status row.
void ShowEveryStatusColumn(nxGridManager& grid)
{
    std::vector<nxGridManager::ColumnSetting> columns = grid.GetColumnSettings();
    for (nxAttributeID id = 9004; id <= 9017; ++id)
    {
        nxGridManager::ColumnSetting column;
        column.attributeId = id;
        column.order = static_cast<int>(columns.size());
        columns.push_back(column);
    }
    grid.SetColumnSettings(columns);
}

// The program started on a platform of 10,000 servers, its first window filled.
void MeasureServerWindow(benchmark::State& state, bool middle)
{
    for (auto _ : state)
    {
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        nxEmbeddedPlatformOptions options;
        options.serverCount = kApplications;
        options.clientCount = 200;
        options.serverHostCount = 200;
        options.dataFolder = config.path().toStdString();
        nxEmbeddedControlService service(options);
        CVantrelSystemManagerApp app;
        service.Start();
        if (!app.InitInstance())
        {
            state.SkipWithError("the program did not start");
            return;
        }
        nxGridFrameWnd* frame = app.GetMainWnd();
        frame->resize(1600, 900);
        nxGridWnd& grid = *frame->GetActiveView()->GetGridWnd();
        ShowEveryStatusColumn(*grid.GetGridManager());
        // The first images make the rows; the measured time shows them living.
        RunEventLoop(3000);
        QScrollBar* scroll = grid.GetTableView()->verticalScrollBar();
        // As the operator drags the scroll bar, so the window knows the place is chosen.
        scroll->setSliderPosition(middle ? scroll->maximum() / 2 : 0);
        scroll->triggerAction(QAbstractSlider::SliderMove);
        RunEventLoop(500);
        state.counters["top_row_at_start"] = static_cast<double>(scroll->value());
        state.counters["scroll_max"] = static_cast<double>(scroll->maximum());

        grid.ResetFlushDurations();
        const double cpuBefore = ThreadCpuSeconds();
        const auto wallBefore = std::chrono::steady_clock::now();
        RunEventLoop(MeasuredSeconds() * 1000);
        const double uiCpu = ThreadCpuSeconds() - cpuBefore;
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
        const std::vector<double>& flushes = grid.GetFlushDurations();

        state.counters["ui_cpu_share"] = uiCpu / wall;
        state.counters["flush_p50_ms"] = Percentile(flushes, 0.50);
        state.counters["flush_p99_ms"] = Percentile(flushes, 0.99);
        state.counters["flush_max_ms"] = Percentile(flushes, 1.0);
        state.counters["flushes"] = static_cast<double>(flushes.size());
        state.counters["rows"] = static_cast<double>(grid.GetModel()->rowCount());
        state.counters["top_row"] = static_cast<double>(scroll->value());
        app.ExitInstance();
        service.Stop();
    }
}

void BM_ServerWindowAtTheTop(benchmark::State& state)
{
    MeasureServerWindow(state, false);
}

void BM_ServerWindowInTheMiddle(benchmark::State& state)
{
    MeasureServerWindow(state, true);
}
} // namespace

BENCHMARK(BM_ServerWindowAtTheTop)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_ServerWindowInTheMiddle)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
