#include <gtest/gtest.h>

#include <sstream>

#include "app/nxCommandLine.h"

namespace
{
nxCommandLine::Outcome Parse(nxCommandLine& line, std::vector<std::string> arguments)
{
    return line.Parse(arguments);
}
} // namespace

TEST(nxCommandLine, ReadsEveryKindOfOptionInBothSpellings)
{
    nxCommandLine line;
    ASSERT_EQ(nxCommandLine::Outcome::Run, Parse(line, {"--server-count",
                                                        "10000",
                                                        "--seed=42",
                                                        "--late-heartbeats-per-hour",
                                                        "0.5",
                                                        "--rights",
                                                        "100919,100920",
                                                        "--silences",
                                                        "server-status:30:20",
                                                        "--silences=log:0:5",
                                                        "--refused-requests",
                                                        "remove,schedule-save",
                                                        "--refused-requests=stop",
                                                        "--start-time",
                                                        "2026-12-07T09:30",
                                                        "--log-rows",
                                                        "0",
                                                        "--screenshot",
                                                        "s.png",
                                                        "--window",
                                                        "log",
                                                        "--settle=2.5",
                                                        "-platform",
                                                        "offscreen",
                                                        "saved.KVRLogMgr"}))
        << line.Error();
    const nxProgramOptions& options = line.GetOptions();
    EXPECT_EQ(10000u, options.platform.serverCount);
    EXPECT_EQ(42u, options.platform.seed);
    EXPECT_DOUBLE_EQ(0.5, options.platform.lateHeartbeatsPerHour);
    EXPECT_EQ((std::set<uint32_t>{100919, 100920}), options.platform.rights);
    ASSERT_EQ(2u, options.platform.silences.size());
    EXPECT_EQ(nxEmbeddedPlatformOptions::Feed::ServerStatus, options.platform.silences[0].feed);
    EXPECT_DOUBLE_EQ(20, options.platform.silences[0].durationSeconds);
    EXPECT_EQ(nxEmbeddedPlatformOptions::Feed::Log, options.platform.silences[1].feed);
    EXPECT_EQ(3u, options.platform.refusedRequests.size());
    EXPECT_EQ(1796635800LL * 1000000, options.platform.startUtcMicroseconds);
    EXPECT_EQ(0u, options.logRowLimit);
    EXPECT_EQ(nxProgramOptions::Window::Log, options.screenshotWindow);
    EXPECT_DOUBLE_EQ(2.5, options.settleSeconds);
    EXPECT_EQ("saved.KVRLogMgr", options.openFile) << "the window system's -platform is left to it";
}

TEST(nxCommandLine, BadValuesNameTheOptionAndAreErrors)
{
    const struct
    {
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        // The platform's options judge the ranges (their texts are tested there); one shows they reach here.
        {{"--late-heartbeats-per-hour", "-1"}, "--late-heartbeats-per-hour must be a number from 0 to 3600"},
        {{"--server-count", "-5"}, "--server-count must be a whole number, not -5"},
        {{"--server-count", "99999999999"}, "--server-count must be a whole number"},
        {{"--status-period-seconds", "1e400"}, "--status-period-seconds must be a number, not 1e400"},
        {{"--seed"}, "--seed needs a value"},
        {{"--bogus", "1"}, "unknown option --bogus"},
        {{"--silences", "audio:1:2"}, "FEED one of client-status, log, server-status"},
        {{"--refused-requests", "remove,launch"}, "not launch"},
        {{"--workspace", "5"}, "--workspace must be 1, 2, 3 or 4"},
        {{"--window", "log"}, "give --screenshot FILE too"},
        {{"--start-time", "2026-13-01T00:00"}, "--start-time must be a UTC time"},
        {{"a.KVRSysMgr", "b.KVRSysMgr"}, "only one document"},
    };
    for (const auto& test : cases)
    {
        nxCommandLine line;
        EXPECT_EQ(nxCommandLine::Outcome::Error, line.Parse(test.arguments)) << test.message;
        EXPECT_NE(std::string::npos, line.Error().find(test.message)) << line.Error();
    }
}

TEST(nxCommandLine, HelpListsEveryOptionItTakes)
{
    nxCommandLine line;
    ASSERT_EQ(nxCommandLine::Outcome::Exit, line.Parse({"--seed", "3", "--help"}));
    std::istringstream options(
        "--open --workspace --log-rows --screenshot --window --settle --server-count --client-count "
        "--server-host-count --user-count --seed --start-time --start-utc-microseconds "
        "--status-period-seconds "
        "--log-messages-per-second --late-heartbeats-per-hour --restarts-per-hour --stops-reporting-per-hour "
        "--failed-restarts-per-hour --failovers-per-hour --missing-after-seconds --rights --silences "
        "--refused-requests --data-folder --time-zone-folder --version");
    for (std::string option; options >> option;)
    {
        EXPECT_NE(std::string::npos, line.Output().find(option)) << option;
        nxCommandLine probe;
        probe.Parse({option, "1"});
        EXPECT_EQ(std::string::npos, probe.Error().find("unknown option")) << option;
    }
    EXPECT_EQ(nxCommandLine::Outcome::Exit, line.Parse({"--version"}));
    EXPECT_EQ("VantrelSystemManager 1.0\n", line.Output());
}
