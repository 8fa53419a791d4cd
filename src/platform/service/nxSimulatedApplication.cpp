#include "platform/service/nxSimulatedApplication.h"

#include <algorithm>
#include <cmath>

#include "contracts/nxApplicationStatus.h"
#include "platform/service/nxPlatformRandom.h"

namespace
{
uint32_t NewProcessID(nxPlatformRandom& random)
{
    return 1000 + random.Below(64000);
}
} // namespace

nxSimulatedApplication::nxSimulatedApplication(Identity identity, std::string scheme, bool running,
                                               double startedAt, nxPlatformRandom& random)
    : m_identity(std::move(identity)), m_scheme(std::move(scheme)),
      m_status(running ? nxAppStatus::Running : nxAppStatus::Stopped), m_ftState(m_identity.ownFTRole),
      m_processId(NewProcessID(random)), m_startedAt(startedAt), m_baseLatency(random.Between(0.2, 2.5))
{
    m_latency = m_averageLatency = m_baseLatency;
}

nxSimulatedApplication::Outcome nxSimulatedApplication::Advance(double now, double missingAfterSeconds,
                                                                nxPlatformRandom& random)
{
    Outcome outcome;
    if (!IsRunning())
        return outcome;
    if (!m_reporting)
    {
        if (!m_missing && now - m_lastHeartbeat > missingAfterSeconds)
        {
            m_missing = true;
            outcome = {Outcome::Kind::WentMissing, now - m_lastHeartbeat};
        }
        return outcome;
    }
    if (m_lateUntil > now)
        return outcome;
    if (m_lateUntil >= 0.0)
    {
        // The late heartbeat arrives, and its round trip shows how late it was.
        outcome = {Outcome::Kind::LateHeartbeat, now - m_lastHeartbeat};
        Heartbeat(now, (now - m_lastHeartbeat) * 1000.0);
        m_lateUntil = -1.0;
    }
    else
    {
        Heartbeat(now, m_baseLatency * random.Between(0.6, 1.6));
    }
    if (m_status == nxAppStatus::Starting && now >= m_startingUntil)
        m_status = nxAppStatus::Running;
    return outcome;
}

void nxSimulatedApplication::Heartbeat(double now, double latency)
{
    m_lastHeartbeat = now;
    m_latency = latency;
    m_averageLatency = 0.9 * m_averageLatency + 0.1 * latency;
}

bool nxSimulatedApplication::Stop()
{
    if (!IsRunning() || !m_reporting)
        return false;
    m_status = nxAppStatus::Stopped;
    m_lateUntil = -1.0;
    return true;
}

void nxSimulatedApplication::Restart(double now, nxPlatformRandom& random)
{
    m_status = nxAppStatus::Starting;
    m_startingUntil = now + kStartingSeconds;
    m_processId = NewProcessID(random);
    m_startedAt = now;
    m_reporting = true;
    m_missing = false;
    m_held = false;
    m_lateUntil = -1.0;
    m_lastHeartbeat = now;
}

void nxSimulatedApplication::MakeHeartbeatLate(double now, double seconds)
{
    if (IsRunning() && m_reporting && m_lateUntil < 0.0)
        m_lateUntil = now + seconds;
}

void nxSimulatedApplication::StopReporting(double now)
{
    if (!IsRunning() || !m_reporting)
        return;
    m_reporting = false;
    m_lastHeartbeat = std::min(m_lastHeartbeat, now);
    m_lateUntil = -1.0;
}

void nxSimulatedApplication::FillStatus(nxApplicationStatus& status, uint32_t expectedStatus, double now,
                                        int64_t utcAtZeroMicroseconds) const
{
    status.SetApplicationID(nxApplicationID(m_identity.id));
    status.SetApplicationName(m_identity.name);
    status.SetApplicationInstanceName(m_identity.instance);
    status.SetHostName(m_identity.host);
    status.SetUserName(m_identity.user);
    status.SetLocation(m_identity.location);
    status.SetApplicationVersionNumber(m_identity.version);
    status.SetApplicationScheduleName(m_scheme);
    status.SetApplicationType(nxApplicationTypeEnum(m_identity.type));
    status.SetApplicationStatus(nxApplicationStatusEnum(m_missing ? nxAppStatus::NotResponding : m_status));
    status.SetExpectedApplicationStatus(nxExpectedApplicationStatusEnum(expectedStatus));
    status.SetFTState(nxFTStateEnum(m_ftState));
    status.SetProcessID(m_processId);
    // A stopped application sends no heartbeats, so it has no delta to show.
    const auto delta = static_cast<uint32_t>(std::floor(now - m_lastHeartbeat + 1e-6));
    status.SetHeartbeatDelta(IsRunning() ? nxUInt32ValueWrapper(delta) : nxUInt32ValueWrapper());
    status.SetHeartbeatLatency(m_latency);
    status.SetAverageHeartbeatLatency(m_averageLatency);
    status.SetStartTime(
        nxDateTime::FromUtcMicroseconds(utcAtZeroMicroseconds + std::llround(m_startedAt * 1e6)));
}
