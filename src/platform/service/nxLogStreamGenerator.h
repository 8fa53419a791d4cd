#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/service/nxPlatformRandom.h"

#include "platform/service/nxPlatformEvent.h"

class nxLogMessage;
class nxSimulatedApplication;
class nxSimulatedPlatform;

// Writes the log messages of the platform: the everyday traffic of its running
// applications, each from its own host, with texts that fit its kind, levels 31 to
// 37 and a share addressed to one user; and the announcements of what happened, from
// the ControlServer that runs as primary, the only source of level 38.
class nxLogStreamGenerator
{
public:
    using Messages = std::vector<std::unique_ptr<nxLogMessage>>;

    explicit nxLogStreamGenerator(uint64_t seed);

    // How many messages a step of that many seconds carries: the rate on average,
    // in uneven bursts as real applications log.
    uint32_t CountForStep(double messagesPerSecond, double seconds);
    // Appends count messages of the running applications written at utcMicroseconds.
    void Generate(uint32_t count, nxSimulatedPlatform& platform, int64_t utcMicroseconds, Messages& messages);
    // Appends the lines that tell of the events. Without a ControlServer running, its
    // announcements go unwritten.
    static void Announce(const std::vector<nxPlatformEvent>& events, const nxSimulatedPlatform& platform,
                         int64_t utcMicroseconds, Messages& messages);

private:
    using Sources = std::vector<const nxSimulatedApplication*>;

    // What the fields of one message's text are filled from.
    struct Writer
    {
        const Sources& sources;
        const nxSimulatedPlatform& platform;
        const std::string& host; // the writer's own
        std::string user;        // the addressee, if any
    };

    uint32_t PickLevel();
    const char* PickTemplate(uint32_t level, uint32_t type);
    std::string Expand(const char* text, const Writer& writer);
    void AppendField(std::string& out, std::string_view field, const Writer& writer);
    void AppendNumber(std::string& out, uint32_t low, uint32_t high);
    void AppendPrice(std::string& out);

    nxPlatformRandom m_random;
    double m_owed = 0.0; // messages due but not yet written
};
