// What goes wrong on nxSimulatedPlatform, and how it heals: the opening, incidents by
// chance, and the actions planned for later.
#include "platform/service/nxSimulatedPlatform.h"

#include <algorithm>
#include <array>

#include "platform/base/nxApplicationTypeEnum.h"

namespace
{
constexpr double kSecondsPerHour = 3600.0;
// A share of silent applications stays Missing until an operator removes it, but
// never more than one in a hundred, so an overnight run does not look like an outage.
constexpr double kStrandedShare = 0.05;
constexpr size_t kStrandedPerApplications = 100;

constexpr std::array<const char*, 4> kRestartFailures = {
    "its configuration could not be read", "its port is still held by the old process",
    "the licence server did not answer", "its database refused the connection"};

// Running for a while, reporting, and with nothing planned: what an incident may strike,
// so that an application never starts and fails in one period.
bool IsSettled(const nxSimulatedApplication* application)
{
    return application && application->IsActive() && application->GetStatus() == nxAppStatus::Running &&
           !application->IsPending();
}

template <class T> T* PickFrom(const std::vector<T*>& candidates, nxPlatformRandom& random)
{
    return candidates.empty() ? nullptr : candidates[random.Below(static_cast<uint32_t>(candidates.size()))];
}
} // namespace

// Within its first minute, whatever the seed, day and hour: a late heartbeat that
// clears, a primary that crashes and its backup taking over (Unexpected and FT State
// rows, a level-38 message), and a server falling silent and going Missing.
void nxSimulatedPlatform::PlanOpening()
{
    std::vector<nxSimulatedApplication*> running;
    std::vector<nxSimulatedApplication*> standalone;
    std::vector<nxSimulatedApplication*> pairs;
    for (nxSimulatedApplication& server : m_servers)
    {
        if (server.GetIdentity().type == nxAppType::ControlServer || !server.IsActive())
            continue;
        running.push_back(&server);
        if (server.GetIdentity().ownFTRole == nxFTState::Standalone)
            standalone.push_back(&server);
        const nxSimulatedApplication* backup = Partner(server);
        const Window window = WindowOf(server);
        if (server.GetFTState() == nxFTState::Primary && backup && backup->IsActive() && window.judged &&
            window.open)
            pairs.push_back(&server);
    }
    if (nxSimulatedApplication* late = PickFrom(running, m_random))
        Plan(Action::Kind::MakeLate, *late, m_random.Between(3.0, 6.0), m_random.Between(3.0, 5.0));
    nxSimulatedApplication* crashed = PickFrom(pairs, m_random);
    if (crashed)
        Plan(Action::Kind::Crash, *crashed, m_random.Between(14.0, 20.0));
    if (standalone.empty() && crashed)
        std::erase_if(running, [&](const nxSimulatedApplication* server)
                      { return server == crashed || server == Partner(*crashed); });
    if (nxSimulatedApplication* silent = PickFrom(standalone.empty() ? running : standalone, m_random))
        Plan(Action::Kind::FallSilent, *silent, m_random.Between(22.0, 30.0), m_random.Between(180.0, 600.0));
}

void nxSimulatedPlatform::Plan(Action::Kind kind, nxSimulatedApplication& application, double at,
                               double seconds)
{
    m_actions.emplace(at, Action{kind, application.GetId(), seconds});
    if (kind == Action::Kind::Start || kind == Action::Kind::Stop || kind == Action::Kind::Return ||
        kind == Action::Kind::Recover)
        application.SetPending(true);
}

void nxSimulatedPlatform::RunDueActions(double now)
{
    while (!m_actions.empty() && m_actions.begin()->first <= now)
    {
        const Action action = std::move(m_actions.begin()->second);
        m_actions.erase(m_actions.begin());
        m_followDue = true;
        if (nxSimulatedApplication* application = Find(action.id))
            Run(action, *application, now);
        else
            m_restoresPlanned.erase(action.id);
    }
}

void nxSimulatedPlatform::Run(const Action& action, nxSimulatedApplication& application, double now)
{
    using Kind = nxPlatformEvent::Kind;
    const Window window = WindowOf(application);
    switch (action.kind)
    {
    case Action::Kind::Start:
        application.SetPending(false);
        if (!application.IsRunning() && window.judged && window.open && !application.IsHeld())
            StartAgain(application, now, Kind::StartedBySchedule);
        break;
    case Action::Kind::Stop:
        application.SetPending(false);
        StopBySchedule(application);
        break;
    case Action::Kind::Return:
        application.SetPending(false);
        if (application.IsRunning() && !application.IsReporting())
            StartAgain(application, now, Kind::ReportingAgain);
        break;
    case Action::Kind::Recover:
        application.SetPending(false);
        // After its window has closed it stays down, as its schedule wants.
        if (!application.IsRunning() && (!window.judged || window.open))
            StartAgain(application, now, Kind::StartedAgain);
        break;
    case Action::Kind::RestoreRoles:
        RestoreRoles(application, now);
        break;
    case Action::Kind::MakeLate:
        application.MakeHeartbeatLate(now, action.seconds);
        break;
    case Action::Kind::Crash:
        Crash(application, now);
        break;
    case Action::Kind::FallSilent:
        if (IsSettled(&application))
            FallSilent(application, now, action.seconds);
        break;
    }
}

void nxSimulatedPlatform::MakeIncidents(double now, double period)
{
    const double applicationHours = static_cast<double>(GetApplicationCount()) * period / kSecondsPerHour;
    for (uint32_t n = m_random.Count(applicationHours * m_options.lateHeartbeatsPerHour); n > 0; --n)
        if (nxSimulatedApplication* application = Pick(); application && application->IsActive())
            application->MakeHeartbeatLate(now, m_random.Between(1.5, 8.0));
    for (uint32_t n = m_random.Count(applicationHours * m_options.restartsPerHour); n > 0; --n)
        if (nxSimulatedApplication* application = Pick(); IsSettled(application))
            RestartByChance(*application, now);
    for (uint32_t n = m_random.Count(applicationHours * m_options.stopsReportingPerHour); n > 0; --n)
        if (nxSimulatedApplication* application = Pick(); IsSettled(application))
        {
            const bool stranded =
                m_random.Chance(kStrandedShare) &&
                CountStranded() < std::max<size_t>(1, GetApplicationCount() / kStrandedPerApplications);
            FallSilent(*application, now, stranded ? -1.0 : m_random.Between(45.0, 300.0));
        }
    for (uint32_t n = m_random.Count(applicationHours * m_options.failedRestartsPerHour); n > 0; --n)
        if (nxSimulatedApplication* application = Pick(); IsSettled(application))
            FailRestart(*application, now);
    const double pairHours = static_cast<double>(m_pairs.size()) * period / kSecondsPerHour;
    for (uint32_t n = m_random.Count(pairHours * m_options.failoversPerHour); n > 0; --n)
        if (nxSimulatedApplication* first =
                Find(m_pairs[m_random.Below(static_cast<uint32_t>(m_pairs.size()))]))
        {
            nxSimulatedApplication* second = Partner(*first);
            Crash(second && second->GetFTState() == nxFTState::Primary ? *second : *first, now);
        }
}

void nxSimulatedPlatform::FallSilent(nxSimulatedApplication& application, double now, double returnAfter)
{
    application.StopReporting(now);
    m_activeStale = true;
    if (returnAfter >= 0.0)
        Plan(Action::Kind::Return, application, now + returnAfter);
}

size_t nxSimulatedPlatform::CountStranded() const
{
    size_t stranded = 0;
    for (const auto* applications : {&m_servers, &m_clients})
        for (const nxSimulatedApplication& application : *applications)
            stranded += application.IsRunning() && !application.IsReporting() && !application.IsPending();
    return stranded;
}

// Only a primary in its scheduled hours whose backup can take over crashes, so the
// grids always show the takeover.
bool nxSimulatedPlatform::Crash(nxSimulatedApplication& application, double now)
{
    nxSimulatedApplication* backup = Partner(application);
    const Window window = WindowOf(application);
    if (!IsSettled(&application) || application.GetFTState() != nxFTState::Primary || !backup ||
        !backup->IsActive() || backup->GetFTState() != nxFTState::Backup || !window.judged || !window.open)
        return false;
    application.Stop();
    m_activeStale = true;
    Announce(Event(nxPlatformEvent::Kind::Crashed, application));
    HandOver(application);
    Plan(Action::Kind::Recover, application, now + m_random.Between(20.0, 90.0));
    return true;
}

// Only inside its scheduled hours, where staying down shows as Unexpected.
void nxSimulatedPlatform::FailRestart(nxSimulatedApplication& application, double now)
{
    const Window window = WindowOf(application);
    if (!window.judged || !window.open)
        return;
    application.Stop();
    m_activeStale = true;
    nxPlatformEvent event = Event(nxPlatformEvent::Kind::RestartFailed, application);
    event.reason = kRestartFailures[m_random.Below(static_cast<uint32_t>(kRestartFailures.size()))];
    Announce(std::move(event));
    HandOver(application);
    Plan(Action::Kind::Recover, application, now + m_random.Between(120.0, 600.0));
}

void nxSimulatedPlatform::RestartByChance(nxSimulatedApplication& application, double now)
{
    const uint32_t previous = application.GetProcessID();
    application.Restart(now, m_random);
    nxPlatformEvent event = Event(nxPlatformEvent::Kind::Restarted, application);
    event.previousProcessId = previous;
    Announce(std::move(event));
}
