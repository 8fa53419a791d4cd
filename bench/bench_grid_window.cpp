// The grid window under a live feed, offscreen, with the event loop running as
// on screen: flushes, paints and fades all happen on this thread.
// - 10,000 status rows with 1,000 cell changes a second (half of them flashing);
// - a log grid already holding 200,000 rows taking 10,000 new rows a second at its top.
// Reported: the share of one core the user-interface thread used, and the time
// each flush took (p50, p99, max). Targets: under 25% of a core, no flush over 16 ms.
// VSM_BENCH_SECONDS shortens the measured time (default 10).
#include <QApplication>

#include "log/nxLogDataInterest.h"
#include "nxBenchWindow.h"
#include "nxTestGridManager.h"
#include "nxTestLogGridManager.h"
#include "nxTestStatus.h"
#include "platform/messaging/nxLogMessage.h"
#include "platform/service/nxScriptedControlService.h"
#include "status/nxControlDataInterest.h"
#include "status/nxControlDataManager.h"

namespace
{
using namespace nxBenchWindow;

std::vector<nxApplicationStatus*> Image(int rows, int tick)
{
    // Each tick 100 rows change: 50 a latency, 50 a location (which flashes).
    std::vector<nxApplicationStatus*> image;
    image.reserve(static_cast<size_t>(rows));
    for (int row = 0; row < rows; ++row)
    {
        char id[16];
        std::snprintf(id, sizeof id, "A%05d", row);
        nxStatusFields fields{.id = id, .expected = 8201};
        const int slot = (row + tick * 97) % rows;
        if (slot < 50)
            fields.latency = 0.5 + tick;
        else if (slot < 100)
            fields.location = tick % 2 ? "Paris" : "London";
        image.push_back(MakeStatus(fields));
    }
    return image;
}

void BM_TenThousandRowsWithAThousandChangesASecond(benchmark::State& state)
{
    constexpr int kRows = 10000;
    for (auto _ : state)
    {
        nxScriptedControlService service;
        nxControlDataManager data;
        data.Create();
        {
            nxGridWndTemplate<CpuTimedGrid<nxTestGridManager>, 0> window;
            window.resize(1200, 800);
            window.show();
            auto columns = window.GetGridManager()->GetColumnSettings();
            for (nxAttributeID id : {9005u, 9012u, 9016u, 9017u})
            {
                nxGridManager::ColumnSetting column;
                column.attributeId = id;
                column.order = static_cast<int>(columns.size());
                columns.push_back(column);
            }
            window.GetGridManager()->SetColumnSettings(columns);
            auto* interest = new nxControlDataInterest();
            interest->SetClientServer(nxClientServerEnum(72));
            window.GetGridManager()->AddDataInterest(interest, true);
            interest->FetchDataObjects();
            service.DeliverStatusBatch(72, Image(kRows, 0));
            service.WaitUntilDelivered();
            window.FlushNow();
            RunEventLoop(200);
            Measure(state, window,
                    [&](std::atomic<bool>& stop)
                    {
                        auto next = Clock::now();
                        for (int tick = 1; !stop; ++tick)
                        {
                            next += std::chrono::milliseconds(100);
                            service.DeliverStatusBatch(72, Image(kRows, tick));
                            std::this_thread::sleep_until(next);
                        }
                        service.WaitUntilDelivered();
                    });
        }
        data.Destroy();
    }
}

nxLogMessage* LogMessage(int number)
{
    auto* message = new nxLogMessage();
    message->SetApplicationName("App" + std::to_string(number % 50));
    message->SetHostName("host" + std::to_string(number % 20));
    message->SetLogLevel(nxLogLevelEnum(33));
    message->SetLogEntry("Order " + std::to_string(number) + " routed");
    return message;
}

void BM_TenThousandNewRowsASecondAtTheTopOfTwoHundredThousand(benchmark::State& state)
{
    constexpr int kHeld = 200000;
    constexpr int kPerTick = 100; // every 10 ms
    for (auto _ : state)
    {
        nxScriptedControlService service;
        nxControlDataManager data;
        data.Create();
        {
            nxGridWndTemplate<CpuTimedGrid<nxTestLogGridManager>, 0> window;
            window.resize(1200, 800);
            window.show();
            auto* interest = new nxLogDataInterest();
            window.GetGridManager()->AddDataInterest(interest, true);
            interest->FetchDataObjects();
            for (int number = 0; number < kHeld; ++number)
                service.DeliverLogMessage(LogMessage(number));
            service.WaitUntilDelivered();
            window.FlushNow();
            RunEventLoop(200);
            Measure(state, window,
                    [&](std::atomic<bool>& stop)
                    {
                        auto next = Clock::now();
                        for (int number = kHeld; !stop;)
                        {
                            next += std::chrono::milliseconds(10);
                            for (int i = 0; i < kPerTick; ++i)
                                service.DeliverLogMessage(LogMessage(number++));
                            std::this_thread::sleep_until(next);
                        }
                        service.WaitUntilDelivered();
                    });
        }
        data.Destroy();
    }
}
} // namespace

BENCHMARK(BM_TenThousandRowsWithAThousandChangesASecond)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
BENCHMARK(BM_TenThousandNewRowsASecondAtTheTopOfTwoHundredThousand)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
