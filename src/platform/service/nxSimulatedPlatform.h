#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "contracts/nxApplicationStatus.h"
#include "platform/base/nxErrorEnum.h"
#include "platform/service/nxEmbeddedPlatformOptions.h"
#include "platform/service/nxPlatformGenerator.h"
#include "platform/service/nxPlatformRandom.h"
#include "platform/service/nxSimulatedApplication.h"

// The applications of the embedded platform and what happens to them, one status
// period at a time. Times are platform seconds. Not locked: the service serialises
// every use.
class nxSimulatedPlatform
{
public:
    // Whether each judged scheme expects its applications to run at the moment.
    // Applications whose scheme is not listed (none, "Ignore", unknown) are not judged.
    using SchemeWindows = std::unordered_map<std::string, bool>;
    using Image = std::vector<std::unique_ptr<nxApplicationStatus>>;

    // Saved assignments override the schemes applications are generated with.
    nxSimulatedPlatform(const nxEmbeddedPlatformOptions& options,
                        const std::map<std::string, std::string>& savedAssignments);

    // Puts applications in line with their windows at the start, leaving a few out of line.
    void Begin(const SchemeWindows& windows);
    // One status period ending at now: windows that opened start their applications
    // and windows that closed stop them; heartbeats arrive or are late; now and then
    // an application restarts, stops reporting or its pair fails over.
    void Tick(double now, double period, const SchemeWindows& windows);

    // The whole image of one kind (nxServerValue or nxClientValue).
    Image BuildImage(uint32_t kind, const SchemeWindows& windows, double now,
                     int64_t utcAtZeroMicroseconds) const;

    nxErrorEnum Stop(const std::string& id);
    // Only an application that is Missing or scheduled "Ignore" leaves the image.
    nxErrorEnum Remove(const std::string& id);
    bool Has(const std::string& id) const { return Find(id) != nullptr; }
    void Assign(const std::string& id, const std::string& scheme);
    // Makes an application fall silent; it comes back after returnAfterSeconds unless that is negative.
    bool StopReporting(const std::string& id, double now, double returnAfterSeconds);
    size_t CountWithScheme(const std::string& scheme) const;

    size_t GetApplicationCount() const { return m_servers.size() + m_clients.size(); }
    // Null when there are no applications.
    const nxSimulatedApplication* PickApplication(nxPlatformRandom& random) const;
    const nxSimulatedApplication* FindControlServer() const;
    const std::vector<nxPlatformGenerator::User>& GetUsers() const { return m_users; }

private:
    struct Failback
    {
        std::string primary;
        std::string backup;
        double at;
    };

    static uint32_t ExpectedStatus(const nxSimulatedApplication& application, const SchemeWindows& windows);
    nxSimulatedApplication* Find(const std::string& id);
    const nxSimulatedApplication* Find(const std::string& id) const;
    nxSimulatedApplication* Pick();
    void FollowWindows(double now, const SchemeWindows& windows);
    void MakeEvents(double now, double period);
    void FailOver(double now);
    void FailBack(double now);
    bool SwapRoles(const std::string& primary, const std::string& backup);

    const nxEmbeddedPlatformOptions m_options;
    nxPlatformRandom m_random;
    std::vector<nxSimulatedApplication> m_servers;
    std::vector<nxSimulatedApplication> m_clients;
    std::vector<nxPlatformGenerator::User> m_users;
    std::vector<Failback> m_failbacks;
    SchemeWindows m_lastWindows;
};
