#include "nxControlPipelineFixture.h"

#include <condition_variable>
#include <thread>

#include "nxLogCapture.h"
#include "nxWaitUntil.h"
#include "status/nxControlSubscription.h"

using ControlSubscription = nxControlPipelineFixture;

namespace
{
size_t SilenceReports(const nxLogCapture& log)
{
    size_t count = 0;
    for (const nxLogRecord& record : log.FromSource("nxControlSubscription"))
        count += record.line.find("no control server snapshots have been seen for") != std::string::npos;
    return count;
}

constexpr nxAttributeHighlightBitMask kStaleBit = 0x1000000000000000ull;
} // namespace

class ControlSubscriptionRace : public nxControlPipelineFixture
{
protected:
    nxControlSubscription* ServerSubscription()
    {
        std::lock_guard guard(m_manager->GetLock());
        return dynamic_cast<nxControlSubscription*>(
            m_manager->GetSubscriptionManager().FindSubscription("ApplicationStatus.Server"));
    }
};

TEST_F(ControlSubscription, KeysShareByKindOnly)
{
    nxControlSubscription subscription;
    nxControlDataInterest server;
    server.SetClientServer(nxClientServerEnum(72));
    nxControlDataInterest client;
    client.SetClientServer(nxClientServerEnum(71));
    EXPECT_EQ(subscription.GetSubscriptionKey(&server), "ApplicationStatus.Server");
    EXPECT_EQ(subscription.GetSubscriptionKey(&client), "ApplicationStatus.Client");
    EXPECT_EQ(subscription.GetSubscriptionKey(nullptr), "ApplicationStatus.");
    subscription.AddDataInterest(&client);
    EXPECT_EQ(subscription.GetSubscriptionKey(), "ApplicationStatus.Client");
}

TEST_F(ControlSubscription, SilenceIsReportedOnceAtTheFirstTickAfterFifteenSecondsAndRearmedOnlyByALiveUpdate)
{
    nxLogCapture log;
    View& servers = Open(72);
    Batch(72, {MakeServer("S1")});
    Advance(5);
    Advance(5);
    Advance(5); // 15.0 s: not more than 15
    EXPECT_EQ(SilenceReports(log), 0u);
    EXPECT_EQ(Highlight("S1^Server"), 0x100u);
    Advance(5);
    EXPECT_EQ(SilenceReports(log), 1u);
    EXPECT_EQ(Highlight("S1^Server"), 0x100u | kStaleBit);
    Advance(5);
    Advance(5);
    EXPECT_EQ(SilenceReports(log), 1u) << "reported once per silence";
    EXPECT_EQ(log.FromSource("nxControlSubscription").back().level, 32u);

    m_manager->FetchControlDataObjects(&servers.interest);
    Snapshot(72, {}, {MakeServer("S1")});
    EXPECT_FALSE(Highlight("S1^Server") & kStaleBit) << "a snapshot clears the marks";
    for (int tick = 0; tick < 5; ++tick)
        Advance(5);
    EXPECT_EQ(SilenceReports(log), 1u) << "no new report before a live update";

    Batch(72, {MakeServer("S1")});
    EXPECT_FALSE(Highlight("S1^Server") & kStaleBit);
    for (int tick = 0; tick < 4; ++tick)
        Advance(5);
    EXPECT_EQ(SilenceReports(log), 2u);
}

TEST_F(ControlSubscription, NeitherASteadyFeedNorAClientFeedNorAClosedServerViewReportsSilence)
{
    nxLogCapture log;
    View& servers = Open(72);
    Open(71);
    for (int second = 0; second < 60; second += 5)
    {
        Batch(72, {MakeServer("S1")});
        Batch(71, {MakeClient("C1")});
        Advance(5);
    }
    EXPECT_EQ(SilenceReports(log), 0u);

    servers.interest.DetachFromDataManager();
    Advance(100);
    Advance(100);
    EXPECT_EQ(SilenceReports(log), 0u) << "the client feed alone has no watch";
    EXPECT_FALSE(Highlight("C1^Client") & kStaleBit);
}

TEST_F(ControlSubscription, TheSnapshotCallAndTheLiveCallCarryTheKindAndNoQueue)
{
    View& clients = Open(71);
    clients.interest.FetchDataObjects();
    const auto requests = m_service.GetRequests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].operation, "SubscribeApplicationStatus");
    EXPECT_EQ(requests[0].argument, "Client");
    EXPECT_EQ(requests[1].operation, "GetApplicationStatusSnapshot");
    EXPECT_EQ(requests[1].callback, requests[0].callback);
}

// The tick has decided and waits for the store while a live batch comes in: the
// batch re-armed the watch, so the tick must not mark the fresh rows stale.
TEST_F(ControlSubscriptionRace, ALiveBatchThatOvertakesAWaitingTickLeavesNoRowStale)
{
    nxLogCapture log;
    Open(72);
    Batch(72, {MakeServer("S1")});
    nxControlSubscription* subscription = ServerSubscription();
    ASSERT_NE(subscription, nullptr);
    m_clock.AdvanceSeconds(16);
    std::thread tick;
    {
        std::lock_guard guard(m_manager->GetLock());
        tick = std::thread([subscription] { subscription->OnTimer(); });
        EXPECT_TRUE(nxWaitUntil([this] { return m_manager->GetLock().GetNumberOfWaiters() == 1; }));
        std::vector<nxApplicationStatus*> batch{MakeServer("S1")};
        subscription->OnApplicationStatusUpdate(batch, nullptr);
    }
    tick.join();
    EXPECT_EQ(Highlight("S1^Server") & kStaleBit, 0u);
    EXPECT_EQ(SilenceReports(log), 0u);
}

// A tick is held inside its call (in its log line, outside the store's lock).
// Closing the last server view must wait for it before the subscription goes.
TEST_F(ControlSubscriptionRace, UnsubscribingWaitsForATickThatIsRunning)
{
    std::mutex lock;
    std::condition_variable changed;
    bool tickHeld = false;
    bool tickReleased = false;
    nxLogManager::Sink previous = nxLogManager::GetInstance().SetSink(
        [&](const nxLogRecord& record)
        {
            if (record.line.find("no control server snapshots") == std::string::npos)
                return;
            std::unique_lock guard(lock);
            tickHeld = true;
            changed.notify_all();
            changed.wait(guard, [&] { return tickReleased; });
        });
    const uint32_t threshold = nxLogManager::GetInstance().GetThreshold();
    nxLogManager::GetInstance().SetThreshold(0);

    View& servers = Open(72);
    Batch(72, {MakeServer("S1")});
    m_clock.AdvanceSeconds(20);
    std::thread tick([] { nxMessageManager::GetInstance()->RunDueTimers(); });
    {
        std::unique_lock guard(lock);
        changed.wait(guard, [&] { return tickHeld; });
    }
    std::atomic<bool> detached{false};
    std::thread close(
        [&]
        {
            servers.interest.DetachFromDataManager();
            detached = true;
        });
    // Neither the unsubscribe request nor the end of the detach may come while the tick runs.
    EXPECT_FALSE(nxWaitUntil([&] { return m_service.CountRequests("UnsubscribeApplicationStatus") != 0; },
                             std::chrono::milliseconds(150)));
    EXPECT_FALSE(detached);
    {
        std::lock_guard guard(lock);
        tickReleased = true;
    }
    changed.notify_all();
    tick.join();
    close.join();
    EXPECT_EQ(m_service.CountRequests("UnsubscribeApplicationStatus"), 1u);
    nxLogManager::GetInstance().SetSink(std::move(previous));
    nxLogManager::GetInstance().SetThreshold(threshold);
}
