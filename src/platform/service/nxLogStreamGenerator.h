#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/service/nxPlatformRandom.h"

class nxLogMessage;
class nxSimulatedApplication;
class nxSimulatedPlatform;

// Writes the log messages of the platform's applications: texts that fit the kind
// of application, levels 31 to 38 with the top level rare, a share from the
// ControlServer, and a share addressed to one user.
class nxLogStreamGenerator
{
public:
    explicit nxLogStreamGenerator(uint64_t seed);

    // How many messages a step of that many seconds carries: the rate on average,
    // in uneven bursts as real applications log.
    uint32_t CountForStep(double messagesPerSecond, double seconds);
    // Appends count messages written at utcMicroseconds.
    void Generate(uint32_t count, const nxSimulatedPlatform& platform, int64_t utcMicroseconds,
                  std::vector<std::unique_ptr<nxLogMessage>>& messages);

private:
    struct Source
    {
        std::string application;
        std::string host;
        uint32_t type = 0;
    };

    Source PickSource(const nxSimulatedPlatform& platform);
    uint32_t PickLevel();
    const char* PickTemplate(uint32_t level, uint32_t type);
    std::string Expand(const char* text, const nxSimulatedPlatform& platform, const std::string& user);
    void AppendField(std::string& out, std::string_view field, const nxSimulatedPlatform& platform,
                     const std::string& user);
    void AppendNumber(std::string& out, uint32_t low, uint32_t high);
    void AppendPrice(std::string& out);

    nxPlatformRandom m_random;
    double m_owed = 0.0; // messages due but not yet written
};
