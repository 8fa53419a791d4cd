// Ten simulated seconds of a 10,000-application platform sending a whole image
// per kind each second and 50,000 log messages a second, delivered on the
// bench's thread. Run once with callbacks that only discard what they are handed
// (the platform's own cost), and once into the console's data side with a
// server, a client and a log view attached. The difference is the data side.
#include <benchmark/benchmark.h>

#include "nxBenchGrid.h"

#include <time.h>

#include <atomic>
#include <filesystem>
#include <memory>

#include "contracts/nxApplicationStatus.h"
#include "contracts/nxControlCallback.h"
#include "contracts/nxControlInterface.h"
#include "log/nxLogDataInterest.h"
#include "log/nxLogDataManager.h"
#include "platform/grid/data/nxAttributeObserver.h"
#include "platform/grid/data/nxGridDataInterestListener.h"
#include "platform/grid/data/nxObservedAttribute.h"
#include "platform/messaging/nxLogMessage.h"
#include "platform/service/nxEmbeddedControlService.h"
#include "status/nxControlDataInterest.h"
#include "status/nxControlDataManager.h"

namespace
{
constexpr double kSimulatedSeconds = 10.0;

double ThreadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

nxEmbeddedPlatformOptions FeedOptions()
{
    nxEmbeddedPlatformOptions options;
    options.serverCount = 2000;
    options.clientCount = 8000;
    options.serverHostCount = 200;
    options.userCount = 2000;
    // The rate is for a platform where everything runs. At this hour (a Tuesday,
    // 2026-12-08 11:00 UTC) New York and Tokyo are closed and 48% of the applications
    // run, so about 50,000 messages a second arrive.
    options.logMessagesPerSecond = 105000;
    options.startUtcMicroseconds = 1796641200000000;
    options.dataFolder = (std::filesystem::temp_directory_path() / "vsm-bench-platform").string();
    return options;
}

// Takes both feeds and discards everything, as cheaply as a receiver can.
class DiscardingCallback : public nxControlCallback
{
public:
    void OnApplicationStatusUpdate(std::vector<nxApplicationStatus*>& statuses, void*) override
    {
        m_statuses += statuses.size();
        DeleteStatuses(statuses);
    }
    void OnLogMessage(nxLogMessage* message, void*) override
    {
        ++m_messages;
        delete message;
    }
    uint64_t m_statuses = 0;
    uint64_t m_messages = 0;
};

// The platform's own CPU time for the ten seconds, its feeds discarded.
double RunPlatformAlone()
{
    nxEmbeddedControlService platform(FeedOptions());
    DiscardingCallback sink;
    nxControlInterface* service = nxControlInterface::GetInstance();
    service->SubscribeApplicationStatus(&sink, nullptr, nxClientServerEnum(nxServerValue), nullptr);
    service->SubscribeApplicationStatus(&sink, nullptr, nxClientServerEnum(nxClientValue), nullptr);
    service->SubscribeLogMessages(&sink, nullptr);
    service->SubscribeLogMessagesForUser(&sink, nullptr, nxUInt32ValueWrapper());
    const double start = ThreadCpuSeconds();
    platform.RunFor(kSimulatedSeconds);
    const double used = ThreadCpuSeconds() - start;
    service->UnsubscribeApplicationStatus(&sink, nxClientServerEnum(nxServerValue));
    service->UnsubscribeApplicationStatus(&sink, nxClientServerEnum(nxClientValue));
    service->UnsubscribeLogMessages(&sink);
    service->UnsubscribeLogMessagesForUser(&sink, nxUInt32ValueWrapper());
    return used;
}

void FeedTenSeconds(benchmark::State& state)
{
    for (auto _ : state)
    {
        const double platformCpu = RunPlatformAlone();
        nxEmbeddedControlService platform(FeedOptions());
        auto manager = std::make_unique<nxControlDataManager>();
        manager->Create();
        nxControlDataInterest servers;
        nxControlDataInterest clients;
        nxLogDataInterest log;
        nxBenchGrid views[3];
        servers.SetClientServer(nxClientServerEnum(nxServerValue));
        clients.SetClientServer(nxClientServerEnum(nxClientValue));
        nxGridDataInterest* interests[] = {&servers, &clients, &log};
        for (int i = 0; i < 3; ++i)
        {
            interests[i]->SetListener(&views[i]);
            interests[i]->FetchDataObjects();
        }
        const double start = ThreadCpuSeconds();
        platform.RunFor(kSimulatedSeconds);
        const double totalCpu = ThreadCpuSeconds() - start;
        state.counters["platform_cpu_s"] = platformCpu;
        state.counters["data_side_cpu_s"] = totalCpu - platformCpu;
        state.counters["data_side_core_share"] = (totalCpu - platformCpu) / kSimulatedSeconds;
        state.counters["status_rows"] = static_cast<double>(manager->GetNumberOfDataObjects());
        state.counters["log_rows"] =
            static_cast<double>(nxLogDataManager::GetInstance()->GetNumberOfDataObjects());
        for (nxGridDataInterest* interest : interests)
            interest->DetachFromDataManager();
        manager->Destroy();
    }
}
BENCHMARK(FeedTenSeconds)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
} // namespace
