#include "nxControlPipelineFixture.h"

#include "log/nxLogDataManager.h"
#include "nxLogCapture.h"

using ControlDataManager = nxControlPipelineFixture;

namespace
{
std::vector<std::string> Operations(const nxScriptedControlService& service)
{
    std::vector<std::string> operations;
    for (const auto& request : service.GetRequests())
        operations.push_back(request.operation);
    return operations;
}
} // namespace

TEST_F(ControlDataManager, ABatchReplacesTheImageOfItsKindOnly)
{
    View& servers = Open(72);
    View& clients = Open(71);
    Batch(72, {MakeServer("S1"), MakeServer("S2")});
    Batch(71, {MakeClient("C1")});
    EXPECT_EQ(servers.listener.RowCount(), 2u);
    EXPECT_EQ(clients.listener.RowCount(), 1u);

    Batch(72, {MakeServer("S2")});
    EXPECT_EQ(m_manager->GetNumberOfDataObjects(), 2u);
    EXPECT_EQ(Text("S1^Server", 9001), "<no row>");
    EXPECT_EQ(servers.listener.RowCount(), 1u);
    EXPECT_EQ(servers.listener.m_removes, 1);
    EXPECT_EQ(clients.listener.RowCount(), 1u) << "a server batch leaves client rows alone";
    EXPECT_EQ(nxCountedStatus::Alive(), 2) << "rows hold one copy each; batches are deleted";

    Batch(71, {MakeClient("C2")});
    EXPECT_EQ(Text("C1^Client", 9001), "<no row>");
    EXPECT_EQ(Text("S2^Server", 9001), "S2");

    const uint64_t updates = m_manager->GetDataUpdateCount();
    Batch(72, {});
    EXPECT_EQ(servers.listener.RowCount(), 1u) << "an empty batch changes nothing";
    EXPECT_EQ(m_manager->GetDataUpdateCount(), updates);
}

TEST_F(ControlDataManager, TheSecondStatusOfAKeyInOneBatchUpdatesTheRowTheFirstMade)
{
    View& servers = Open(72);
    Batch(72, {MakeStatus({.id = "S1", .status = 8002}), MakeStatus({.id = "S1", .status = 8004})});
    EXPECT_EQ(servers.listener.AddFlags().size(), 1u);
    EXPECT_EQ(m_manager->GetNumberOfDataObjects(), 1u);
    EXPECT_EQ(Text("S1^Server", 9005), "Stopped");
}

TEST_F(ControlDataManager, NewRowsArriveWithTheirDeliveryFlagAndLiveChangesFlash)
{
    View& servers = Open(72);
    Batch(72, {MakeStatus({.id = "S1", .status = 8002})});
    ASSERT_EQ(servers.listener.AddFlags(), std::vector<bool>{false})
        << "a live batch adds with the flag clear";
    EXPECT_EQ(Text("S1^Server", 9005), "Running") << "values are in place when the grid first sees the row";
    EXPECT_TRUE(servers.listener.TakeChanges().empty()) << "first values reach no cell as changes";

    Batch(72, {MakeStatus({.id = "S1", .status = 8004})});
    auto changes = servers.listener.TakeChanges();
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].attribute, 9005u);
    EXPECT_EQ(changes[0].bits, 0x2u);
    EXPECT_GE(servers.listener.m_changedRows, 1);

    m_manager->FetchControlDataObjects(&servers.interest);
    Snapshot(72, {}, {MakeStatus({.id = "S1", .status = 8001}), MakeStatus({.id = "S9"})});
    changes = servers.listener.TakeChanges();
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].bits, 0x8u) << "a snapshot answer changes without flashing";
    EXPECT_EQ(servers.listener.AddFlags(), (std::vector<bool>{false, true}));
    EXPECT_EQ(servers.listener.m_snapshotsCompleted, 1);
}

TEST_F(ControlDataManager, StaleMarkingReachesEveryRowAndEndsAnUpdateOnlyWhenThereAreRows)
{
    const uint64_t before = m_manager->GetDataUpdateCount();
    m_manager->OnServerApplicationStatusDisconnectDetected();
    EXPECT_EQ(m_manager->GetDataUpdateCount(), before) << "no rows, no end of update";

    Open(72);
    Open(71);
    Batch(72, {MakeServer("S1")});
    Batch(71, {MakeClient("C1")});
    const uint64_t withRows = m_manager->GetDataUpdateCount();
    m_manager->OnServerApplicationStatusDisconnectDetected();
    EXPECT_EQ(m_manager->GetDataUpdateCount(), withRows + 1);
    EXPECT_EQ(Highlight("S1^Server"), 0x100u | 0x1000000000000000u);
    EXPECT_EQ(Highlight("C1^Client"), 0x100u | 0x1000000000000000u) << "client rows are marked too";
}

TEST_F(ControlDataManager, InterestsOfOneKindShareOneSubscription)
{
    View& first = Open(72);
    View& second = Open(72);
    View& clients = Open(71);
    EXPECT_EQ(m_service.CountRequests("SubscribeApplicationStatus"), 2u);
    Batch(72, {MakeServer("S1")});
    Batch(71, {MakeClient("C1")});
    EXPECT_EQ(first.listener.RowCount(), 1u);
    EXPECT_EQ(second.listener.RowCount(), 1u);

    first.interest.DetachFromDataManager();
    EXPECT_EQ(m_service.CountRequests("UnsubscribeApplicationStatus"), 0u);
    EXPECT_EQ(second.listener.RowCount(), 1u);

    second.interest.DetachFromDataManager();
    EXPECT_EQ(m_service.CountRequests("UnsubscribeApplicationStatus"), 1u);
    EXPECT_EQ(m_manager->GetNumberOfDataObjects(), 1u) << "the server subscription's rows are deleted";
    EXPECT_EQ(clients.listener.RowCount(), 1u);
    EXPECT_EQ(nxCountedStatus::Alive(), 1);
}

TEST_F(ControlDataManager, FetchOffersExistingRowsAndAFailedSnapshotChangesNoRowButStillCompletes)
{
    nxLogCapture log;
    Open(72);
    Batch(72, {MakeServer("S1"), MakeServer("S2")});
    View& late = Open(72);
    EXPECT_EQ(late.listener.RowCount(), 0u);
    EXPECT_TRUE(late.interest.FetchDataObjects().IsOK());
    EXPECT_EQ(late.listener.RowCount(), 2u);
    EXPECT_EQ(late.listener.AddFlags(), (std::vector<bool>{true, true}));
    EXPECT_EQ(m_service.CountPendingSnapshots(72), 1u);

    late.listener.TakeChanges();
    Snapshot(72, nxErrorEnum(nxErrorEnum::Timeout), {});
    EXPECT_EQ(late.listener.RowCount(), 2u);
    EXPECT_TRUE(late.listener.TakeChanges().empty());
    EXPECT_EQ(late.listener.m_snapshotErrors, 1);
    EXPECT_EQ(late.listener.m_snapshotsCompleted, 1);
    ASSERT_FALSE(log.FromSource("nxGridDataManager").empty());
    EXPECT_EQ(log.FromSource("nxGridDataManager").back().level, 37u);
}

TEST_F(ControlDataManager, AFailedSubscribeIsReturnedUndoneAndFollowedByNoRequest)
{
    m_service.SetResult("SubscribeApplicationStatus", nxErrorEnum(nxErrorEnum::Refused, "no"));
    Open(72, false);
    Open(71, false);
    EXPECT_EQ(m_manager->GetSubscriptionManager().GetNumberOfSubscriptions(), 0u);
    EXPECT_EQ(Operations(m_service),
              (std::vector<std::string>{"SubscribeApplicationStatus", "SubscribeApplicationStatus"}));
    Advance(60);
    m_service.SetResult("SubscribeApplicationStatus", {});
    View& retry = Open(72);
    Batch(72, {MakeServer("S1")});
    EXPECT_EQ(retry.listener.RowCount(), 1u);
}

// A server batch may carry a client-typed status: its row is made by the server
// subscription and removed by the next client batch.
TEST_F(ControlDataManager, ARowRemovedByTheOtherKindsBatchLeavesTheSubscriptionThatMadeIt)
{
    View& servers = Open(72);
    Open(71);
    Batch(72, {MakeServer("S1"), MakeClient("X")});
    Batch(71, {MakeClient("Y")});
    {
        std::lock_guard guard(m_manager->GetLock());
        nxGridDataSubscription* server =
            m_manager->GetSubscriptionManager().FindSubscription("ApplicationStatus.Server");
        ASSERT_NE(server, nullptr);
        EXPECT_EQ(server->GetNumberOfDataObjectsCreated(), 1u) << "only S1";
    }
    servers.interest.DetachFromDataManager();
    EXPECT_EQ(m_manager->GetNumberOfDataObjects(), 1u);
    EXPECT_EQ(Text("Y^Client", 9001), "Y");
}

TEST_F(ControlDataManager, DestroyMakesEveryViewLetGoOfItsRowsBeforeTheyAreDeleted)
{
    View& servers = Open(72);
    Batch(72, {MakeServer("S1"), MakeServer("S2")});
    ASSERT_EQ(servers.listener.RowCount(), 2u);
    m_manager->Destroy();
    EXPECT_EQ(servers.listener.RowCount(), 0u);
    servers.interest.DetachFromDataManager();
}

TEST_F(ControlDataManager, AnIdHoldingTheSeparatorIsLeftOutAndLoggedOnce)
{
    nxLogCapture log;
    View& servers = Open(72);
    Batch(72, {MakeServer("A^B"), MakeServer("OK")});
    Batch(72, {MakeServer("A^B"), MakeServer("OK")});
    EXPECT_EQ(servers.listener.RowCount(), 1u);
    EXPECT_EQ(log.FromSource("nxControlDataManager").size(), 1u);
}

TEST(ControlDataManagerLogRows, TheLogRowLimitReachesTheLogStoreWhenMadeAndOnceItExists)
{
    nxControlDataManager manager;
    manager.SetLogRowLimit(7);
    ASSERT_TRUE(manager.Create());
    ASSERT_NE(manager.GetLogDataManager(), nullptr);
    EXPECT_EQ(manager.GetLogDataManager()->GetRowLimit(), 7u);
    manager.SetLogRowLimit(0);
    EXPECT_EQ(manager.GetLogDataManager()->GetRowLimit(), 0u);
    manager.Destroy();
}
