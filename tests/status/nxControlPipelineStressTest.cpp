#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <random>
#include <thread>
#include <vector>

#include "nxRecordingListener.h"
#include "nxTestStatus.h"
#include "platform/base/nxSteadyClock.h"
#include "platform/messaging/nxMessageManager.h"
#include "platform/service/nxScriptedControlService.h"
#include "status/nxControlDataInterest.h"
#include "status/nxControlDataManager.h"

namespace
{
std::vector<nxApplicationStatus*> RandomImage(std::mt19937& random, uint32_t kind)
{
    std::vector<nxApplicationStatus*> image;
    const char prefix = kind == 72 ? 'S' : 'C';
    for (int i = 0; i < 40; ++i)
    {
        if (random() % 4 == 0)
            continue; // now and then an application leaves the image
        image.push_back(MakeStatus({.id = std::string(1, prefix) + std::to_string(i),
                                    .type = kind == 72 ? 7001u : 7101u,
                                    .expected = 8201 + static_cast<uint32_t>(random() % 4),
                                    .delta = static_cast<uint32_t>(random() % 3),
                                    .status = 8001 + static_cast<uint32_t>(random() % 6)}));
    }
    return image;
}
} // namespace

// Batches of both kinds on two service threads, snapshot answers, silence ticks,
// and views attaching, fetching and detaching on four threads of their own.
TEST(ControlPipelineStress, EverythingAtOnceStaysConsistent)
{
    nxScopedManualClock clock;
    nxScriptedControlService service(2);
    auto manager = std::make_unique<nxControlDataManager>();
    ASSERT_TRUE(manager->Create());

    std::atomic<bool> stop{false};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    std::vector<std::thread> threads;

    threads.emplace_back(
        [&]
        {
            std::mt19937 random(1);
            for (int round = 0; !stop; ++round)
            {
                const uint32_t kind = round % 2 ? 72 : 71;
                service.DeliverStatusBatch(kind, RandomImage(random, kind));
                if (round % 7 == 0)
                    service.AnswerSnapshots(kind,
                                            round % 21 ? nxErrorEnum() : nxErrorEnum(nxErrorEnum::Timeout),
                                            RandomImage(random, kind));
                if (round % 8 == 0)
                    service.WaitUntilDelivered();
            }
        });
    threads.emplace_back(
        [&]
        {
            while (!stop)
            {
                clock.AdvanceSeconds(5);
                nxMessageManager::GetInstance()->RunDueTimers();
                manager->OnServerApplicationStatusDisconnectDetected();
                std::this_thread::yield();
            }
        });
    for (int viewer = 0; viewer < 2; ++viewer)
    {
        threads.emplace_back(
            [&, viewer]
            {
                std::mt19937 random(100 + viewer);
                while (!stop)
                {
                    auto interest = std::make_unique<nxControlDataInterest>();
                    auto listener = std::make_unique<nxRecordingListener>();
                    interest->SetClientServer(nxClientServerEnum(random() % 2 ? 72 : 71));
                    interest->SetListener(listener.get());
                    interest->AttachToDataManager();
                    for (int fetch = 0; fetch < 3; ++fetch)
                    {
                        interest->FetchDataObjects();
                        listener->TakeChanges();
                    }
                    interest->DetachFromDataManager();
                }
            });
    }

    std::this_thread::sleep_until(deadline);
    stop = true;
    for (std::thread& thread : threads)
        thread.join();
    service.WaitUntilDelivered();
    manager->Destroy();
    manager.reset();
    EXPECT_EQ(nxCountedStatus::Alive(), 0);
}
