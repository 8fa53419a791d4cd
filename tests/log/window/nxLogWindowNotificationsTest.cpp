#include <QString>

#include "log/window/nxCriticalLogNotificationSource.h"
#include "nxDesktopNotifierRecorder.h"
#include "nxLogWindowFixture.h"
#include "platform/base/nxSteadyClock.h"

namespace
{
class LogNotifications : public nxLogWindowFixture
{
protected:
    nxScopedManualClock m_clock;
    nxDesktopNotifierRecorder m_shown;
};
} // namespace

TEST_F(LogNotifications, OnlyNewLevel38MessagesNotifyOncePerApplicationPerMinute)
{
    Send(Levels({38}));
    EXPECT_EQ(m_shown.Count(), 0u) << "off by default";

    Grid().SetDesktopNotificationsEnabled(true);
    Send(Levels({31, 33, 35, 37, 38, 39}));
    ASSERT_EQ(m_shown.Count(), 1u);
    EXPECT_EQ(m_shown.Shown()[0].title, "Critical log message");
    EXPECT_EQ(m_shown.Shown()[0].body, "OrderRouter on host1: level 38");

    Send({{.level = 38, .text = "again"}, {.application = "Pricer", .level = 38, .text = "other"}});
    EXPECT_EQ(m_shown.Bodies().back(), "Pricer on host1: other") << "another application at once";
    EXPECT_EQ(m_shown.Count(), 2u);
    m_clock.AdvanceSeconds(60);
    Send({{.level = 38, .text = "a minute on"}});
    EXPECT_EQ(m_shown.Bodies().back(), "OrderRouter on host1: a minute on");

    // Messages already in the store when another window opens say nothing.
    nxLogGridWnd second;
    second.GetGridManager()->SetDesktopNotificationsEnabled(true);
    OpenAsNewView(second);
    EXPECT_EQ(m_shown.Count(), 3u);
}

TEST_F(LogNotifications, ClickingSelectsTheMessagesRow)
{
    Grid().SetDesktopNotificationsEnabled(true);
    Send(Levels({31, 38, 33, 35}));
    ASSERT_EQ(m_shown.Count(), 1u);
    ShowLevelAndText();
    m_shown.Click(0);
    const QModelIndexList selected = View().selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(Model().index(selected.front().row(), 3).data().toString(), "level 38");
}

TEST(nxCriticalLogNotificationSource, ShortensToOneLineWithoutSplittingACharacter)
{
    using Source = nxCriticalLogNotificationSource;
    EXPECT_EQ(Source::Shorten("two\nlines\tand\rtab"), "two lines and tab");
    const std::string exact(Source::MaxTextBytes, 'x');
    EXPECT_EQ(Source::Shorten(exact), exact);

    // "é" is two bytes: one that would straddle the cut is left out whole.
    const std::string accented = std::string(Source::MaxTextBytes - 1, 'x') + "\xC3\xA9" + "tail";
    const std::string shortened = Source::Shorten(accented);
    EXPECT_EQ(shortened, std::string(Source::MaxTextBytes - 1, 'x') + "...");
    EXPECT_EQ(QString::fromUtf8(shortened).toUtf8().toStdString(), shortened) << "valid UTF-8";
    EXPECT_EQ(Source::Shorten(std::string(100'000, 'y')).size(), Source::MaxTextBytes + 3);
}
