#include <random>
#include <thread>

#include "nxLogPipelineFixture.h"

namespace
{
const char* const kWords[] = {"ControlServer", "Pricer", "ldn-1",   "err",
                              "^Order \\d+",   "(",      "ERROR 7", "Order 12"};

nxLogDataInterest::Filter RandomFilter(std::mt19937& random)
{
    nxLogDataInterest::Filter filter{.applicationName = random() % 3 ? "" : kWords[random() % 2],
                                     .hostName = random() % 3 ? "" : kWords[2],
                                     .regexFilter = random() % 2 ? kWords[3 + random() % 3] : "",
                                     .regexFilterCaseInsensitive = random() % 2 == 0};
    for (uint32_t level = 31; level <= 38; ++level)
        if (random() % 3 == 0)
            filter.logLevels.insert(nxLogLevelEnum(level));
    return filter;
}

struct nxCountAccepted : nxLogDataManager::Action
{
    explicit nxCountAccepted(const nxLogDataInterest& filter) : interest(filter) {}
    void Execute(nxLogDataObject* row) override { accepted += interest.IsInterested(row); }
    const nxLogDataInterest& interest;
    size_t accepted = 0;
};
} // namespace

// Messages on two service threads while views open, close and change their filters on three others.
TEST(LogPipelineStress, MessagesKeepArrivingWhileViewsComeGoAndChangeFilters)
{
    nxScriptedControlService service(2);
    service.SetNodeName(7, "desk-7");
    nxControlDataManager control;
    ASSERT_TRUE(control.Create());
    nxLogDataManager* log = nxLogDataManager::GetInstance();
    std::atomic<bool> stop{false};
    std::vector<std::thread> threads;
    threads.emplace_back(
        [&]
        {
            std::mt19937 random(1);
            for (int sent = 1; !stop; ++sent)
            {
                service.DeliverLogMessage(MakeLogMessage({.application = kWords[random() % 2],
                                                          .level = 31 + static_cast<uint32_t>(random() % 8),
                                                          .text = kWords[6 + random() % 2],
                                                          .host = kWords[2],
                                                          .destination = random() % 5 ? 0xFFFFFFFFu : 7u}));
                if (sent % 64 == 0)
                    service.WaitUntilDelivered();
            }
        });
    for (int viewer = 0; viewer < 3; ++viewer)
        threads.emplace_back(
            [&, viewer]
            {
                std::mt19937 random(100 + viewer);
                while (!stop)
                {
                    nxLogTestView view(RandomFilter(random));
                    view.interest.FetchDataObjects();
                    for (int change = 0; change < viewer * 10 && !stop; ++change)
                        if (view.interest.SetFilter(RandomFilter(random)))
                            view.interest.RefreshDataObjectsWithNewFilters(true);
                    view.listener.TakeChanges();
                }
            });
    std::this_thread::sleep_for(std::chrono::seconds(2));
    stop = true;
    for (std::thread& thread : threads)
        thread.join();
    service.WaitUntilDelivered();

    EXPECT_LT(log->GetLogSequenceNumber(), -1000) << "messages were filed throughout";
    {
        nxLogTestView last({.logLevels = {nxLogLevelEnum(38)}});
        last.interest.FetchDataObjects();
        nxCountAccepted count(last.interest);
        log->ExecuteAction(std::string(), count);
        EXPECT_EQ(last.listener.RowCount(), count.accepted);
    }
    EXPECT_EQ(log->GetNumberOfDataObjects(), 0u) << "the last view took the subscription's rows along";
    control.Destroy();
    EXPECT_EQ(nxCountedLogMessage::Alive(), 0);
}
