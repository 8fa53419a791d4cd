#include "nxControlPipelineFixture.h"

#include "nxLogCapture.h"
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
} // namespace

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

TEST_F(ControlSubscription, SilenceIsReportedOnceAtTheFirstTickAfterFifteenSeconds)
{
    nxLogCapture log;
    Open(72);
    Batch(72, {MakeServer("S1")});
    Advance(5);
    Advance(5);
    Advance(5); // 15.0 s: not more than 15
    EXPECT_EQ(SilenceReports(log), 0u);
    EXPECT_FALSE(Highlight("S1^Server") & nxControlHighlight::Stale);
    Advance(5);
    EXPECT_EQ(SilenceReports(log), 1u);
    EXPECT_TRUE(Highlight("S1^Server") & nxControlHighlight::Stale);
    Advance(5);
    Advance(5);
    EXPECT_EQ(SilenceReports(log), 1u) << "reported once per silence";
    EXPECT_EQ(log.FromSource("nxControlSubscription").back().level, 32u);
}

TEST_F(ControlSubscription, ASnapshotClearsMarksButOnlyALiveUpdateRearmsTheWatch)
{
    nxLogCapture log;
    View& servers = Open(72);
    Batch(72, {MakeServer("S1")});
    for (int tick = 0; tick < 4; ++tick)
        Advance(5);
    ASSERT_EQ(SilenceReports(log), 1u);

    m_manager->FetchControlDataObjects(&servers.interest);
    Snapshot(72, {}, {MakeServer("S1")});
    EXPECT_FALSE(Highlight("S1^Server") & nxControlHighlight::Stale);
    for (int tick = 0; tick < 5; ++tick)
        Advance(5);
    EXPECT_EQ(SilenceReports(log), 1u) << "no new report before a live update";

    Batch(72, {MakeServer("S1")});
    EXPECT_FALSE(Highlight("S1^Server") & nxControlHighlight::Stale);
    for (int tick = 0; tick < 4; ++tick)
        Advance(5);
    EXPECT_EQ(SilenceReports(log), 2u);
}

TEST_F(ControlSubscription, ASteadyFeedAndAClientFeedNeverReportSilence)
{
    nxLogCapture log;
    Open(72);
    Open(71);
    for (int second = 0; second < 60; second += 5)
    {
        Batch(72, {MakeServer("S1")});
        Batch(71, {MakeClient("C1")});
        Advance(5);
    }
    EXPECT_EQ(SilenceReports(log), 0u);
}

TEST_F(ControlSubscription, AClientFeedAloneHasNoWatch)
{
    nxLogCapture log;
    Open(71);
    Batch(71, {MakeClient("C1")});
    Advance(100);
    Advance(100);
    EXPECT_EQ(SilenceReports(log), 0u);
    EXPECT_FALSE(Highlight("C1^Client") & nxControlHighlight::Stale);
}

TEST_F(ControlSubscription, UnsubscribingStopsTheWatch)
{
    nxLogCapture log;
    View& servers = Open(72);
    servers.interest.DetachFromDataManager();
    Advance(30);
    EXPECT_EQ(SilenceReports(log), 0u);
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
