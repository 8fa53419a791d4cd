#include "nxLogPipelineFixture.h"
#include "nxWaitUntil.h"

using LogDataManager = nxLogPipelineFixture;

namespace
{
const nxLogDataInterest::Filter kRejectsEverything{.applicationName = "NoSuchApplication"};
} // namespace

TEST_F(LogDataManager, MessagesAreNumberedDownFromZeroAndOnlyARealUserNamesANode)
{
    m_service.SetNodeName(7, "desk-7");
    m_service.SetNodeName(0xFFFFFFFF, "null user");
    m_service.SetNodeName(0xFFFFFFFE, "no-change user");
    nxLogTestView& all = Open();
    Send({.level = 36, .text = "first", .host = "ldn-7", .destination = 7});
    Send({.text = "same", .destination = 0xFFFFFFFF});
    Send({.text = "same", .destination = 0xFFFFFFFE});
    EXPECT_EQ(Text("0", 10001) + Text("0", 10002) + Text("0", 10003) + Text("0", 10006) + Text("0", 10008),
              "0Major Problemldn-7firstdesk-7");
    EXPECT_EQ(Text("4294967295", 10001), "-1");
    EXPECT_EQ(Text("4294967294", 10006), "same") << "the same text twice is two rows";
    EXPECT_EQ(Text("4294967295", 10008) + Text("4294967294", 10008), "");
    EXPECT_EQ(all.listener.AddFlags(), (std::vector<bool>{false, false, false}));
}

TEST_F(LogDataManager, OnlyControlServerAndCriticalMessagesOutliveEveryFilter)
{
    Open(kRejectsEverything);
    for (const char* application : {"ControlServer", "controlserver", "ControlServer2", "ControlServe"})
        Send({.application = application});
    for (const uint32_t level : {38u, 37u, 0xFFFFFFFFu})
        Send({.level = level});
    EXPECT_EQ(m_log->GetNumberOfDataObjects(), 2u);
    EXPECT_EQ(Text("0", 10004), "ControlServer");
    EXPECT_EQ(Text("4294967292", 10002), "Critical") << "discarded messages use up their numbers too";
}

TEST_F(LogDataManager, ShownRowsStayUntilTheLastViewTakesItsSubscriptionsRowsAlong)
{
    nxLogTestView& first = Open();
    nxLogTestView& second = Open(kRejectsEverything);
    Send({});
    first.interest.SetHostName("elsewhere");
    first.interest.RefreshDataObjectsWithNewFilters(true);
    EXPECT_EQ(first.listener.RowCount(), 0u);
    Send({.application = "ControlServer"});
    EXPECT_EQ(m_log->GetNumberOfDataObjects(), 2u) << "hiding a row does not drop it";

    nxLogTestView& late = Open({.applicationName = "ControlServer"});
    EXPECT_TRUE(late.interest.FetchDataObjects().IsOK());
    EXPECT_EQ(late.listener.AddFlags(), std::vector<bool>{true});
    first.Close();
    late.Close();
    EXPECT_EQ(m_log->GetNumberOfDataObjects(), 2u);
    second.Close();
    EXPECT_EQ(m_log->GetNumberOfDataObjects(), 0u);
}

namespace
{
// Holds its first add until a refresh of its interest has dropped every row or
// waits for the store's lock.
class nxHoldingListener : public nxRecordingListener
{
public:
    explicit nxHoldingListener(const CGridLock& storeLock) : m_storeLock(storeLock) {}
    void OnAddGridDataObject(nxGridDataInterest& interest, nxGridDataObject* object, bool snapshot) override
    {
        nxRecordingListener::OnAddGridDataObject(interest, object, snapshot);
        if (m_adding.exchange(true))
            return;
        nxWaitUntil([this] { return m_dropped || m_storeLock.GetNumberOfWaiters() > 0; });
    }
    void OnRemoveAllGridDataObjects(nxGridDataInterest& interest) override
    {
        nxRecordingListener::OnRemoveAllGridDataObjects(interest);
        m_dropped = true;
    }
    std::atomic<bool> m_adding{false};

private:
    const CGridLock& m_storeLock;
    std::atomic<bool> m_dropped{false};
};
} // namespace

TEST_F(LogDataManager, PastTheRowLimitTheOldestRowsLeaveTheStoreAndEveryView)
{
    EXPECT_EQ(m_log->GetRowLimit(), nxLogDataManager::DefaultRowLimit);
    m_log->SetRowLimit(3);
    nxLogTestView& all = Open();
    for (const char* text : {"a", "b", "c", "d", "e"})
        Send({.application = "ControlServer", .text = text});
    EXPECT_EQ(m_log->GetNumberOfDataObjects(), 3u);
    EXPECT_EQ(m_log->GetNumberOfDroppedRows(), 2u) << "always-kept rows go like any other";
    EXPECT_EQ(Text("0", 10006) + Text("4294967295", 10006), "<no row><no row>");
    EXPECT_EQ(Text("4294967294", 10006), "c");
    EXPECT_EQ(all.listener.RowCount(), 3u);
    EXPECT_EQ(all.listener.m_removes, 2);

    Open(kRejectsEverything);
    Send({.text = "rejected by one view, shown by the other"});
    EXPECT_EQ(Text("4294967294", 10006), "<no row>");
    EXPECT_EQ(m_log->GetNumberOfDroppedRows(), 3u);

    m_log->SetRowLimit(1);
    EXPECT_EQ(m_log->GetNumberOfDataObjects(), 1u) << "a lower limit drops at once";
    EXPECT_EQ(all.listener.RowCount(), 1u);
    EXPECT_EQ(Text("4294967291", 10006), "rejected by one view, shown by the other");
    m_log->SetRowLimit(0);
    for (int message = 0; message < 5; ++message)
        Send({.application = "ControlServer"});
    EXPECT_EQ(m_log->GetNumberOfDataObjects(), 6u) << "0 is no limit";
    EXPECT_EQ(m_log->GetNumberOfDroppedRows(), 5u);
}

TEST_F(LogDataManager, ARefreshWhileAMessageIsBeingFiledKeepsItsRow)
{
    nxLogDataInterest interest;
    nxHoldingListener grid(m_log->GetLock());
    interest.SetListener(&grid);
    ASSERT_TRUE(interest.AttachToDataManager().IsOK());
    m_service.DeliverLogMessage(MakeLogMessage({}));
    EXPECT_TRUE(nxWaitUntil([&] { return grid.m_adding.load(); }));
    interest.RefreshDataObjectsWithNewFilters(true);
    m_service.WaitUntilDelivered();
    EXPECT_EQ(m_log->GetNumberOfDataObjects(), 1u);
    EXPECT_EQ(grid.RowCount(), 1u);
    {
        std::lock_guard guard(m_log->GetLock());
        interest.SetListener(nullptr);
        grid.OnRemoveAllGridDataObjects(interest);
    }
    interest.DetachFromDataManager();
}

namespace
{
class nxNumberedLogDataManager : public nxLogDataManager
{
public:
    using nxLogDataManager::_SetLogSequenceNumber;

    void File(const std::string& text)
    {
        const std::unique_ptr<nxLogMessage> kept(
            MakeLogMessage({.application = "ControlServer", .text = text}));
        OnLogUpdate(*kept, nullptr);
    }
    std::string TextOf(const std::string& key) const
    {
        std::lock_guard guard(GetLock());
        nxLogDataObject* row = FindDataObject(key);
        return row ? row->GetLogText() : "<no row>";
    }
    // Whether the first row's sequence sorts before the second's, as the grid sorts it.
    bool SortsBefore(const std::string& firstKey, const std::string& secondKey) const
    {
        std::lock_guard guard(GetLock());
        return FindDataObject(firstKey)->GetAttribute(10001)->IsLess(
            *FindDataObject(secondKey)->GetAttribute(10001));
    }
};
} // namespace

TEST(LogSequenceWrap, KeysStayUniqueAcrossTheWrapAndTheSecondRound)
{
    EXPECT_EQ(nxLogDataManager::NextLogSequenceNumber(INT32_MIN), 0x7FFFFFFD) << "below null and no-change";
    nxNumberedLogDataManager manager;
    ASSERT_TRUE(manager.Create());
    manager.File("zero");
    manager._SetLogSequenceNumber(INT32_MIN);
    manager.File("lowest");
    manager.File("after the wrap");
    EXPECT_EQ(manager.TextOf("2147483648"), "lowest");
    EXPECT_EQ(manager.TextOf("2147483645"), "after the wrap");
    EXPECT_TRUE(manager.SortsBefore("2147483645", "2147483648")) << "the newest row still sorts first";
    EXPECT_FALSE(manager.SortsBefore("2147483648", "2147483645"));
    EXPECT_TRUE(manager.SortsBefore("2147483648", "0"));

    manager._SetLogSequenceNumber(1);
    manager.File("one");
    manager.File("second round");
    EXPECT_EQ(manager.TextOf("0"), "zero") << "a number still in use is skipped";
    EXPECT_EQ(manager.TextOf("4294967295"), "second round");
    EXPECT_EQ(manager.GetNumberOfDataObjects(), 5u);
}
