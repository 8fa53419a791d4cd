#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/service/nxPlatformEvent.h"

// The log lines that tell of a platform event: the ControlServer's announcement,
// naming each application by id, name and host ("ORR-0003 (OrderRouter) on
// ldn-app01"), and for a start or a stop the application's own line. An
// application's own stop line is the only one it writes once stopped; it begins
// with "Stopping". Level 38 is kept for a crashed primary and a failed restart.
class nxPlatformAnnouncer
{
public:
    struct Line
    {
        bool fromControlServer = true; // else from the event's application, on its own host
        uint32_t level = 0;
        std::string text;
    };

    static void Write(const nxPlatformEvent& event, std::vector<Line>& lines);

private:
    static std::string Describe(const nxPlatformEvent::Application& application);
    static std::string StartLine(const nxPlatformEvent& event);
    static std::string ScheduleCheck(const nxPlatformEvent::Counts& counts);
};
