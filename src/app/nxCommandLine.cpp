#include "app/nxCommandLine.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <map>
#include <sstream>

namespace
{
using Options = nxEmbeddedPlatformOptions;

constexpr double kMaxSettleSeconds = 3600;
constexpr double kMaxLogRows = 1e9;

bool ParseDouble(const std::string& text, double& value)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size() && errno != ERANGE;
}

// A whole number as text, within 0 .. high.
bool ParseWhole(const std::string& text, double high, uint64_t& value)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    errno = 0;
    value = std::strtoull(text.c_str(), nullptr, 10);
    return errno != ERANGE && static_cast<double>(value) <= high;
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::stringstream stream(text);
    std::string part;
    while (std::getline(stream, part, separator))
        parts.push_back(part);
    if (!text.empty() && text.back() == separator)
        parts.emplace_back();
    return parts;
}

const std::map<std::string, Options::Feed>& Feeds()
{
    static const std::map<std::string, Options::Feed> feeds = {
        {"server-status", Options::Feed::ServerStatus},
        {"client-status", Options::Feed::ClientStatus},
        {"log", Options::Feed::Log},
    };
    return feeds;
}

const std::map<std::string, Options::Request>& Requests()
{
    using R = Options::Request;
    static const std::map<std::string, R> requests = {
        {"status-subscription", R::StatusSubscription},
        {"snapshot", R::Snapshot},
        {"stop", R::Stop},
        {"remove", R::Remove},
        {"log-subscription", R::LogSubscription},
        {"schedule-list", R::ScheduleList},
        {"schedule-read", R::ScheduleRead},
        {"schedule-save", R::ScheduleSave},
        {"schedule-delete", R::ScheduleDelete},
        {"schedule-assign", R::ScheduleAssign},
    };
    return requests;
}

std::string Names(const auto& table)
{
    std::string names;
    for (const auto& [name, value] : table)
        names += (names.empty() ? "" : ", ") + name;
    return names;
}

// "2026-12-07T09:30", with optional seconds and a trailing Z; always UTC.
bool ParseUtcTime(const std::string& text, int64_t& microseconds)
{
    const std::string body = (!text.empty() && text.back() == 'Z') ? text.substr(0, text.size() - 1) : text;
    std::tm time{};
    int consumed = 0;
    if (std::sscanf(body.c_str(), "%4d-%2d-%2dT%2d:%2d%n", &time.tm_year, &time.tm_mon, &time.tm_mday,
                    &time.tm_hour, &time.tm_min, &consumed) != 5)
        return false;
    size_t position = static_cast<size_t>(consumed);
    if (position < body.size())
    {
        if (std::sscanf(body.c_str() + position, ":%2d%n", &time.tm_sec, &consumed) != 1)
            return false;
        position += static_cast<size_t>(consumed);
    }
    if (position != body.size() || time.tm_year < 1970 || time.tm_mon < 1 || time.tm_mon > 12 ||
        time.tm_mday < 1 || time.tm_mday > 31 || time.tm_hour > 23 || time.tm_min > 59 || time.tm_sec > 59)
        return false;
    time.tm_year -= 1900;
    time.tm_mon -= 1;
    microseconds = static_cast<int64_t>(timegm(&time)) * 1000000;
    return true;
}

bool WindowSystemOptionTakesValue(const std::string& argument)
{
    static const char* const withValue[] = {"-platform",
                                            "-platformpluginpath",
                                            "-platformtheme",
                                            "-plugin",
                                            "-display",
                                            "-geometry",
                                            "-qwindowgeometry",
                                            "-qwindowtitle",
                                            "-qwindowicon",
                                            "-style",
                                            "-stylesheet",
                                            "-session",
                                            "-name",
                                            "-title",
                                            "-qmljsdebugger"};
    for (const char* option : withValue)
        if (argument == option)
            return true;
    return false;
}
} // namespace

nxCommandLine::Outcome nxCommandLine::Parse(const std::vector<std::string>& arguments)
{
    m_options = nxProgramOptions();
    m_output.clear();
    m_error.clear();
    bool windowChosen = false;
    for (size_t i = 0; i < arguments.size(); ++i)
    {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h")
        {
            m_output = HelpText();
            return Outcome::Exit;
        }
        if (argument == "--version")
        {
            m_output = VersionText();
            return Outcome::Exit;
        }
        if (argument.rfind("--", 0) != 0)
        {
            if (argument.size() > 1 && argument[0] == '-')
            {
                // The window system's own, read by it; skip its value too.
                if (WindowSystemOptionTakesValue(argument) && i + 1 < arguments.size())
                    ++i;
                continue;
            }
            if (!m_options.openFile.empty())
                return Fail("only one document can be opened from the command line, not also " + argument),
                       Outcome::Error;
            m_options.openFile = argument;
            continue;
        }
        std::string name = argument.substr(2);
        std::string value;
        const size_t equals = name.find('=');
        const bool inlineValue = equals != std::string::npos;
        if (inlineValue)
        {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        if (!TakesValue(name))
            return Fail("unknown option --" + name + "; --help lists the options"), Outcome::Error;
        if (!inlineValue)
        {
            if (i + 1 >= arguments.size())
                return Fail("--" + name + " needs a value"), Outcome::Error;
            value = arguments[++i];
        }
        windowChosen = windowChosen || name == "window" || name == "settle";
        if (!Apply(name, value))
            return Outcome::Error;
    }
    if (windowChosen && m_options.screenshotFile.empty())
        return Fail("--window and --settle choose what --screenshot renders; give --screenshot FILE too"),
               Outcome::Error;
    if (std::string problem = m_options.platform.FindProblem(); !problem.empty())
        return Fail(problem), Outcome::Error;
    return Outcome::Run;
}

bool nxCommandLine::Fail(std::string message)
{
    m_error = std::move(message);
    return false;
}

bool nxCommandLine::TakesValue(const std::string& name) const
{
    static const char* const names[] = {"open",
                                        "workspace",
                                        "screenshot",
                                        "window",
                                        "settle",
                                        "log-rows",
                                        "server-count",
                                        "client-count",
                                        "server-host-count",
                                        "user-count",
                                        "seed",
                                        "start-time",
                                        "start-utc-microseconds",
                                        "status-period-seconds",
                                        "log-messages-per-second",
                                        "late-heartbeats-per-hour",
                                        "restarts-per-hour",
                                        "stops-reporting-per-hour",
                                        "failed-restarts-per-hour",
                                        "failovers-per-hour",
                                        "missing-after-seconds",
                                        "rights",
                                        "data-folder",
                                        "time-zone-folder",
                                        "silences",
                                        "refused-requests"};
    for (const char* known : names)
        if (name == known)
            return true;
    return false;
}

bool nxCommandLine::Apply(const std::string& name, const std::string& value)
{
    Options& platform = m_options.platform;
    const std::string flag = "--" + name;
    const auto whole = [&](double high, auto& field)
    {
        uint64_t number = 0;
        if (!ParseWhole(value, high, number))
            return Fail(flag + " must be a whole number, not " + value);
        field = static_cast<std::remove_reference_t<decltype(field)>>(number);
        return true;
    };
    const auto real = [&](double& field)
    {
        if (!ParseDouble(value, field))
            return Fail(flag + " must be a number, not " + value);
        return true;
    };
    const std::map<std::string, std::function<bool()>> appliers = {
        {"open", [&] { return m_options.openFile = value, true; }},
        {"workspace",
         [&]
         {
             uint64_t number = 0;
             if (!ParseWhole(value, 4, number) || number < 1)
                 return Fail("--workspace must be 1, 2, 3 or 4, not " + value);
             m_options.workspace = static_cast<int>(number);
             return true;
         }},
        {"screenshot",
         [&] {
             return m_options.screenshotFile = value,
                    !value.empty() || Fail("--screenshot needs a file name");
         }},
        {"window",
         [&]
         {
             static const std::map<std::string, nxProgramOptions::Window> windows = {
                 {"server", nxProgramOptions::Window::Server},
                 {"client", nxProgramOptions::Window::Client},
                 {"log", nxProgramOptions::Window::Log}};
             auto found = windows.find(value);
             if (found == windows.end())
                 return Fail("--window must be server, client or log, not " + value);
             m_options.screenshotWindow = found->second;
             return true;
         }},
        {"settle",
         [&]
         {
             double seconds = 0;
             if (!ParseDouble(value, seconds) || !(seconds >= 0 && seconds <= kMaxSettleSeconds))
                 return Fail("--settle must be a number of seconds from 0 to 3600, not " + value);
             m_options.settleSeconds = seconds;
             return true;
         }},
        {"log-rows",
         [&]
         {
             if (!ParseWhole(value, kMaxLogRows, m_options.logRowLimit))
                 return Fail("--log-rows must be a whole number from 0 (keep every row) to 1000000000, not " +
                             value);
             return true;
         }},
        {"server-count", [&] { return whole(4294967295.0, platform.serverCount); }},
        {"client-count", [&] { return whole(4294967295.0, platform.clientCount); }},
        {"server-host-count", [&] { return whole(4294967295.0, platform.serverHostCount); }},
        {"user-count", [&] { return whole(4294967295.0, platform.userCount); }},
        {"seed", [&] { return whole(18446744073709551615.0, platform.seed); }},
        {"start-utc-microseconds",
         [&]
         {
             uint64_t number = 0;
             if (!ParseWhole(value, 9.2e18, number))
                 return Fail(flag + " must be a whole number of microseconds since 1970, not " + value);
             platform.startUtcMicroseconds = static_cast<int64_t>(number);
             return true;
         }},
        {"start-time",
         [&]
         {
             if (!ParseUtcTime(value, platform.startUtcMicroseconds))
                 return Fail(
                     "--start-time must be a UTC time such as 2026-12-07T09:30 or 2026-12-07T09:30:15Z, "
                     "not " +
                     value);
             return true;
         }},
        {"status-period-seconds", [&] { return real(platform.statusPeriodSeconds); }},
        {"log-messages-per-second", [&] { return real(platform.logMessagesPerSecond); }},
        {"late-heartbeats-per-hour", [&] { return real(platform.lateHeartbeatsPerHour); }},
        {"restarts-per-hour", [&] { return real(platform.restartsPerHour); }},
        {"stops-reporting-per-hour", [&] { return real(platform.stopsReportingPerHour); }},
        {"failed-restarts-per-hour", [&] { return real(platform.failedRestartsPerHour); }},
        {"failovers-per-hour", [&] { return real(platform.failoversPerHour); }},
        {"missing-after-seconds", [&] { return real(platform.missingAfterSeconds); }},
        {"rights",
         [&]
         {
             platform.rights.clear();
             if (value == "none")
                 return true;
             for (const std::string& part : Split(value, ','))
             {
                 uint64_t right = 0;
                 if (!ParseWhole(part, 4294967295.0, right))
                     return Fail(
                         "--rights takes right numbers separated by commas (100006, 100919, 100920) or "
                         "none, not " +
                         value);
                 platform.rights.insert(static_cast<uint32_t>(right));
             }
             return true;
         }},
        {"data-folder", [&] { return platform.dataFolder = value, true; }},
        {"time-zone-folder", [&] { return platform.timeZoneFolder = value, true; }},
        {"silences",
         [&]
         {
             const std::vector<std::string> parts = Split(value, ':');
             auto feed = parts.size() == 3 ? Feeds().find(parts[0]) : Feeds().end();
             Options::Silence silence;
             if (feed == Feeds().end() || !ParseDouble(parts[1], silence.startSeconds) ||
                 !ParseDouble(parts[2], silence.durationSeconds))
                 return Fail("--silences takes FEED:START:LENGTH (seconds), FEED one of " + Names(Feeds()) +
                             ", not " + value);
             silence.feed = feed->second;
             platform.silences.push_back(silence);
             return true;
         }},
        {"refused-requests",
         [&]
         {
             for (const std::string& part : Split(value, ','))
             {
                 auto request = Requests().find(part);
                 if (request == Requests().end())
                     return Fail("--refused-requests takes request kinds separated by commas (" +
                                 Names(Requests()) + "), not " + part);
                 platform.refusedRequests.insert(request->second);
             }
             return true;
         }},
    };
    return appliers.at(name)();
}

std::string nxCommandLine::VersionText()
{
    return std::string("VantrelSystemManager ") + VSM_VERSION + "\n";
}

std::string nxCommandLine::HelpText()
{
    return R"(Usage: VantrelSystemManager [options] [document]

The operator console of the trading platform. It runs on an embedded, simulated
platform; the options below shape that platform and what the console opens.

Program:
  --help, -h                     this text
  --version                      the program's version
  --open FILE                    open a saved window (.KVRSysMgr, .KVRLogMgr, .KVRCliMgr);
                                 a plain argument does the same
  --workspace N                  open workspace N (1 to 4)
  --log-rows N                   rows the log keeps at most, oldest dropped first
                                 (default 250000; 0 keeps every row)
  --screenshot FILE              render one window offscreen to FILE (PNG) and exit
  --window server|client|log     the window to render (default server)
  --settle SECONDS               run the platform this long before rendering (default 5)

Platform size and clock:
  --server-count N               server applications (default 40, at most 100000)
  --client-count N               client applications (default 80, at most 100000)
  --server-host-count N          hosts the servers run on (default 8)
  --user-count N                 users whose workstations run the clients (default 24)
  --seed N                       the same seed gives the same platform and events (default 1)
  --start-time TIME              simulated UTC start, e.g. 2026-12-07T09:30 (default: now)
  --start-utc-microseconds N     the same, in microseconds since 1970 (0: now)
  --status-period-seconds S      seconds between whole status images (0.01 to 60, default 1)
  --log-messages-per-second R    log rate while every application runs (0 to 1000000, default 20)

Incidents (per application and hour unless said, 0 to 3600):
  --late-heartbeats-per-hour R   default 2
  --restarts-per-hour R          default 0.2
  --stops-reporting-per-hour R   falls silent and goes Missing (default 0.05)
  --failed-restarts-per-hour R   a restart fails inside scheduled hours (default 0.0005)
  --failovers-per-hour R         per server pair: the primary crashes (default 0.01)
  --missing-after-seconds S      silence before an application is Missing (1 to 3600, default 10)

Rights and faults:
  --rights LIST                  rights the user holds: 100006 (every window), 100919 (server
                                 applications and log), 100920 (client applications), comma-
                                 separated, or none (default 100006)
  --silences FEED:START:LENGTH   a feed delivers nothing from START for LENGTH seconds;
                                 FEED is server-status, client-status or log; repeatable
  --refused-requests LIST        request kinds the platform refuses, comma-separated:
                                 status-subscription, snapshot, stop, remove, log-subscription,
                                 schedule-list, schedule-read, schedule-save, schedule-delete,
                                 schedule-assign; repeatable

Files:
  --data-folder DIR              where schedule schemes are kept (default: the user's data folder)
  --time-zone-folder DIR         where the time-zone table is found (default: the installed one)

Environment:
  KVR_SYSTEM_MANAGER_SCROLL_RESET_TIMEOUT   seconds without input after which the server
                                 applications window scrolls back to its first row (default 180)

Bad values are refused with a message naming the option; the program then exits with status 2.
)";
}
