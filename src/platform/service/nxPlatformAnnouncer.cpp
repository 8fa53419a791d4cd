#include "platform/service/nxPlatformAnnouncer.h"

#include <cstdio>

#include "platform/base/nxLogLevelEnum.h"

namespace
{
std::string Quoted(const std::string& text)
{
    return "'" + text + "'";
}

std::string Seconds(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", seconds);
    return text;
}

std::string Process(uint32_t processId)
{
    return "process " + std::to_string(processId);
}
} // namespace

std::string nxPlatformAnnouncer::Describe(const nxPlatformEvent::Application& application)
{
    return application.id + " (" + application.name + ") on " + application.host;
}

std::string nxPlatformAnnouncer::StartLine(const nxPlatformEvent& event)
{
    return "Started: version " + event.version + ", " + Process(event.processId);
}

std::string nxPlatformAnnouncer::ScheduleCheck(const nxPlatformEvent::Counts& counts)
{
    return "Schedule check: " + std::to_string(counts.running) + " of " + std::to_string(counts.total) +
           " applications running; " + std::to_string(counts.unexpected) + " unexpected, " +
           std::to_string(counts.missing) + " missing, " + std::to_string(counts.otherRole) +
           " in the other role of their pair";
}

void nxPlatformAnnouncer::Write(const nxPlatformEvent& event, std::vector<Line>& lines)
{
    using Kind = nxPlatformEvent::Kind;
    const std::string who = Describe(event.subject);
    auto announce = [&lines](uint32_t level, std::string text) {
        lines.push_back({true, level, std::move(text)});
    };
    auto own = [&lines](std::string text) { lines.push_back({false, nxLogLevel::Info, std::move(text)}); };
    switch (event.kind)
    {
    case Kind::StartedBySchedule:
        announce(nxLogLevel::Info, who + " started by its schedule " + Quoted(event.scheme) + " as " +
                                       Process(event.processId));
        own(StartLine(event));
        break;
    case Kind::StartedAgain:
        announce(nxLogLevel::Notice, who + " started again as " + Process(event.processId));
        own(StartLine(event));
        break;
    case Kind::StoppedBySchedule:
        announce(nxLogLevel::Info, who + " stopped by its schedule " + Quoted(event.scheme));
        own("Stopping: the end of its scheduled hours");
        break;
    case Kind::StoppedByRequest:
        announce(nxLogLevel::Notice, who + " stopped on request");
        own("Stopping on request from the ControlServer");
        break;
    case Kind::Restarted:
        announce(nxLogLevel::Notice, who + " restarted: " + Process(event.previousProcessId) + " ended, " +
                                         Process(event.processId) + " started");
        own(StartLine(event));
        break;
    case Kind::Crashed:
        announce(nxLogLevel::Critical, "FATAL: " + who + ", the primary of its pair, crashed: " +
                                           Process(event.processId) + " ended with signal 11");
        break;
    case Kind::RestartFailed:
        announce(nxLogLevel::Critical, "FATAL: " + who + " failed to restart: " + event.reason +
                                           "; it stays down inside its scheduled hours");
        break;
    case Kind::StoppedReporting:
        announce(nxLogLevel::Error, who + " stopped reporting: no heartbeat for " + Seconds(event.seconds));
        break;
    case Kind::ReportingAgain:
        announce(nxLogLevel::Info, who + " is reporting again as " + Process(event.processId));
        own(StartLine(event));
        break;
    case Kind::HeartbeatLate:
        announce(nxLogLevel::Warning,
                 "Late heartbeat from " + who + ": " + Seconds(event.seconds) + " after the one before");
        break;
    case Kind::TookOver:
        announce(nxLogLevel::Minor, who + " takes over as primary from " + Describe(event.partner));
        break;
    case Kind::RolesRestored:
        announce(nxLogLevel::Info,
                 who + " is primary again, with " + Describe(event.partner) + " as its backup");
        break;
    case Kind::Removed:
        announce(nxLogLevel::Notice, who + " removed from the status image on request");
        break;
    case Kind::SchemeSaved:
        announce(nxLogLevel::Info,
                 "Schedule scheme " + Quoted(event.scheme) + " saved at version " + event.version);
        break;
    case Kind::SchemeDeleted:
        announce(nxLogLevel::Info, "Schedule scheme " + Quoted(event.scheme) + " deleted");
        break;
    case Kind::SchemeAssigned:
        announce(nxLogLevel::Info, event.scheme.empty()
                                       ? who + " has no schedule scheme any more"
                                       : who + " now follows the schedule scheme " + Quoted(event.scheme));
        break;
    case Kind::ScheduleCheck:
        announce(nxLogLevel::Info, ScheduleCheck(event.counts));
        break;
    }
}
