#include <QScrollBar>
#include <QTest>
#include <cstdio>
#include <cstdlib>

#include "app/CMainFrame.h"
#include "log/nxLogPipelineFixture.h"
#include "nxAppFixture.h"
#include "nxLogCapture.h"
#include "platform/base/nxSteadyClock.h"
#include "platform/grid/window/nxInputInactivityMonitor.h"

namespace
{
constexpr const char* kVariable = "KVR_SYSTEM_MANAGER_SCROLL_RESET_TIMEOUT";

// The threshold is read once per process, so each case runs in a process of its
// own (a death test that is expected to live), with the variable as it says.
class Inactivity : public nxAppFixture
{
protected:
    void SetUp() override
    {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        nxAppFixture::SetUp();
    }

    // Three windows, each with enough rows to scroll and scrolled down.
    void OpenScrolledWindows()
    {
        ASSERT_TRUE(Start());
        Open(Clients);
        Open(Log);
        std::vector<nxApplicationStatus*> servers, clients;
        for (int i = 0; i < 300; ++i)
        {
            servers.push_back(MakeServer("S" + std::to_string(1000 + i)));
            clients.push_back(MakeClient("C" + std::to_string(1000 + i)));
        }
        Deliver(72, std::move(servers));
        Deliver(71, std::move(clients));
        for (int i = 0; i < 300; ++i)
            m_service.DeliverLogMessage(MakeLogMessage({.text = "order " + std::to_string(i)}));
        m_service.WaitUntilDelivered();
        Grid(Frame(Log)).FlushNow();
        for (nxGridFrameWnd* frame : m_app->GetFrames())
        {
            frame->resize(600, 300);
            Grid(frame).GetTableView()->verticalScrollBar()->setValue(120);
        }
    }

    int Scroll(unsigned type) const { return Grid(Frame(type)).GetTableView()->verticalScrollBar()->value(); }

    // Advances the clock and lets the application check, as its timer would.
    void Idle(double seconds)
    {
        m_clock.AdvanceSeconds(seconds);
        m_app->GetInputInactivityMonitor()->Check();
    }

    static size_t Count(const nxLogCapture& capture, const std::string& line)
    {
        size_t count = 0;
        for (const nxLogRecord& record : capture.FromSource("MainFrm"))
            count += record.line == line && record.level == 32;
        return count;
    }

    // Ends the process of the case; what failed goes to the standard error, which the parent shows.
    static void Finish()
    {
        const ::testing::TestResult* result =
            ::testing::UnitTest::GetInstance()->current_test_info()->result();
        for (int i = 0; i < result->total_part_count(); ++i)
            if (result->GetTestPartResult(i).failed())
                std::fprintf(stderr, "%s:%d: %s\n", result->GetTestPartResult(i).file_name(),
                             result->GetTestPartResult(i).line_number(),
                             result->GetTestPartResult(i).summary());
        std::exit(::testing::Test::HasFailure() ? 1 : 0);
    }

    void UnsetCase();
    void ThirtyCase();
    void NegativeCase();

    nxScopedManualClock m_clock;
};

const std::string kScrollLine = "OnInputInactivity - will scroll view top if not already there";
} // namespace

void Inactivity::UnsetCase()
{
    unsetenv(kVariable);
    nxLogCapture capture;
    OpenScrolledWindows();
    Idle(179);
    EXPECT_EQ(120, Scroll(Servers));
    Idle(1.5);
    EXPECT_EQ(0, Scroll(Servers)) << "the server window is back at its first row";
    EXPECT_EQ(120, Scroll(Clients));
    EXPECT_EQ(120, Scroll(Log));
    EXPECT_EQ(1u, Count(capture, std::string(kVariable) +
                                     " value is not set. Using a default value of: 180 seconds. Scrollbar "
                                     "will reset to top after this many seconds of input inactivity"));
    EXPECT_EQ(1u, Count(capture, kScrollLine));

    Grid(Frame(Servers)).GetTableView()->verticalScrollBar()->setValue(50);
    Idle(600);
    EXPECT_EQ(50, Scroll(Servers)) << "once per quiet spell";
    QTest::keyClick(Grid(Frame(Servers)).GetTableView(), Qt::Key_Shift);
    Idle(179);
    EXPECT_EQ(50, Scroll(Servers)) << "input starts the count again";
    Idle(2);
    EXPECT_EQ(0, Scroll(Servers));
    EXPECT_EQ(2u, Count(capture, kScrollLine));
    Finish();
}

TEST_F(Inactivity, UnsetTheServerWindowScrollsToItsFirstRowAfter180QuietSecondsAndTheOthersNever)
{
    EXPECT_EXIT(UnsetCase(), ::testing::ExitedWithCode(0), "");
}

void Inactivity::ThirtyCase()
{
    setenv(kVariable, "30", 1);
    nxLogCapture capture;
    OpenScrolledWindows();
    Idle(29);
    EXPECT_EQ(120, Scroll(Servers));
    setenv(kVariable, "600", 1);
    Idle(2);
    EXPECT_EQ(0, Scroll(Servers));
    EXPECT_EQ(
        30.0,
        static_cast<CMainFrame*>(Frame(Servers))->GetInputInactivityWarningThresholdSeconds().GetValue());
    nxGridFrameWnd* second = Open(Servers);
    EXPECT_EQ(30.0, static_cast<CMainFrame*>(second)->GetInputInactivityWarningThresholdSeconds().GetValue());
    EXPECT_EQ(1u, Count(capture, std::string(kVariable) +
                                     " set to: 30 seconds. Scrollbar will reset to top after this many "
                                     "seconds of input inactivity"));
    EXPECT_EQ(1u, capture.FromSource("MainFrm").size() - Count(capture, kScrollLine))
        << "the variable is read and reported once";
    Finish();
}

TEST_F(Inactivity, SetTo30TheThresholdIs30SecondsAndLaterChangesToTheVariableDoNothing)
{
    EXPECT_EXIT(ThirtyCase(), ::testing::ExitedWithCode(0), "");
}

void Inactivity::NegativeCase()
{
    setenv(kVariable, "-5", 1);
    OpenScrolledWindows();
    Idle(3600);
    EXPECT_EQ(120, Scroll(Servers));
    EXPECT_EQ(
        -5.0,
        static_cast<CMainFrame*>(Frame(Servers))->GetInputInactivityWarningThresholdSeconds().GetValue())
        << "the value is used as read";
    Finish();
}

TEST_F(Inactivity, ZeroOrANegativeThresholdNeverScrolls)
{
    EXPECT_EXIT(NegativeCase(), ::testing::ExitedWithCode(0), "");
}
