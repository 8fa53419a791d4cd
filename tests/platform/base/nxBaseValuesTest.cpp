#include <gtest/gtest.h>

#include <cstdlib>

#include "nxLogCapture.h"
#include "platform/base/nxCmdLineArgs.h"
#include "platform/base/nxDateTime.h"
#include "platform/base/nxDecimal.h"
#include "platform/base/nxElapsedTimeCounter.h"
#include "platform/base/nxErrorEnum.h"
#include "platform/base/nxLog.h"
#include "platform/base/nxSteadyClock.h"
#include "platform/base/nxStringHelper.h"
#include "platform/base/nxTime.h"

TEST(nxCmdLineArgs, UnsetAndUnreadableVariablesGiveTheTwoMarkers)
{
    const char* name = "VSM_TEST_ENV_DOUBLE";
    const nxCmdLineArgs& args = nxCmdLineArgs::GetInstance();
    unsetenv(name);
    EXPECT_TRUE(args.GetEnvValueAsDoubleValue(name).IsNull());
    setenv(name, "thirty", 1);
    EXPECT_TRUE(args.GetEnvValueAsDoubleValue(name).IsNoChange());
    setenv(name, " -2.5 ", 1);
    EXPECT_EQ(args.GetEnvValueAsDoubleValue(name).GetValue(), -2.5);
    setenv(name, "0", 1);
    EXPECT_TRUE(args.GetEnvValueAsDoubleValue(name).HasValue());
    unsetenv(name);
}

TEST(nxStringHelper, WhatIsWrittenReadsBackAndGarbageIsRefused)
{
    bool flag = false;
    EXPECT_TRUE(nxStringHelper::SetFromString(nxStringHelper::GetAsString(true), flag));
    EXPECT_TRUE(flag);
    EXPECT_TRUE(nxStringHelper::SetFromString("FALSE", flag));
    EXPECT_FALSE(flag);
    EXPECT_FALSE(nxStringHelper::SetFromString("yes", flag));
    double value = 0;
    EXPECT_TRUE(nxStringHelper::SetFromString(nxStringHelper::GetAsString(0.1), value));
    EXPECT_EQ(value, 0.1);
    uint32_t number = 7;
    EXPECT_FALSE(nxStringHelper::SetFromString("4294967296", number)) << "out of range";
    EXPECT_FALSE(nxStringHelper::SetFromString("12x", number));
    EXPECT_EQ(number, 7u);
    EXPECT_LT(nxStringHelper::CompareIgnoreCase("abc", "ABD"), 0);
    EXPECT_EQ(nxStringHelper::CompareIgnoreCase("Abc", "aBC"), 0);
}

TEST(nxDateTime, NullOrdersFirstAndTextsFollowTheFormat)
{
    const nxDateTime start(2026, 3, 29, 1, 30, 5);
    EXPECT_EQ(start.GetAsString(), "2026-03-29 01:30:05");
    EXPECT_EQ(start.Format("%d %b %Y"), "29 Mar 2026");
    EXPECT_EQ(start.GetDayOfWeek(), 0) << "a Sunday";
    EXPECT_LT(nxDateTime::Null(), start);
    EXPECT_EQ(nxDateTime::Null().GetAsString(), "");
    EXPECT_FALSE(nxDateTime().IsNull()) << "default construction takes the current time";
}

TEST(nxTime, InvalidPartsGiveNoTime)
{
    EXPECT_EQ(nxTime(9, 5).GetAsString(), "09:05");
    EXPECT_TRUE(nxTime(24, 0).IsNull());
    EXPECT_TRUE(nxTime(-1, 0).IsNull());
    EXPECT_LT(nxTime(), nxTime(0, 0)) << "no time orders first";
}

TEST(nxDecimal, ReadsLenientlyAndComparesAcrossScales)
{
    EXPECT_EQ(nxDecimal::FromString("-12.50xyz").GetAsString(), "-12.50");
    EXPECT_EQ(nxDecimal::FromString("").GetAsString(), "0") << "empty reads as zero, not null";
    EXPECT_EQ(nxDecimal(5, 3).GetAsString(), "0.005");
    EXPECT_EQ(nxDecimal(125, 2), nxDecimal(1250, 3));
    EXPECT_LT(nxDecimal(), nxDecimal(-1, 0)) << "null orders first";
    EXPECT_EQ(nxDecimal::FromDouble(1.23456, 4).GetAsString(), "1.2346");
    EXPECT_TRUE(nxDecimal::FromDouble(1e30, 4).IsNull()) << "too large to hold";
}

TEST(nxLog, LinesBelowTheThresholdAreNotWrittenAndErrorsShowCodeAndText)
{
    nxLogCapture capture;
    nxLogManager::GetInstance().SetThreshold(33);
    nxLog(nxLogLevelEnum(32), "Unit") << "hidden";
    nxLog(nxLogLevelEnum(37), "Unit")
        << "failed, err: " << nxErrorEnum(nxErrorEnum::Refused, "Not now") << ' ' << 42u;
    const auto records = capture.Records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].source, "Unit");
    EXPECT_EQ(records[0].line, "failed, err: 8 (Not now) 42");
    EXPECT_EQ(nxErrorEnum().GetLongDescription(), "Success");
    EXPECT_TRUE(nxErrorEnum().IsOK());
}

TEST(nxElapsedTimeCounter, FollowsTheInstalledClockExactly)
{
    nxScopedManualClock clock;
    nxElapsedTimeCounter counter;
    clock.AdvanceSeconds(15);
    EXPECT_EQ(counter.GetElapsedSeconds(), 15.0) << "whole seconds read back exactly";
    counter.Reset();
    EXPECT_EQ(counter.GetElapsedSeconds(), 0.0);
}
