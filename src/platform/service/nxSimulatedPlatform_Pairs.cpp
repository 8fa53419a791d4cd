// How nxSimulatedPlatform keeps applications in line with their schedules, and the
// two halves of a pair in their roles.
#include "platform/service/nxSimulatedPlatform.h"

namespace
{
uint32_t OtherRole(uint32_t role)
{
    return role == nxFTState::Primary ? nxFTState::Backup : nxFTState::Primary;
}
} // namespace

// Starts and stops follow a window a few seconds apart, and now and then minutes late.
void nxSimulatedPlatform::FollowWindow(nxSimulatedApplication& application, double now)
{
    if (application.IsPending() || (application.IsRunning() && !application.IsReporting()))
        return;
    const Window window = WindowOf(application);
    if (!window.judged)
        return;
    if (!window.open)
        application.SetHeld(false);
    const bool outOfLine =
        window.open ? !application.IsRunning() && !application.IsHeld() : application.IsRunning();
    if (!outOfLine)
        return;
    const double delay = m_random.Chance(0.03) ? m_random.Between(60.0, 240.0) : m_random.Between(0.5, 12.0);
    Plan(window.open ? Action::Kind::Start : Action::Kind::Stop, application, now + delay);
}

void nxSimulatedPlatform::Advance(nxSimulatedApplication& application, double now)
{
    using Outcome = nxSimulatedApplication::Outcome;
    const Outcome outcome = application.Advance(now, m_options.missingAfterSeconds, m_random);
    if (outcome.kind == Outcome::Kind::Nothing)
        return;
    nxPlatformEvent event =
        Event(outcome.kind == Outcome::Kind::LateHeartbeat ? nxPlatformEvent::Kind::HeartbeatLate
                                                           : nxPlatformEvent::Kind::StoppedReporting,
              application);
    event.seconds = outcome.seconds;
    Announce(std::move(event));
    if (outcome.kind == Outcome::Kind::WentMissing)
        HandOver(application);
}

// A new process takes its own role, unless its partner runs in it: then the other,
// until the pair's roles are restored.
void nxSimulatedPlatform::StartAgain(nxSimulatedApplication& application, double now,
                                     nxPlatformEvent::Kind kind)
{
    const uint32_t previous = application.GetProcessID();
    const uint32_t ownRole = application.GetIdentity().ownFTRole;
    const nxSimulatedApplication* partner = Partner(application);
    const bool roleTaken = partner && partner->IsActive() && partner->GetFTState() == ownRole;
    application.SetFTState(roleTaken ? OtherRole(ownRole) : ownRole);
    application.Restart(now, m_random);
    m_activeStale = true;
    nxPlatformEvent event = Event(kind, application);
    event.previousProcessId = previous;
    Announce(std::move(event));
    if (!roleTaken)
        return;
    const std::string& primary =
        ownRole == nxFTState::Primary ? application.GetId() : application.GetIdentity().partnerId;
    if (m_restoresPlanned.insert(primary).second)
        if (nxSimulatedApplication* own = Find(primary))
            Plan(Action::Kind::RestoreRoles, *own, now + m_random.Between(300.0, 900.0));
}

// A pair closes down together at the end of its window: no takeover.
void nxSimulatedPlatform::StopBySchedule(nxSimulatedApplication& application)
{
    const Window window = WindowOf(application);
    if (!application.IsActive() || !window.judged || window.open)
        return;
    application.Stop();
    m_activeStale = true;
    Announce(Event(nxPlatformEvent::Kind::StoppedBySchedule, application));
}

// A primary that is lost hands its role to its backup, but only to one that runs and reports.
void nxSimulatedPlatform::HandOver(nxSimulatedApplication& lost)
{
    if (lost.GetFTState() != nxFTState::Primary)
        return;
    nxSimulatedApplication* partner = Partner(lost);
    if (!partner || !partner->IsActive() || partner->GetFTState() != nxFTState::Backup)
        return;
    partner->SetFTState(nxFTState::Primary);
    lost.SetFTState(nxFTState::Backup);
    nxPlatformEvent event = Event(nxPlatformEvent::Kind::TookOver, *partner);
    event.partner = Who(lost);
    Announce(std::move(event));
}

// Once both halves run and report again, each takes its own role back; until then it waits.
void nxSimulatedPlatform::RestoreRoles(nxSimulatedApplication& primary, double now)
{
    nxSimulatedApplication* backup = Partner(primary);
    const uint32_t own = primary.GetIdentity().ownFTRole;
    if (!backup || (primary.GetFTState() == own && backup->GetFTState() == OtherRole(own)))
    {
        m_restoresPlanned.erase(primary.GetId());
        return;
    }
    if (!primary.IsActive() || !backup->IsActive())
    {
        Plan(Action::Kind::RestoreRoles, primary, now + 300.0);
        return;
    }
    primary.SetFTState(own);
    backup->SetFTState(OtherRole(own));
    m_restoresPlanned.erase(primary.GetId());
    nxPlatformEvent event = Event(nxPlatformEvent::Kind::RolesRestored, primary);
    event.partner = Who(*backup);
    Announce(std::move(event));
}

void nxSimulatedPlatform::CheckSchedules()
{
    nxPlatformEvent event;
    event.kind = nxPlatformEvent::Kind::ScheduleCheck;
    for (const auto* applications : {&m_servers, &m_clients})
        for (const nxSimulatedApplication& application : *applications)
        {
            const uint32_t expected = ExpectedStatus(application);
            ++event.counts.total;
            event.counts.running += application.IsRunning() && !application.IsMissing();
            event.counts.unexpected += expected == nxExpectedStatus::Unexpected;
            event.counts.missing += expected == nxExpectedStatus::Missing;
            event.counts.otherRole += expected == nxExpectedStatus::FTState;
        }
    Announce(std::move(event));
}
