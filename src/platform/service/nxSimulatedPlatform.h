#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "contracts/nxApplicationStatus.h"
#include "platform/base/nxErrorEnum.h"
#include "platform/service/nxEmbeddedPlatformOptions.h"
#include "platform/service/nxPlatformEvent.h"
#include "platform/service/nxPlatformGenerator.h"
#include "platform/service/nxPlatformRandom.h"
#include "platform/service/nxSimulatedApplication.h"

// The applications of the embedded platform and what happens to them, one status
// period at a time. Times are platform seconds. Not locked: the service serialises
// every use.
//
// Applications follow the windows of their schemes, a few seconds apart as real
// ones do. Incidents heal or escalate over minutes: a silent application goes
// Missing and mostly comes back; a crashed primary hands its role to its running
// backup, restarts as the backup and takes its role back later; a failed restart is
// tried again. The first minute plays a fixed opening, so that every kind of row
// and incident shows early whatever the seed, day and hour; chance takes over after it.
// Everything that happens is kept as an event for the ControlServer to announce.
class nxSimulatedPlatform
{
public:
    // Whether each judged scheme expects its applications to run at the moment.
    // Applications whose scheme is not listed (none, "Ignore", unknown) are not judged.
    using SchemeWindows = std::unordered_map<std::string, bool>;
    using Image = std::vector<std::unique_ptr<nxApplicationStatus>>;

    static constexpr double OpeningSeconds = 60.0;
    static constexpr double ScheduleCheckSeconds = 300.0;

    // Saved assignments override the schemes applications are generated with.
    nxSimulatedPlatform(const nxEmbeddedPlatformOptions& options,
                        const std::map<std::string, std::string>& savedAssignments);

    // Puts every application in line with its window and plans the opening.
    void Begin(const SchemeWindows& windows);
    // One status period ending at now.
    void Tick(double now, double period, SchemeWindows windows);

    // The whole image of one kind (nxServerValue or nxClientValue).
    Image BuildImage(uint32_t kind, double now, int64_t utcAtZeroMicroseconds) const;
    // One application as the image shows it now; false when the image does not hold it.
    bool FillStatus(const std::string& id, double now, int64_t utcAtZeroMicroseconds,
                    nxApplicationStatus& status) const;

    // Requests; what they change is announced.
    nxErrorEnum Stop(const std::string& id);
    // Only an application that is Missing or scheduled "Ignore" leaves the image.
    nxErrorEnum Remove(const std::string& id);
    bool Has(const std::string& id) const { return Find(id) != nullptr; }
    void Assign(const std::string& id, const std::string& scheme);
    // Makes an application fall silent; it comes back after returnAfterSeconds unless that is negative.
    bool StopReporting(const std::string& id, double now, double returnAfterSeconds);
    size_t CountWithScheme(const std::string& scheme) const;

    size_t GetApplicationCount() const { return m_servers.size() + m_clients.size(); }
    // The applications that write to the log: running and reporting.
    const std::vector<const nxSimulatedApplication*>& GetActiveApplications();
    // The ControlServer that announces events: the running primary, else the other
    // half when it runs; null when neither does.
    const nxSimulatedApplication* FindAnnouncer() const;
    const std::vector<nxPlatformGenerator::User>& GetUsers() const { return m_users; }

    void Announce(nxPlatformEvent event)
    {
        m_events.push_back(std::move(event));
        m_followDue = true;
    }
    std::vector<nxPlatformEvent> TakeEvents();

private:
    struct Action
    {
        enum class Kind
        {
            Start,   // by its schedule
            Stop,    // by its schedule
            Return,  // a silent application comes back
            Recover, // started again after a crash or a failed restart
            RestoreRoles,
            MakeLate, // the opening's incidents
            Crash,
            FallSilent,
        };
        Kind kind;
        std::string id;
        double seconds = 0.0;
    };

    struct Window
    {
        bool judged = false;
        bool open = false;
    };

    uint32_t ExpectedStatus(const nxSimulatedApplication& application) const;
    Window WindowOf(const nxSimulatedApplication& application) const;
    nxSimulatedApplication* Find(const std::string& id);
    const nxSimulatedApplication* Find(const std::string& id) const;
    nxSimulatedApplication* Partner(const nxSimulatedApplication& application);
    void Reindex();
    nxSimulatedApplication* Pick();

    // nxSimulatedPlatform_Incidents.cpp
    void PlanOpening();
    void Plan(Action::Kind kind, nxSimulatedApplication& application, double at, double seconds = 0.0);
    void RunDueActions(double now);
    void Run(const Action& action, nxSimulatedApplication& application, double now);
    void MakeIncidents(double now, double period);
    void FallSilent(nxSimulatedApplication& application, double now, double returnAfter);
    bool Crash(nxSimulatedApplication& application, double now);
    void FailRestart(nxSimulatedApplication& application, double now);
    void RestartByChance(nxSimulatedApplication& application, double now);
    size_t CountStranded() const;

    // nxSimulatedPlatform_Pairs.cpp
    void FollowWindow(nxSimulatedApplication& application, double now);
    void Advance(nxSimulatedApplication& application, double now);
    void StartAgain(nxSimulatedApplication& application, double now, nxPlatformEvent::Kind kind);
    void StopBySchedule(nxSimulatedApplication& application);
    void HandOver(nxSimulatedApplication& lost);
    void RestoreRoles(nxSimulatedApplication& primary, double now);
    void CheckSchedules();

    nxPlatformEvent Event(nxPlatformEvent::Kind kind, const nxSimulatedApplication& application) const;
    static nxPlatformEvent::Application Who(const nxSimulatedApplication& application);

    const nxEmbeddedPlatformOptions m_options;
    nxPlatformRandom m_random;
    std::vector<nxSimulatedApplication> m_servers;
    std::vector<nxSimulatedApplication> m_clients;
    std::unordered_map<std::string, nxSimulatedApplication*> m_index;
    std::vector<std::string> m_pairs; // the id of the primary of each server pair
    std::vector<std::string> m_controlServers;
    std::vector<nxPlatformGenerator::User> m_users;
    SchemeWindows m_windows;
    std::multimap<double, Action> m_actions;
    std::set<std::string> m_restoresPlanned; // pairs, by the id of their primary
    std::vector<const nxSimulatedApplication*> m_active;
    bool m_activeStale = true;
    std::vector<nxPlatformEvent> m_events;
    // Something changed that may put an application out of line with its window:
    // a window, a planned action, an event. Otherwise a period has nothing to follow.
    bool m_followDue = true;
    double m_nextCheck = ScheduleCheckSeconds;
};
