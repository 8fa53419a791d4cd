#pragma once

#include <atomic>
#include <random>
#include <string>
#include <vector>

#include "contracts/nxApplicationStatus.h"

// A status that counts how many of its kind are alive, so tests can prove that
// every delivered status is deleted exactly once.
class nxCountedStatus : public nxApplicationStatus
{
public:
    nxCountedStatus() { s_alive.fetch_add(1); }
    nxCountedStatus(const nxCountedStatus& other) : nxApplicationStatus(other) { s_alive.fetch_add(1); }
    ~nxCountedStatus() override { s_alive.fetch_sub(1); }
    nxApplicationStatus* CopyInstance() const override { return new nxCountedStatus(*this); }

    static int Alive() { return s_alive.load(); }

private:
    static inline std::atomic<int> s_alive{0};
};

struct nxStatusFields
{
    std::string id;
    uint32_t type = 7001; // a server type
    uint32_t expected = 8201;
    uint32_t delta = 0;
    uint32_t status = 8002;
    std::string schedule = "Weekdays";
    std::string location = "London";
    double latency = 0.5;
};

inline nxCountedStatus* MakeStatus(const nxStatusFields& wanted)
{
    auto* status = new nxCountedStatus();
    status->SetApplicationID(nxApplicationID(wanted.id));
    status->SetApplicationName("App-" + wanted.id);
    status->SetApplicationInstanceName("inst");
    status->SetHostName("host1");
    status->SetUserName("ops");
    status->SetLocation(wanted.location);
    status->SetApplicationVersionNumber("1.2.3");
    status->SetApplicationScheduleName(wanted.schedule);
    status->SetApplicationType(nxApplicationTypeEnum(wanted.type));
    status->SetApplicationStatus(nxApplicationStatusEnum(wanted.status));
    status->SetExpectedApplicationStatus(nxExpectedApplicationStatusEnum(wanted.expected));
    status->SetFTState(nxFTStateEnum(8101));
    status->SetProcessID(4242);
    status->SetHeartbeatDelta(nxUInt32ValueWrapper(wanted.delta));
    status->SetHeartbeatLatency(wanted.latency);
    status->SetAverageHeartbeatLatency(0.25);
    status->SetStartTime(nxDateTime(2026, 12, 5, 8, 0, 0));
    return status;
}

inline nxCountedStatus* MakeServer(const std::string& id)
{
    return MakeStatus({.id = id});
}
inline nxCountedStatus* MakeClient(const std::string& id)
{
    return MakeStatus({.id = id, .type = 7101});
}

// A whole image of servers "S0".."S<count-1>" in which about one in six is
// missing and expected status, heartbeat and location vary at random.
inline std::vector<nxApplicationStatus*> RandomServerImage(std::mt19937& random, int count)
{
    const char* locations[] = {"London", "Paris", "Oslo", "Rome", "Tokyo"};
    std::vector<nxApplicationStatus*> image;
    for (int i = 0; i < count; ++i)
        if (random() % 6 != 0)
            image.push_back(MakeStatus({.id = "S" + std::to_string(i),
                                        .expected = 8201 + static_cast<uint32_t>(random() % 4),
                                        .delta = static_cast<uint32_t>(random() % 3),
                                        .location = locations[random() % 5]}));
    return image;
}
