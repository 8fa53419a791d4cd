#include <gtest/gtest.h>

#include "platform/service/nxTimeZoneRule.h"

#include <cstdint>

namespace
{
nxTimeZoneRule ParseOrFail(const std::string& line)
{
    nxTimeZoneRule rule;
    std::string error;
    EXPECT_TRUE(nxTimeZoneRule::Parse(line, rule, error)) << error;
    return rule;
}

std::string ParseError(const std::string& line)
{
    nxTimeZoneRule rule;
    std::string error;
    EXPECT_FALSE(nxTimeZoneRule::Parse(line, rule, error)) << line;
    return error;
}
} // namespace

TEST(nxTimeZoneRule, ReadsQuotedAndBareFieldsWithEscapedQuotes)
{
    std::vector<std::string> fields;
    std::string error;
    ASSERT_TRUE(nxTimeZoneRule::SplitFields(R"("a ""b""", c , "",)", fields, error)) << error;
    EXPECT_EQ(fields, (std::vector<std::string>{"a \"b\"", "c", "", ""}));
    EXPECT_FALSE(nxTimeZoneRule::SplitFields(R"("a","b)", fields, error));
    EXPECT_EQ(error, "field 2 has no closing quote");
    EXPECT_FALSE(nxTimeZoneRule::SplitFields(R"("a"x,"b")", fields, error));
    EXPECT_EQ(error, "field 1 has text after its closing quote");

    const nxTimeZoneRule rule = ParseOrFail("Asia/Kathmandu,NPT,Nepal Time,,,+5:45,,,,,");
    EXPECT_EQ(rule.GetId(), "Asia/Kathmandu");
    EXPECT_EQ(rule.GetUtcOffsetSeconds(), 5 * 3600 + 45 * 60);
    EXPECT_FALSE(rule.HasDaylightSaving());
}

TEST(nxTimeZoneRule, RefusesFieldsItCannotUseAndSaysWhich)
{
    const std::string good =
        R"("X/Y","S","Std","D","Day","-05:00:00","+01:00:00","2;0;3","+02:00:00","1;0;11","+02:00:00")";
    ParseOrFail(good);
    EXPECT_EQ(ParseError(R"("X/Y","S","Std","D","Day","-05:00:00")"), "expected 11 fields, found 6");
    EXPECT_EQ(ParseError(R"("","S","","","","+01:00:00","","","","","")"), "the region ID is empty");

    struct Case
    {
        std::string from, to, mentions;
    };
    const Case cases[] = {
        {"-05:00:00", "-5", "GMT offset \"-5\" is not a time"},
        {"-05:00:00", "+15:00:00", "GMT offset \"+15:00:00\" is out of range (-14:00 to +14:00)"},
        {"-05:00:00", "+05:60:00", "GMT offset"},
        {"-05:00:00", "+-5:00:00", "GMT offset"},
        {"+01:00:00\",\"2", "-01:00:00\",\"2", "DST adjustment \"-01:00:00\" is out of range"},
        {"2;0;3", "5;0;3", "DST start rule \"5;0;3\" is not \"week;weekday;month\""},
        {"1;0;11", "1;7;11", "DST end rule \"1;7;11\""},
        {"1;0;11", "1;0", "DST end rule"},
        {"1;0;11", "", "DST end rule or time is missing"},
        {"+02:00:00\",\"1;", "+25:00:00\",\"1;", "DST start time \"+25:00:00\" is out of range"},
        {"+01:00:00\",\"2", "\",\"2", "DST start and end are given without a DST adjustment"},
    };
    for (const Case& c : cases)
    {
        std::string line = good;
        line.replace(line.find(c.from), c.from.size(), c.to);
        EXPECT_NE(ParseError(line).find(c.mentions), std::string::npos) << line << "\n" << ParseError(line);
    }
}

TEST(nxTimeZoneRule, InstantsBeyondTheCalendarComeBackUnconverted)
{
    const nxTimeZoneRule london = ParseOrFail(
        R"("Europe/London","GMT","","BST","","+00:00:00","+01:00:00","-1;0;3","+01:00:00","-1;0;10","+02:00:00")");
    EXPECT_EQ(london.ToLocalSeconds(INT64_MAX), INT64_MAX);
    EXPECT_EQ(london.ToLocalSeconds(INT64_MIN), INT64_MIN);
    EXPECT_FALSE(london.IsDaylightSaving(INT64_MAX));
}
