#include <QAbstractItemModelTester>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <atomic>
#include <mutex>
#include <random>
#include <thread>

#include "log/nxLogDataInterest.h"
#include "log/nxLogDataManager.h"
#include "nxGridWindowFixture.h"
#include "nxTestLogGridManager.h"
#include "platform/grid/nxGridFind.h"
#include "platform/grid/nxGridSortOptions.h"
#include "platform/grid/window/nxGridFindBar.h"
#include "platform/messaging/nxLogMessage.h"

namespace
{
// Counts what the model tester reports instead of letting it abort the run.
class ModelTestWarnings
{
public:
    ModelTestWarnings() { s_previous = qInstallMessageHandler(&Handle); }
    ~ModelTestWarnings() { qInstallMessageHandler(s_previous); }
    static int Count() { return s_count.load(); }

private:
    static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (context.category && QByteArray(context.category).startsWith("qt.modeltest"))
        {
            s_count.fetch_add(1);
            if (s_count.load() < 5)
                ADD_FAILURE() << message.toStdString();
            return;
        }
        if (s_previous)
            s_previous(type, context, message);
    }
    static inline std::atomic<int> s_count{0};
    static inline QtMessageHandler s_previous = nullptr;
};

void RunEventsFor(int milliseconds, const std::function<void(int)>& eachRound)
{
    QElapsedTimer clock;
    clock.start();
    for (int round = 0; clock.elapsed() < milliseconds; ++round)
    {
        QTest::qWait(15);
        eachRound(round);
    }
}

using GridModel = nxGridWindowFixture;
} // namespace

// Two service threads offer, change and remove rows while the window flushes on
// its own wakes and the operator sorts, filters, selects, finds and pauses.
TEST_F(GridModel, PassesTheModelTesterWhileAFeedRacesIt)
{
    ModelTestWarnings warnings;
    QAbstractItemModelTester tester(&Model(), QAbstractItemModelTester::FailureReportingMode::Warning);
    m_window->SetPauseAllowed(true);
    m_window->OpenFind();
    QTest::keyClicks(m_window->GetFindBar()->GetEdit(), "s1");
    std::atomic<bool> stop{false};
    std::vector<std::thread> feeds;
    for (int seed = 1; seed <= 2; ++seed)
        feeds.emplace_back(
            [&, seed]
            {
                std::mt19937 random(seed);
                for (int round = 0; !stop; ++round)
                {
                    m_service.DeliverStatusBatch(72, RandomServerImage(random, 120));
                    m_service.WaitUntilDelivered();
                    if (round % 40 == 0)
                        m_data->OnServerApplicationStatusDisconnectDetected();
                }
            });
    std::mt19937 random(11);
    RunEventsFor(1500,
                 [&](int round)
                 {
                     if (Model().rowCount() > 0)
                         View().selectionModel()->select(
                             Model().index(static_cast<int>(random() % Model().rowCount()), 0),
                             QItemSelectionModel::Toggle);
                     if (round % 9 == 0)
                         m_window->OnHeaderClicked(static_cast<int>(random() % 3));
                     if (round % 13 == 0)
                     {
                         Grid().SetColumnFilter(1, round % 26
                                                       ? std::set<std::string>{"App-S1", "App-S2", "App-S3"}
                                                       : std::set<std::string>{});
                     }
                     if (round % 11 == 0)
                         m_window->TogglePause();
                     if (round % 5 == 0)
                         m_window->FindNext();
                     if (round % 17 == 0)
                     {
                         {
                             CGridLockGuard guard(Grid().GetSortOptionsLock());
                             Grid().GetSortOptions()->SetRowSortAttributes({{9016, random() % 2 == 0}});
                         }
                         Grid().ApplySortOptions();
                     }
                 });
    stop = true;
    for (std::thread& feed : feeds)
        feed.join();
    m_service.WaitUntilDelivered();
    Grid().SetColumnFilter(1, {});
    m_window->SetPaused(false);
    m_window->FlushNow();
    EXPECT_EQ(ModelTestWarnings::Count(), 0);
    // The hits and the current hit's number kept up flush by flush are those counted afresh.
    nxGridFind& find = *m_window->GetFind();
    const size_t number = find.GetCurrentNumber();
    find.RowsMoved();
    EXPECT_EQ(find.GetCurrentNumber(), number);
    const size_t kept = find.GetHitCount();
    find.Rescan();
    EXPECT_EQ(find.GetHitCount(), kept);
    EXPECT_GT(kept, 0u);
    EXPECT_EQ(static_cast<size_t>(Model().rowCount()), Grid().GetHeldRowCount());
    EXPECT_GT(m_window->GetFlushDurations().size(), 10u);
}

// Log rows arrive at the top, newest first, and a new filter drops and re-offers them all.
TEST(GridLogModel, PassesTheModelTesterWithRowsArrivingAtTheTop)
{
    nxScriptedControlService service;
    nxControlDataManager data;
    ASSERT_TRUE(data.Create());
    {
        nxGridWndTemplate<nxTestLogGridManager, 0> window;
        window.resize(500, 300);
        window.show();
        ModelTestWarnings warnings;
        QAbstractItemModelTester tester(window.GetModel(),
                                        QAbstractItemModelTester::FailureReportingMode::Warning);
        auto* interest = new nxLogDataInterest();
        ASSERT_TRUE(window.GetGridManager()->AddDataInterest(interest, true).IsOK());
        interest->FetchDataObjects();
        std::atomic<bool> stop{false};
        std::thread feed(
            [&]
            {
                for (int number = 0; !stop; ++number)
                {
                    auto* message = new nxLogMessage();
                    message->SetApplicationName("App" + std::to_string(number % 7));
                    message->SetHostName("host" + std::to_string(number % 3));
                    message->SetLogLevel(nxLogLevelEnum(33));
                    message->SetLogEntry("message " + std::to_string(number));
                    service.DeliverLogMessage(message);
                    if (number % 200 == 0)
                        service.WaitUntilDelivered();
                }
            });
        RunEventsFor(1200,
                     [&](int round)
                     {
                         if (round % 20 == 10)
                             interest->SetApplicationName(round % 40 == 10 ? "App3" : "");
                         if (round % 20 == 10)
                             interest->RefreshDataObjectsWithNewFilters(true);
                     });
        stop = true;
        feed.join();
        service.WaitUntilDelivered();
        window.FlushNow();
        EXPECT_EQ(ModelTestWarnings::Count(), 0);
        EXPECT_GT(window.GetModel()->rowCount(), 0);
        // Newest first: the sequence number falls with every message.
        const auto sequence = [&](int row)
        {
            CGridLockGuard rows(window.GetGridManager()->GetRowsLock());
            auto* object =
                static_cast<nxGridCell*>(window.GetModel()->CellAt(window.GetModel()->index(row, 0)))
                    ->GetDataObject();
            return static_cast<nxLogDataObject*>(object)->GetLogSequenceNumber();
        };
        EXPECT_LT(sequence(0), sequence(window.GetModel()->rowCount() - 1));
    }
    data.Destroy();
}
