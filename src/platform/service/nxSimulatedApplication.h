#pragma once

#include <cstdint>
#include <string>

#include "platform/base/nxApplicationStatusEnum.h"
#include "platform/base/nxFTStateEnum.h"

class nxApplicationStatus;
class nxPlatformRandom;

// One application of the embedded platform: what it is, and how it is doing. Times
// are platform seconds. It knows nothing of schedules; the platform judges it.
class nxSimulatedApplication
{
public:
    // What one heartbeat period brought.
    struct Outcome
    {
        enum class Kind
        {
            Nothing,
            LateHeartbeat, // arrived; seconds since the one before
            WentMissing,   // silent for seconds
        };
        Kind kind = Kind::Nothing;
        double seconds = 0.0;
    };

    struct Identity
    {
        std::string id;
        std::string name;
        std::string instance;
        std::string host;
        std::string user;
        std::string location;
        std::string version;
        uint32_t type = 0;
        uint32_t ownFTRole = nxFTState::Standalone;
        std::string partnerId; // the other half of its fault-tolerant pair, if any
    };

    nxSimulatedApplication(Identity identity, std::string scheme, bool running, double startedAt,
                           nxPlatformRandom& random);

    const Identity& GetIdentity() const { return m_identity; }
    const std::string& GetId() const { return m_identity.id; }
    const std::string& GetScheme() const { return m_scheme; }
    void SetScheme(std::string scheme) { m_scheme = std::move(scheme); }
    uint32_t GetFTState() const { return m_ftState; }
    void SetFTState(uint32_t state) { m_ftState = state; }
    uint32_t GetStatus() const { return m_status; }
    uint32_t GetProcessID() const { return m_processId; }

    bool IsRunning() const { return m_status != nxAppStatus::Stopped; }
    bool IsReporting() const { return m_reporting; }
    bool IsMissing() const { return m_missing; }
    // Running and reporting: it writes to the log and can take over for its partner.
    bool IsActive() const { return IsRunning() && m_reporting; }
    // Stopped by an operator: its schedule does not start it again until its window closes.
    bool IsHeld() const { return m_held; }
    void SetHeld(bool held) { m_held = held; }
    // The platform has something planned for it, so it leaves it alone meanwhile.
    bool IsPending() const { return m_pending; }
    void SetPending(bool pending) { m_pending = pending; }

    // One heartbeat period: a heartbeat arrives unless it is late or the
    // application has stopped reporting, which makes it Missing in the end.
    Outcome Advance(double now, double missingAfterSeconds, nxPlatformRandom& random);
    // The process ends, cleanly or not. False, changing nothing, when it is not
    // running or does not answer.
    bool Stop();
    // A fresh process: new pid and start time, starting for a moment, then running.
    void Restart(double now, nxPlatformRandom& random);
    void MakeHeartbeatLate(double now, double seconds);
    // From now on it sends nothing until it is restarted.
    void StopReporting(double now);

    void FillStatus(nxApplicationStatus& status, uint32_t expectedStatus, double now,
                    int64_t utcAtZeroMicroseconds) const;

private:
    static constexpr double kStartingSeconds = 2.0;

    void Heartbeat(double now, double latency);

    Identity m_identity;
    std::string m_scheme;
    uint32_t m_status = nxAppStatus::Running;
    uint32_t m_ftState;
    uint32_t m_processId = 0;
    double m_startedAt = 0.0;
    double m_startingUntil = 0.0;
    double m_lastHeartbeat = 0.0;
    double m_lateUntil = -1.0;
    double m_baseLatency = 1.0;
    double m_latency = 1.0;
    double m_averageLatency = 1.0;
    bool m_reporting = true;
    bool m_missing = false;
    bool m_held = false;
    bool m_pending = false;
};
