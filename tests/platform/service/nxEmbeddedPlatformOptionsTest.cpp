#include <cmath>
#include <functional>
#include <limits>

#include "nxEmbeddedPlatformFixture.h"
#include "platform/service/nxPlatformRandom.h"

namespace
{
using Options = nxEmbeddedPlatformOptions;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct RateOption
{
    const char* flag;
    double Options::*field;
};

const RateOption kRates[] = {
    {"--status-period-seconds", &Options::statusPeriodSeconds},
    {"--log-messages-per-second", &Options::logMessagesPerSecond},
    {"--late-heartbeats-per-hour", &Options::lateHeartbeatsPerHour},
    {"--restarts-per-hour", &Options::restartsPerHour},
    {"--stops-reporting-per-hour", &Options::stopsReportingPerHour},
    {"--failed-restarts-per-hour", &Options::failedRestartsPerHour},
    {"--failovers-per-hour", &Options::failoversPerHour},
    {"--missing-after-seconds", &Options::missingAfterSeconds},
};
} // namespace

TEST(EmbeddedPlatformOptions, EveryRateRefusesNegativeNaNInfiniteAndHugeValuesNamingItsFlagAndRange)
{
    EXPECT_EQ(Options().FindProblem(), "");
    for (const RateOption& rate : kRates)
        for (const auto& [value, shown] :
             {std::pair{-1.0, "-1"}, std::pair{kNaN, "NaN"}, std::pair{kInfinity, "infinity"},
              std::pair{-kInfinity, "-infinity"}, std::pair{1e12, "1000000000000"}})
        {
            Options options;
            options.*rate.field = value;
            const std::string problem = options.FindProblem();
            EXPECT_EQ(problem.rfind(std::string(rate.flag) + " must be a number from ", 0), 0u) << problem;
            EXPECT_TRUE(problem.ends_with(std::string(", not ") + shown)) << problem;
        }
    Options late;
    late.lateHeartbeatsPerHour = -1;
    EXPECT_EQ(
        late.FindProblem(),
        "--late-heartbeats-per-hour must be a number from 0 to 3600 (per application and hour), not -1");
}

TEST(EmbeddedPlatformOptions, CountsTimesRightsAndFaultsRefuseWhatTheyCannotMean)
{
    const std::pair<std::function<void(Options&)>, std::string> cases[] = {
        {[](Options& o) { o.serverCount = 4000000000u; },
         "--server-count must be a whole number from 0 to 100000, not 4000000000"},
        {[](Options& o) { o.serverHostCount = 0; },
         "--server-host-count must be a whole number from 1 to 10000, not 0"},
        {[](Options& o) { o.startUtcMicroseconds = -1; },
         "--start-utc-microseconds must be a whole number from 0 to 4102444799999999 (microseconds since "
         "1970 "
         "before the year 2100; 0 for the real time), not -1"},
        {[](Options& o) {
             o.rights = {100006, 5};
         },
         "--rights takes 100006 (every window), 100919 (server applications) or 100920 (client "
         "applications), not 5"},
        {[](Options& o) {
             o.silences = {{Options::Feed::Log, -2.0, 3.0}};
         },
         "--silences must be a number from 0 to 31536000 (the start of a silence, in platform seconds), not "
         "-2"},
        {[](Options& o) {
             o.silences = {{Options::Feed::Log, 2.0, kNaN}};
         },
         "--silences must be a number from 0 to 31536000 (the length of a silence, in seconds), not NaN"},
        {[](Options& o) { o.dataFolder = std::string("/tmp/a\0b", 8); },
         "--data-folder must not contain a NUL character"},
    };
    for (const auto& [spoil, problem] : cases)
    {
        Options options;
        spoil(options);
        EXPECT_EQ(options.FindProblem(), problem);
    }
}

TEST(EmbeddedPlatformOptions, EventCountsAreNeverNegativeOrEndless)
{
    nxPlatformRandom random(1);
    EXPECT_EQ(random.Count(-1.0), 0u);
    EXPECT_EQ(random.Count(kNaN), 0u);
    EXPECT_EQ(random.Count(kInfinity), nxPlatformRandom::MaxCount);
    EXPECT_EQ(random.Count(3.0), 3u);
}

TEST_F(nxEmbeddedPlatformFixture, BadOptionsLeaveThePlatformStoppedRefusingEveryRequest)
{
    m_options.lateHeartbeatsPerHour = -1;
    nxEmbeddedControlService& service = Make();
    const std::string problem = m_options.FindProblem();
    EXPECT_EQ(service.GetOptionsProblem(), problem);
    EXPECT_NE(service.GetStartupProblems().find(problem), std::string::npos);
    EXPECT_FALSE(service.RunFor(3600)) << "it does not move, so it cannot spin";
    EXPECT_FALSE(service.Start());
    EXPECT_FALSE(service.IsRunning());
    EXPECT_EQ(service.GetApplicationCount(), 0u);
    nxRecordingControlCallback callback;
    const nxErrorEnum refused =
        service.SubscribeApplicationStatus(&callback, nullptr, nxClientServerEnum(nxServerValue), nullptr);
    EXPECT_EQ(refused.GetValue(), nxErrorEnum::Refused);
    EXPECT_EQ(refused.GetLongDescription(), "The embedded platform did not start: " + problem);
    std::vector<std::string> names;
    EXPECT_FALSE(service.GetApplicationScheduleInstanceList(names).IsOK());
    EXPECT_FALSE(service.SubscribeLogMessages(&callback, nullptr).IsOK());

    m_options.lateHeartbeatsPerHour = 2;
    m_options.statusPeriodSeconds = kNaN;
    EXPECT_FALSE(Make().Start());
}
