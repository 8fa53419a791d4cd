#include <memory>
#include <random>
#include <string>
#include <vector>

#include "nxLogPipelineFixture.h"

namespace
{
// A filter of a class of its own: the store cannot ask it of a message, so it
// files every message as a row first and offers the row to each view.
class nxRowTestedLogDataInterest : public nxLogDataInterest
{
};

// A grid that also writes down, in order, every row it is given.
class nxOrderRecordingListener : public nxRecordingListener
{
public:
    void OnAddGridDataObject(nxGridDataInterest& interest, nxGridDataObject* object, bool snapshot) override
    {
        nxRecordingListener::OnAddGridDataObject(interest, object, snapshot);
        m_seen.push_back(Describe(object));
    }
    static std::string Describe(const nxGridDataObject* object)
    {
        std::string text;
        for (const nxAttributeID id : {10001, 10002, 10003, 10004, 10006, 10008})
            text += object->GetAttribute(id)->GetAttributeValueAsString() + "|";
        return text;
    }
    std::vector<std::string> m_seen;
};

struct nxFiledView
{
    nxFiledView(bool rowTested, const nxLogDataInterest::Filter& filter, bool listening)
        : interest(rowTested ? std::make_unique<nxRowTestedLogDataInterest>()
                             : std::make_unique<nxLogDataInterest>())
    {
        interest->SetFilter(filter);
        if (listening)
            interest->SetListener(&listener);
        EXPECT_TRUE(interest->AttachToDataManager().IsOK());
    }
    ~nxFiledView()
    {
        {
            std::lock_guard guard(nxLogDataManager::GetInstance()->GetLock());
            interest->SetListener(nullptr);
            listener.OnRemoveAllGridDataObjects(*interest);
        }
        interest->DetachFromDataManager();
    }
    std::unique_ptr<nxLogDataInterest> interest;
    nxOrderRecordingListener listener;
};

// What the operator could tell apart after a run.
struct nxFilingOutcome
{
    int32_t nextSequenceNumber = 0;
    size_t storedRows = 0;
    uint64_t droppedRows = 0;
    std::vector<std::vector<std::string>> seenByView;
    std::vector<std::string> seenByLateView;

    bool operator==(const nxFilingOutcome&) const = default;
};

nxLogMessageFields RandomMessage(std::mt19937& random)
{
    const char* const applications[] = {"OrderRouter", "ControlServer", "controlserver", "PriceFeed", ""};
    const uint32_t levels[] = {31, 33, 34, 36, 37, 38, 0xFFFFFFFEu, 0xFFFFFFFFu};
    const char* const texts[] = {"error 12 code",     "ERROR 7 lost", "error code", "filled", "",
                                 "error 3 lost twice"};
    const char* const hosts[] = {"ldn-1", "nyc-2", ""};
    const uint32_t destinations[] = {7, 0xFFFFFFFFu, 0xFFFFFFFEu};
    return {.application = applications[random() % std::size(applications)],
            .level = levels[random() % std::size(levels)],
            .text = texts[random() % std::size(texts)],
            .host = hosts[random() % std::size(hosts)],
            .destination = destinations[random() % std::size(destinations)]};
}

class LogEarlyRejection : public nxLogPipelineFixture
{
protected:
    // The same messages, filter changes and late view, with views the store can
    // ask of a message or only of a row.
    nxFilingOutcome Run(bool rowTested)
    {
        m_log->SetRowLimit(60);
        m_service.SetNodeName(7, "desk-7");
        std::vector<std::unique_ptr<nxFiledView>> views;
        views.push_back(std::make_unique<nxFiledView>(
            rowTested, nxLogDataInterest::Filter{.regexFilter = "error [0-9]+ (code|lost)"}, true));
        views.push_back(std::make_unique<nxFiledView>(
            rowTested,
            nxLogDataInterest::Filter{.regexFilter = "ERROR \\d", .regexFilterCaseInsensitive = true}, true));
        views.push_back(std::make_unique<nxFiledView>(
            rowTested, nxLogDataInterest::Filter{.hostName = "nyc-2", .logLevels = {nxLogLevelEnum(0)}},
            true));
        views.push_back(std::make_unique<nxFiledView>(
            rowTested, nxLogDataInterest::Filter{.applicationName = "PriceFeed"}, false));
        std::mt19937 random(1979);
        for (int message = 0; message < 150; ++message)
        {
            Send(RandomMessage(random));
            if (message == 80)
            {
                views[0]->interest->SetFilter(
                    {.applicationName = "OrderRouter", .logLevels = {nxLogLevelEnum(36)}});
                views[0]->interest->RefreshDataObjectsWithNewFilters(true);
            }
        }
        nxFilingOutcome outcome;
        nxFiledView late(rowTested, {}, true);
        EXPECT_TRUE(late.interest->FetchDataObjects().IsOK());
        outcome.seenByLateView = late.listener.m_seen;
        outcome.nextSequenceNumber = m_log->GetLogSequenceNumber();
        outcome.storedRows = m_log->GetNumberOfDataObjects();
        outcome.droppedRows = m_log->GetNumberOfDroppedRows();
        for (const auto& view : views)
            outcome.seenByView.push_back(view->listener.m_seen);
        return outcome;
    }
};
} // namespace

// Messages rejected before a row is built leave everything as filing each one
// as a row and dropping it does: numbers, stored rows, what each view was given
// and in what order, and what a view opened later finds.
TEST_F(LogEarlyRejection, LeavesTheSameNumbersRowsAndViewsAsFilingEveryRow)
{
    const nxFilingOutcome early = Run(false);
    m_control.Destroy();
    ASSERT_TRUE(m_control.Create());
    m_log = nxLogDataManager::GetInstance();
    ASSERT_NE(m_log, nullptr);
    const nxFilingOutcome filed = Run(true);

    EXPECT_EQ(early.nextSequenceNumber, -150);
    EXPECT_GT(early.droppedRows, 0u) << "the limit is reached";
    EXPECT_EQ(early.storedRows, 60u);
    ASSERT_FALSE(early.seenByView[0].empty());
    EXPECT_NE(early.seenByView[0].front().find("|error "), std::string::npos)
        << "the row holds the text of the message it was filed for: " << early.seenByView[0].front();
    EXPECT_FALSE(early.seenByView[1].empty());
    EXPECT_FALSE(early.seenByView[2].empty()) << "a no-change level is filed, and filtered, as level 0";
    EXPECT_EQ(early, filed);
}
