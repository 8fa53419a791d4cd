#pragma once

#include <cstdint>
#include <string>

// Something that happened on the embedded platform, as its ControlServer announces it
// in the log: what, to which application (and its partner), and the figures.
struct nxPlatformEvent
{
    enum class Kind
    {
        StartedBySchedule,
        StartedAgain, // after a failed restart or a crash
        StoppedBySchedule,
        StoppedByRequest,
        Restarted,        // a new process replaced the running one
        Crashed,          // the primary of a pair
        RestartFailed,    // inside its scheduled hours
        StoppedReporting, // it is Missing now
        ReportingAgain,
        HeartbeatLate,
        TookOver,      // the application became primary in place of its partner
        RolesRestored, // both halves of the pair are in their own roles again
        Removed,
        SchemeSaved,
        SchemeDeleted,
        SchemeAssigned,
        ScheduleCheck,
    };

    struct Application
    {
        std::string id;
        std::string name;
        std::string host;
    };

    Kind kind = Kind::ScheduleCheck;
    Application subject;
    Application partner; // TookOver, RolesRestored: the other half of the pair
    std::string scheme;  // the application's, or the one saved, deleted or assigned
    std::string reason;  // RestartFailed: why
    std::string version; // of the application, or of a saved scheme
    uint32_t processId = 0;
    uint32_t previousProcessId = 0;
    double seconds = 0.0; // HeartbeatLate: since the heartbeat before; StoppedReporting: silent for

    // ScheduleCheck: applications in the image, and those the schedules do not agree with.
    struct Counts
    {
        uint32_t total = 0;
        uint32_t running = 0;
        uint32_t unexpected = 0;
        uint32_t missing = 0;
        uint32_t otherRole = 0;
    } counts;
};
