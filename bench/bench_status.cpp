// Cost of applying statuses: to one row, and as whole-image batches through the
// control data manager with two views attached.
#include <benchmark/benchmark.h>

#include "nxBenchGrid.h"

#include <malloc.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "contracts/nxApplicationStatus.h"
#include "platform/grid/data/nxAttributeObserver.h"
#include "platform/grid/data/nxGridDataInterestListener.h"
#include "platform/grid/data/nxGridDataSubscription.h"
#include "platform/grid/data/nxObservedAttribute.h"
#include "platform/service/nxScriptedControlService.h"
#include "status/nxControlDataInterest.h"
#include "status/nxControlDataManager.h"
#include "status/nxControlDataObject.h"
#include "status/nxControlSubscription.h"

namespace
{
nxApplicationStatus* MakeStatus(const std::string& id, int variant)
{
    auto* status = new nxApplicationStatus();
    status->SetApplicationID(nxApplicationID(id));
    status->SetApplicationName("OrderRouter-" + id);
    status->SetApplicationInstanceName("primary");
    status->SetHostName("ldn-trd-host-07");
    status->SetUserName("svc_trading");
    status->SetLocation("London");
    status->SetApplicationVersionNumber("4.12.3-build.1877");
    status->SetApplicationScheduleName(variant ? "LondonHours" : "Weekdays");
    status->SetApplicationType(nxApplicationTypeEnum(7001));
    status->SetApplicationStatus(nxApplicationStatusEnum(variant ? 8004 : 8002));
    status->SetExpectedApplicationStatus(nxExpectedApplicationStatusEnum(variant ? 8203 : 8201));
    status->SetFTState(nxFTStateEnum(8101));
    status->SetProcessID(variant ? 5000 : 4242);
    status->SetHeartbeatDelta(nxUInt32ValueWrapper(variant ? 7 : 0));
    status->SetHeartbeatLatency(variant ? 0.75 : 0.5);
    status->SetAverageHeartbeatLatency(variant ? 0.5 : 0.25);
    status->SetStartTime(nxDateTime(2026, 12, 5, 8, 0, variant));
    return status;
}

void ApplyOneStatus(benchmark::State& state)
{
    const bool changing = state.range(0) != 0;
    std::unique_ptr<nxApplicationStatus> statuses[2] = {
        std::unique_ptr<nxApplicationStatus>(MakeStatus("A1", 0)),
        std::unique_ptr<nxApplicationStatus>(MakeStatus("A1", 1))};
    nxControlDataObject row;
    nxBenchGrid cells;
    for (nxObservedAttribute* attribute : row.GetAttributes())
        attribute->AttachObserver(&cells);
    row.OnApplicationStatusUpdate(*statuses[0], true);
    size_t next = 0;
    for (auto _ : state)
    {
        if (changing)
            next ^= 1;
        row.OnApplicationStatusUpdate(*statuses[next], false);
    }
    state.SetLabel(changing ? "all values changed" : "unchanged");
    for (nxObservedAttribute* attribute : row.GetAttributes())
        attribute->DetachObserver(&cells);
}
BENCHMARK(ApplyOneStatus)->Arg(0)->Arg(1);

// The console's data side on a scripted service, with two server views attached.
struct Pipeline
{
    nxScriptedControlService service;
    nxControlDataManager manager;
    nxControlDataInterest interests[2];
    nxBenchGrid views[2];
    nxControlSubscription* subscription = nullptr;

    Pipeline()
    {
        manager.Create();
        for (int i = 0; i < 2; ++i)
        {
            interests[i].SetClientServer(nxClientServerEnum(72));
            interests[i].SetListener(&views[i]);
            interests[i].AttachToDataManager();
        }
        subscription = dynamic_cast<nxControlSubscription*>(
            manager.GetSubscriptionManager().FindSubscription("ApplicationStatus.Server"));
    }
    ~Pipeline()
    {
        for (auto& interest : interests)
            interest.DetachFromDataManager();
        manager.Destroy();
    }
    void Apply(const std::vector<nxApplicationStatus*>& batch)
    {
        manager.OnApplicationStatusUpdate(batch, nxClientServerEnum(72), subscription, false);
    }
};

struct Batch
{
    std::vector<nxApplicationStatus*> statuses;
    ~Batch()
    {
        for (nxApplicationStatus* status : statuses)
            delete status;
    }
};

// changedEvery: every n-th status differs from the previous batch (0: none).
void MakeBatch(Batch& batch, int64_t size, const std::string& prefix, int variant, int64_t changedEvery)
{
    for (int64_t i = 0; i < size; ++i)
    {
        const bool changed = changedEvery > 0 && i % changedEvery == 0;
        batch.statuses.push_back(MakeStatus(prefix + std::to_string(i), changed ? variant : 0));
    }
}

void ApplyImage(benchmark::State& state)
{
    const int64_t size = state.range(0);
    const int64_t mode = state.range(1); // 0 unchanged, 1 every tenth changed, 2 all new
    Pipeline pipeline;
    Batch batches[2];
    MakeBatch(batches[0], size, "APP", 0, mode == 1 ? 10 : 0);
    MakeBatch(batches[1], size, mode == 2 ? "NEW" : "APP", 1, mode == 1 ? 10 : 0);
    pipeline.Apply(batches[0].statuses);
    size_t next = 0;
    for (auto _ : state)
    {
        if (mode != 0)
            next ^= 1;
        pipeline.Apply(batches[next].statuses);
    }
    state.SetItemsProcessed(state.iterations() * size);
    // Seconds per status, printed with an SI prefix (n, u).
    state.counters["per_status"] =
        benchmark::Counter(static_cast<double>(size),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    static const char* const labels[] = {"unchanged", "10% changed", "all new (replacing the image)"};
    state.SetLabel(labels[mode]);
}
BENCHMARK(ApplyImage)->ArgsProduct({{1000, 10000}, {0, 1, 2}})->Unit(benchmark::kMicrosecond);

void MemoryPerRow(benchmark::State& state)
{
    const int64_t size = 10000;
    for (auto _ : state)
    {
        Pipeline pipeline;
        Batch batch;
        MakeBatch(batch, size, "APP", 0, 0);
        const size_t before = mallinfo2().uordblks;
        pipeline.Apply(batch.statuses);
        const size_t after = mallinfo2().uordblks;
        state.counters["bytes_per_row"] = static_cast<double>(after - before) / static_cast<double>(size);
    }
}
BENCHMARK(MemoryPerRow)->Iterations(1)->Unit(benchmark::kMillisecond);
} // namespace
