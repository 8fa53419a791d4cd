#pragma once

#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "contracts/nxApplicationStatus.h"
#include "contracts/nxControlCallback.h"
#include "platform/messaging/nxLogMessage.h"
#include "platform/service/nxEmbeddedControlService.h"

// Takes the log of an embedded platform and holds every message against the
// platform's image at the moment it arrives (the image the next batch shows): who
// wrote it, and for each ControlServer line naming applications ("ORR-0003
// (OrderRouter) on ldn-app01") that each exists with that name and host and is in
// the state the line tells of. What does not hold is kept as a fault.
class nxPlatformAuditor : public nxControlCallback
{
public:
    explicit nxPlatformAuditor(nxEmbeddedControlService& service) : m_service(service) {}

    // Learns every application of the image through snapshots of both kinds.
    void Learn()
    {
        for (const uint32_t kind : {nxServerValue, nxClientValue})
            m_service.GetApplicationStatusSnapshot(this, nullptr, nxClientServerEnum(kind));
        m_service.RunPending();
    }

    void OnApplicationStatusSnapshotResponse(const nxErrorEnum&, std::vector<nxApplicationStatus*>& statuses,
                                             void*) override
    {
        for (const nxApplicationStatus* status : statuses)
        {
            const std::string id = status->GetApplicationID().GetApplicationID();
            m_ids.push_back(id);
            m_writers[{status->GetApplicationName(), status->GetHostName()}].push_back(id);
        }
        DeleteStatuses(statuses);
    }

    void OnLogMessage(nxLogMessage* message, void*) override
    {
        ++m_messages;
        ++m_levels[message->GetLogLevel().GetValue()];
        CheckWriter(*message);
        if (message->GetApplicationName() == "ControlServer")
            CheckAnnouncement(*message);
        delete message;
    }

    // The share of the applications learnt that are Missing now.
    double MissingShare() const
    {
        size_t missing = 0;
        for (const std::string& id : m_ids)
        {
            nxApplicationStatus status;
            missing += m_service.GetApplicationStatus(id, status) &&
                       status.GetExpectedApplicationStatus().GetValue() == nxExpectedStatus::Missing;
        }
        return m_ids.empty() ? 0.0 : static_cast<double>(missing) / static_cast<double>(m_ids.size());
    }

    const std::vector<std::string>& Faults() const { return m_faults; }
    size_t ApplicationCount() const { return m_ids.size(); }
    size_t MessageCount() const { return m_messages; }
    const std::map<uint32_t, size_t>& Levels() const { return m_levels; }
    // Announcements by what they tell of ("stopped reporting", "takes over" ...).
    const std::map<std::string, size_t>& Announcements() const { return m_announcements; }

private:
    struct Named
    {
        std::string id;
        std::string name;
        std::string host;
    };

    static bool IsRunning(const nxApplicationStatus& status)
    {
        const uint32_t value = status.GetApplicationStatus().GetValue();
        return value == nxAppStatus::Starting || value == nxAppStatus::Running;
    }

    // Every "XXX-0000 (Name) on host" in the text, in order.
    static std::vector<Named> NamedApplications(std::string_view text)
    {
        std::vector<Named> named;
        for (size_t at = text.find(" ("); at != std::string_view::npos; at = text.find(" (", at + 1))
        {
            const size_t close = text.find(") on ", at);
            if (at < 8 || close == std::string_view::npos || text[at - 5] != '-')
                continue;
            const size_t hostStart = close + 5;
            const size_t hostEnd = text.find_first_of(" ,;:", hostStart);
            named.push_back({std::string(text.substr(at - 8, 8)),
                             std::string(text.substr(at + 2, close - at - 2)),
                             std::string(text.substr(hostStart, hostEnd == std::string_view::npos
                                                                    ? std::string_view::npos
                                                                    : hostEnd - hostStart))});
        }
        return named;
    }

    void Fault(const nxLogMessage& message, const std::string& why)
    {
        m_faults.push_back(why + ": " + message.GetApplicationName() + " on " + message.GetHostName() +
                           " at " + std::to_string(m_service.GetPlatformSeconds()) +
                           " s: " + message.GetLogEntry());
    }

    // Only a running application writes, on its own host; a stopped one only its stop line.
    void CheckWriter(const nxLogMessage& message)
    {
        const auto writers = m_writers.find({message.GetApplicationName(), message.GetHostName()});
        if (writers == m_writers.end())
            return Fault(message, "no such application on that host");
        const bool stopLine = message.GetLogEntry().rfind("Stopping", 0) == 0;
        for (const std::string& id : writers->second)
        {
            nxApplicationStatus status;
            if (!m_service.GetApplicationStatus(id, status))
                continue;
            const bool missing =
                status.GetExpectedApplicationStatus().GetValue() == nxExpectedStatus::Missing;
            if ((IsRunning(status) && !missing) ||
                (stopLine && status.GetApplicationStatus().GetValue() == nxAppStatus::Stopped))
                return;
        }
        Fault(message, "written by an application that does not run");
    }

    void CheckAnnouncement(const nxLogMessage& message)
    {
        const std::string& text = message.GetLogEntry();
        const std::vector<Named> named = NamedApplications(text);
        if (text.rfind("Schedule check: ", 0) == 0)
            return CheckScheduleCheck(message);
        if (named.empty())
        {
            if (message.GetLogLevel().GetValue() == nxLogLevel::Critical)
                Fault(message, "level 38 without an application");
            return;
        }
        std::vector<nxApplicationStatus> statuses(named.size());
        const bool removal = text.find(" removed from the status image") != std::string::npos;
        for (size_t i = 0; i < named.size(); ++i)
        {
            const bool held = m_service.GetApplicationStatus(named[i].id, statuses[i]);
            if (held == removal)
                return Fault(message, removal ? "still in the image" : "no such application");
            if (held && (statuses[i].GetApplicationName() != named[i].name ||
                         statuses[i].GetHostName() != named[i].host))
                return Fault(message, "another application or host than " + named[i].id + "'s");
        }
        if (!removal)
            CheckState(message, statuses);
    }

    // The state each kind of line tells of; a kind this does not know is a fault.
    void CheckState(const nxLogMessage& message, const std::vector<nxApplicationStatus>& statuses)
    {
        const std::string& text = message.GetLogEntry();
        const nxApplicationStatus& first = statuses.front();
        const uint32_t expected = first.GetExpectedApplicationStatus().GetValue();
        const uint32_t state = first.GetApplicationStatus().GetValue();
        auto has = [&text](const char* marker) { return text.find(marker) != std::string::npos; };
        const std::pair<const char*, bool> kinds[] = {
            {" started by its schedule", IsRunning(first)},
            {" started again as", IsRunning(first)},
            {" restarted: ", IsRunning(first)},
            {" is reporting again", IsRunning(first) && expected != nxExpectedStatus::Missing},
            {" stopped by its schedule", state == nxAppStatus::Stopped},
            {" stopped on request", state == nxAppStatus::Stopped},
            {" crashed: ", state == nxAppStatus::Stopped && expected == nxExpectedStatus::Unexpected},
            {" failed to restart", state == nxAppStatus::Stopped && expected == nxExpectedStatus::Unexpected},
            {" stopped reporting", expected == nxExpectedStatus::Missing},
            {" takes over as primary", statuses.size() == 2 &&
                                           first.GetFTState().GetValue() == nxFTState::Primary &&
                                           statuses[1].GetFTState().GetValue() == nxFTState::Backup},
            {" is primary again", statuses.size() == 2 &&
                                      first.GetFTState().GetValue() == nxFTState::Primary &&
                                      statuses[1].GetFTState().GetValue() == nxFTState::Backup},
            {"Late heartbeat from ", LatencyMatches(text, first)},
            {" now follows the schedule scheme ",
             text.ends_with("'" + first.GetApplicationScheduleName() + "'")},
            {" has no schedule scheme any more", first.GetApplicationScheduleName().empty()},
        };
        for (const auto& [marker, holds] : kinds)
            if (has(marker))
            {
                ++m_announcements[marker];
                if (!holds)
                    Fault(message, std::string("the image does not show what it tells of (") + marker + ")");
                if (message.GetLogLevel().GetValue() == nxLogLevel::Critical &&
                    expected != nxExpectedStatus::Unexpected && expected != nxExpectedStatus::Missing &&
                    expected != nxExpectedStatus::FTState)
                    Fault(message, "level 38 while the grid shows no incident");
                return;
            }
        Fault(message, "an announcement of an unknown kind");
    }

    // "Late heartbeat from X: 5.0 s after the one before": the latency cell shows it in ms.
    static bool LatencyMatches(const std::string& text, const nxApplicationStatus& status)
    {
        const size_t colon = text.rfind(": ");
        const double seconds = colon == std::string::npos ? -1.0 : std::atof(text.c_str() + colon + 2);
        return seconds > 1.0 && std::abs(status.GetHeartbeatLatency() - seconds * 1000.0) < 51.0;
    }

    void CheckScheduleCheck(const nxLogMessage& message)
    {
        size_t running = 0, unexpected = 0, missing = 0, otherRole = 0, total = 0;
        for (const std::string& id : m_ids)
        {
            nxApplicationStatus status;
            if (!m_service.GetApplicationStatus(id, status))
                continue;
            const uint32_t expected = status.GetExpectedApplicationStatus().GetValue();
            ++total;
            running += IsRunning(status);
            unexpected += expected == nxExpectedStatus::Unexpected;
            missing += expected == nxExpectedStatus::Missing;
            otherRole += expected == nxExpectedStatus::FTState;
        }
        const std::string figures = "Schedule check: " + std::to_string(running) + " of " +
                                    std::to_string(total) + " applications running; " +
                                    std::to_string(unexpected) + " unexpected, " + std::to_string(missing) +
                                    " missing, " + std::to_string(otherRole) +
                                    " in the other role of their pair";
        ++m_announcements["Schedule check"];
        if (message.GetLogEntry() != figures)
            Fault(message, "the figures are not the image's (" + figures + ")");
    }

    nxEmbeddedControlService& m_service;
    std::vector<std::string> m_ids;
    std::map<std::pair<std::string, std::string>, std::vector<std::string>> m_writers;
    std::vector<std::string> m_faults;
    std::map<uint32_t, size_t> m_levels;
    std::map<std::string, size_t> m_announcements;
    size_t m_messages = 0;
};
