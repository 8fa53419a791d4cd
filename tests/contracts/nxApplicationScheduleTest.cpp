#include <gtest/gtest.h>

#include "contracts/nxApplicationSchedule.h"
#include "contracts/nxControlInterface.h"
#include "contracts/nxSecurityInterface.h"

namespace
{
bool Validate(const nxApplicationSchedule& schedule, std::string& error)
{
    error = "stale";
    return schedule.ValidateDaySchedules(error);
}
} // namespace

TEST(nxApplicationSchedule, DaysNeedBothTimesInTheirOrder)
{
    nxApplicationSchedule schedule;
    std::string error;
    EXPECT_TRUE(Validate(schedule, error)) << "a scheme without times is valid";
    EXPECT_EQ(error, "");

    schedule.GetScheduleForDay(1).SetStartTime(nxTime(8, 0));
    EXPECT_FALSE(Validate(schedule, error));
    EXPECT_EQ(error, "Monday has a start time but no stop time.");

    schedule.GetScheduleForDay(1).SetStopTime(nxTime(17, 30));
    EXPECT_TRUE(Validate(schedule, error));

    schedule.GetScheduleForDay(3).SetStartTime(nxTime(18, 0));
    schedule.GetScheduleForDay(3).SetStopTime(nxTime(6, 0));
    EXPECT_FALSE(Validate(schedule, error));
    EXPECT_NE(error.find("Wednesday"), std::string::npos);

    schedule.SetStartsInTheEvening(true);
    EXPECT_FALSE(Validate(schedule, error)) << "Monday now starts before it stops";
    EXPECT_NE(error.find("Monday"), std::string::npos);
    schedule.GetScheduleForDay(1).SetStartTime(nxTime(20, 0));
    EXPECT_TRUE(Validate(schedule, error));

    schedule.GetScheduleForDay(5).SetStartTime(nxTime(9, 0));
    schedule.GetScheduleForDay(5).SetStopTime(nxTime(9, 0));
    EXPECT_FALSE(Validate(schedule, error)) << "equal times make no window";
}

TEST(nxApplicationSchedule, DaysAreNumberedFromSundayAndWrap)
{
    nxApplicationSchedule schedule;
    EXPECT_EQ(schedule.GetScheduleForDay(0).GetDayOfWeek(), 0);
    EXPECT_EQ(schedule.GetScheduleForDay(6).GetDayOfWeek(), 6);
    EXPECT_EQ(&schedule.GetScheduleForDay(7), &schedule.GetScheduleForDay(0));
    EXPECT_EQ(&schedule.GetScheduleForDay(-1), &schedule.GetScheduleForDay(6));
    EXPECT_TRUE(schedule.GetVersion().IsNull());
}

TEST(nxServiceInstances, WithoutAServiceEveryRequestIsRefusedClearly)
{
    ASSERT_NE(nxControlInterface::GetInstance(), nullptr);
    std::vector<std::string> names;
    const nxErrorEnum listed = nxControlInterface::GetInstance()->GetApplicationScheduleInstanceList(names);
    EXPECT_EQ(listed.GetValue(), nxErrorEnum::NotConnected);
    EXPECT_NE(listed.GetLongDescription().find("not connected"), std::string::npos);
    EXPECT_FALSE(nxSecurityInterface::GetInstance()->CheckSecurity(nxFunctionEnum(100006)).IsOK());
}
