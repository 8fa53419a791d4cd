#include <gtest/gtest.h>

#include <chrono>

#include "contracts/nxApplicationSchedule.h"
#include "platform/service/nxExpectedStatusRules.h"
#include "platform/service/nxScheduleSchemeStore.h"
#include "platform/service/nxScheduleWindow.h"

namespace
{
// Seconds since 1970 on a wall clock; 2025-06-09 is a Monday.
int64_t At(unsigned day, int hour, int minute = 0, int second = 0)
{
    using namespace std::chrono;
    const sys_days date{year{2025} / June / day};
    return sys_seconds{date}.time_since_epoch().count() + hour * 3600 + minute * 60 + second;
}

nxApplicationSchedule Weekdays(nxTime start, nxTime stop)
{
    nxApplicationSchedule scheme;
    for (int day = 1; day <= 5; ++day)
    {
        scheme.GetScheduleForDay(day).SetStartTime(start);
        scheme.GetScheduleForDay(day).SetStopTime(stop);
    }
    return scheme;
}

bool Runs(const nxApplicationSchedule& scheme, int64_t local)
{
    return nxScheduleWindow::IsExpectedToRun(scheme, local);
}
} // namespace

TEST(ScheduleWindow, ADayRunsFromItsStartUntilJustBeforeItsStop)
{
    const nxApplicationSchedule scheme = Weekdays(nxTime(7, 0), nxTime(17, 30));
    EXPECT_EQ(nxScheduleWindow::DayOfWeek(At(11, 0) / 86400), 3) << "Wednesday";
    EXPECT_FALSE(Runs(scheme, At(11, 6, 59, 59)));
    EXPECT_TRUE(Runs(scheme, At(11, 7, 0)));
    EXPECT_TRUE(Runs(scheme, At(11, 17, 29, 59)));
    EXPECT_FALSE(Runs(scheme, At(11, 17, 30)));
    EXPECT_FALSE(Runs(scheme, At(14, 12, 0))) << "Saturday has no times";
    EXPECT_FALSE(Runs(nxApplicationSchedule(), At(11, 12, 0))) << "a scheme without days never runs";
}

TEST(ScheduleWindow, StartsInTheEveningPutsTheStartOnTheDayBefore)
{
    nxApplicationSchedule scheme = Weekdays(nxTime(17, 0), nxTime(16, 0));
    scheme.SetStartsInTheEvening(true);
    EXPECT_FALSE(Runs(scheme, At(8, 16, 59))) << "Sunday afternoon";
    EXPECT_TRUE(Runs(scheme, At(8, 17, 0))) << "Monday's session opens on Sunday evening";
    EXPECT_TRUE(Runs(scheme, At(9, 15, 59)));
    EXPECT_FALSE(Runs(scheme, At(9, 16, 30))) << "the break between two sessions";
    EXPECT_TRUE(Runs(scheme, At(9, 17, 0))) << "Tuesday's session";
    EXPECT_FALSE(Runs(scheme, At(13, 17, 0))) << "Saturday has no session to open on Friday evening";
}

TEST(ScheduleWindow, IgnoringTheDailyShutdownJoinsConsecutiveDays)
{
    nxApplicationSchedule scheme = Weekdays(nxTime(8, 0), nxTime(18, 0));
    scheme.SetIgnoreDailyShutdown(true);
    EXPECT_FALSE(Runs(scheme, At(9, 7, 59))) << "Sunday had no times, so Monday starts at its start";
    EXPECT_TRUE(Runs(scheme, At(10, 3, 0))) << "through the night from Monday into Tuesday";
    EXPECT_TRUE(Runs(scheme, At(13, 17, 59)));
    EXPECT_FALSE(Runs(scheme, At(13, 18, 0))) << "Friday stops: Saturday has no times";

    const nxApplicationSchedule always = nxScheduleSchemeStore::DemoSchemes().at("24x7");
    for (unsigned day = 8; day <= 14; ++day)
    {
        EXPECT_TRUE(Runs(always, At(day, 0, 0)));
        EXPECT_TRUE(Runs(always, At(day, 23, 59, 30))) << "the last minute of a day joins the next";
    }
}

TEST(ExpectedStatusRules, JudgeAnApplicationAgainstItsWindow)
{
    using Facts = nxExpectedStatusRules::Facts;
    auto judge = [](bool judged, bool expected, bool running, bool ownRole = true, bool missing = false) {
        return nxExpectedStatusRules::Judge(Facts{missing, judged, expected, running, ownRole});
    };
    EXPECT_EQ(judge(true, true, true), nxExpectedStatus::OK);
    EXPECT_EQ(judge(true, false, false), nxExpectedStatus::OK);
    EXPECT_EQ(judge(true, false, true), nxExpectedStatus::Unexpected);
    EXPECT_EQ(judge(true, true, false), nxExpectedStatus::Unexpected);
    EXPECT_EQ(judge(true, true, true, false), nxExpectedStatus::FTState);
    EXPECT_EQ(judge(true, false, true, false), nxExpectedStatus::Unexpected)
        << "running out of hours comes first";
    EXPECT_EQ(judge(false, false, true, false), nxExpectedStatus::OK) << "not judged";
    EXPECT_EQ(judge(true, true, true, true, true), nxExpectedStatus::Missing);
    EXPECT_EQ(judge(false, false, true, true, true), nxExpectedStatus::Missing)
        << "missing even when not judged";
}
