#include "platform/service/nxEmbeddedPlatformOptions.h"

#include "vsmSourcePaths.h"

#include <cmath>
#include <cstdio>

namespace
{
constexpr double kMaxApplications = 100000;
constexpr double kMaxPerHour = 3600;
constexpr double kSecondsPerYear = 365.0 * 86400;
// 2100-01-01 00:00 UTC: schedules and time zones are judged no further.
constexpr double kLastStartUtcMicroseconds = 4102444800000000.0 - 1;

std::string Number(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "infinity" : "-infinity";
    char text[32];
    const bool whole = value == std::floor(value) && std::fabs(value) < 1e18;
    std::snprintf(text, sizeof text, whole ? "%.0f" : "%.15g", value);
    return text;
}

// Written for the command line: the flag, the range it takes, and what was given.
struct Range
{
    const char* flag;
    double value;
    double low;
    double high;
    const char* meaning; // empty: none to add
    bool whole = false;
};

std::string Check(const Range& range)
{
    // Written so that NaN fails too.
    if (range.value >= range.low && range.value <= range.high)
        return {};
    std::string text = std::string("--") + range.flag + " must be " +
                       (range.whole ? "a whole number" : "a number") + " from " + Number(range.low) + " to " +
                       Number(range.high);
    if (*range.meaning)
        text += std::string(" (") + range.meaning + ")";
    return text + ", not " + Number(range.value);
}

std::string CheckRights(const std::set<uint32_t>& rights)
{
    for (const uint32_t right : rights)
        if (right != nxFunction::SystemManagerAll && right != nxFunction::SystemManagerServers &&
            right != nxFunction::SystemManagerClients)
            return "--rights takes " + std::to_string(nxFunction::SystemManagerAll) + " (every window), " +
                   std::to_string(nxFunction::SystemManagerServers) + " (server applications) or " +
                   std::to_string(nxFunction::SystemManagerClients) + " (client applications), not " +
                   std::to_string(right);
    return {};
}

std::string CheckFolder(const char* flag, const std::string& folder)
{
    if (folder.find('\0') == std::string::npos)
        return {};
    return std::string("--") + flag + " must not contain a NUL character";
}

std::string CheckSilences(const std::vector<nxEmbeddedPlatformOptions::Silence>& silences)
{
    using Feed = nxEmbeddedPlatformOptions::Feed;
    for (const auto& silence : silences)
    {
        if (silence.feed != Feed::ServerStatus && silence.feed != Feed::ClientStatus &&
            silence.feed != Feed::Log)
            return "--silences names a feed that does not exist";
        for (const Range& range : {Range{"silences", silence.startSeconds, 0, kSecondsPerYear,
                                         "the start of a silence, in platform seconds"},
                                   Range{"silences", silence.durationSeconds, 0, kSecondsPerYear,
                                         "the length of a silence, in seconds"}})
            if (std::string problem = Check(range); !problem.empty())
                return problem;
    }
    return {};
}

std::string CheckRequests(const std::set<nxEmbeddedPlatformOptions::Request>& requests)
{
    using Request = nxEmbeddedPlatformOptions::Request;
    for (const Request request : requests)
        if (request < Request::StatusSubscription || request > Request::ScheduleAssign)
            return "--refused-requests names a request that does not exist";
    return {};
}
} // namespace

std::string nxEmbeddedPlatformOptions::FindProblem() const
{
    const Range ranges[] = {
        {"server-count", double(serverCount), 0, kMaxApplications, "", true},
        {"client-count", double(clientCount), 0, kMaxApplications, "", true},
        {"server-host-count", double(serverHostCount), 1, 10000, "", true},
        {"user-count", double(userCount), 1, kMaxApplications, "", true},
        {"start-utc-microseconds", double(startUtcMicroseconds), 0, kLastStartUtcMicroseconds,
         "microseconds since 1970 before the year 2100; 0 for the real time", true},
        {"status-period-seconds", statusPeriodSeconds, 0.01, 60, "seconds between whole images"},
        {"log-messages-per-second", logMessagesPerSecond, 0, 1000000, ""},
        {"late-heartbeats-per-hour", lateHeartbeatsPerHour, 0, kMaxPerHour, "per application and hour"},
        {"restarts-per-hour", restartsPerHour, 0, kMaxPerHour, "per application and hour"},
        {"stops-reporting-per-hour", stopsReportingPerHour, 0, kMaxPerHour, "per application and hour"},
        {"failed-restarts-per-hour", failedRestartsPerHour, 0, kMaxPerHour, "per application and hour"},
        {"failovers-per-hour", failoversPerHour, 0, kMaxPerHour, "per server pair and hour"},
        {"missing-after-seconds", missingAfterSeconds, 1, 3600, "seconds without a heartbeat"},
    };
    for (const Range& range : ranges)
        if (std::string problem = Check(range); !problem.empty())
            return problem;
    for (std::string problem : {CheckRights(rights), CheckFolder("data-folder", dataFolder),
                                CheckFolder("time-zone-folder", timeZoneFolder), CheckSilences(silences),
                                CheckRequests(refusedRequests)})
        if (!problem.empty())
            return problem;
    return {};
}

std::string nxEmbeddedPlatformOptions::SourceDataFolder()
{
    return VSM_DATA_DIR;
}
