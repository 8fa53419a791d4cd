#include <gtest/gtest.h>

#include "app/nxDBusDesktopNotifier.h"
#include "nxLogCapture.h"

TEST(nxDBusDesktopNotifier, WithoutASessionBusOneLineSaysWhyAndNotificationsAreDropped)
{
    nxLogCapture log;
    int connects = 0;
    nxDBusDesktopNotifier notifier(
        [&connects]
        {
            ++connects;
            return QDBusConnection(QStringLiteral("nxNoSuchConnection"));
        });
    bool clicked = false;
    notifier.Notify({"Application missing", "A on host1", [&clicked] { clicked = true; }});
    notifier.Notify({"Application missing", "B on host1", {}});
    const std::vector<nxLogRecord> lines = log.FromSource("nxDBusDesktopNotifier");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].line.rfind("Desktop notifications are not shown: no session bus", 0), 0u)
        << lines[0].line;
    EXPECT_EQ(connects, 1) << "the bus is looked for once";
    EXPECT_EQ(notifier.GetOpenCount(), 0u);
    EXPECT_FALSE(clicked);
}
