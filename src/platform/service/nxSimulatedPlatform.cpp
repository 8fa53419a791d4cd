#include "platform/service/nxSimulatedPlatform.h"

#include <algorithm>
#include <utility>

#include "contracts/nxApplicationStatus.h"
#include "platform/base/nxApplicationTypeEnum.h"
#include "platform/base/nxClientServerEnum.h"
#include "platform/service/nxExpectedStatusRules.h"
#include "platform/service/nxScheduleSchemeStore.h"

namespace
{
constexpr uint64_t kPlatformStream = 1;
constexpr double kSecondsPerHour = 3600.0;

std::string Quoted(const std::string& text)
{
    return "'" + text + "'";
}

nxErrorEnum UnknownApplication(const std::string& id)
{
    return nxErrorEnum(nxErrorEnum::NotFound, "The platform has no application " + Quoted(id));
}
} // namespace

nxSimulatedPlatform::nxSimulatedPlatform(const nxEmbeddedPlatformOptions& options,
                                         const std::map<std::string, std::string>& savedAssignments)
    : m_options(options), m_random(options.seed, kPlatformStream)
{
    nxPlatformGenerator::Platform platform = nxPlatformGenerator::Generate(options, m_random);
    m_servers = std::move(platform.servers);
    m_clients = std::move(platform.clients);
    m_users = std::move(platform.users);
    for (const auto& [id, scheme] : savedAssignments)
        Assign(id, scheme);
}

void nxSimulatedPlatform::Begin(const SchemeWindows& windows)
{
    for (auto* applications : {&m_servers, &m_clients})
        for (nxSimulatedApplication& application : *applications)
        {
            const auto window = windows.find(application.GetScheme());
            if (window == windows.end())
                continue;
            // A few are left out of line, so the console has something to show.
            const bool runs = m_random.Chance(0.03) ? !window->second : window->second;
            if (!runs)
                application.Stop();
        }
    m_lastWindows = windows;
}

void nxSimulatedPlatform::Tick(double now, double period, const SchemeWindows& windows)
{
    FollowWindows(now, windows);
    MakeEvents(now, period);
    FailBack(now);
    for (auto* applications : {&m_servers, &m_clients})
        for (nxSimulatedApplication& application : *applications)
            application.Advance(now, m_options.missingAfterSeconds, m_random);
}

void nxSimulatedPlatform::FollowWindows(double now, const SchemeWindows& windows)
{
    SchemeWindows changed;
    for (const auto& [scheme, open] : windows)
    {
        const auto last = m_lastWindows.find(scheme);
        if (last != m_lastWindows.end() && last->second != open)
            changed.emplace(scheme, open);
    }
    m_lastWindows = windows;
    if (changed.empty())
        return;
    for (auto* applications : {&m_servers, &m_clients})
        for (nxSimulatedApplication& application : *applications)
        {
            const auto change = changed.find(application.GetScheme());
            if (change == changed.end() || application.IsMissing())
                continue;
            if (change->second && !application.IsRunning())
                application.Restart(now, m_random);
            else if (!change->second)
                application.Stop();
        }
}

nxSimulatedApplication* nxSimulatedPlatform::Pick()
{
    return const_cast<nxSimulatedApplication*>(PickApplication(m_random));
}

const nxSimulatedApplication* nxSimulatedPlatform::PickApplication(nxPlatformRandom& random) const
{
    const uint32_t index = random.Below(static_cast<uint32_t>(GetApplicationCount()));
    if (index < m_servers.size())
        return &m_servers[index];
    return index - m_servers.size() < m_clients.size() ? &m_clients[index - m_servers.size()] : nullptr;
}

void nxSimulatedPlatform::MakeEvents(double now, double period)
{
    const double applicationHours = static_cast<double>(GetApplicationCount()) * period / kSecondsPerHour;
    for (uint32_t n = m_random.Count(applicationHours * m_options.lateHeartbeatsPerHour); n > 0; --n)
        if (nxSimulatedApplication* application = Pick())
            application->MakeHeartbeatLate(now, m_random.Between(1.5, 8.0));
    for (uint32_t n = m_random.Count(applicationHours * m_options.restartsPerHour); n > 0; --n)
        if (nxSimulatedApplication* application = Pick();
            application && application->IsRunning() && application->IsReporting())
            application->Restart(now, m_random);
    for (uint32_t n = m_random.Count(applicationHours * m_options.stopsReportingPerHour); n > 0; --n)
        if (nxSimulatedApplication* application = Pick())
        {
            // Most come back by themselves; the rest stay Missing until an operator removes them.
            const double returnAfter = m_random.Chance(0.75) ? m_random.Between(30.0, 600.0) : -1.0;
            application->StopReporting(now, returnAfter < 0.0 ? -1.0 : now + returnAfter);
        }
    // About half the servers picked are primaries of a pair, so this is about the rate per pair.
    const double serverHours = static_cast<double>(m_servers.size()) * period / kSecondsPerHour;
    for (uint32_t n = m_random.Count(serverHours * m_options.failoversPerHour); n > 0; --n)
        FailOver(now);
}

void nxSimulatedPlatform::FailOver(double now)
{
    if (m_servers.empty())
        return;
    const nxSimulatedApplication& primary =
        m_servers[m_random.Below(static_cast<uint32_t>(m_servers.size()))];
    const nxSimulatedApplication::Identity& identity = primary.GetIdentity();
    if (identity.ownFTRole != nxFTState::Primary || primary.GetFTState() != nxFTState::Primary)
        return;
    const std::string primaryId = identity.id;
    const std::string backupId = identity.partnerId;
    if (SwapRoles(primaryId, backupId))
        m_failbacks.push_back({primaryId, backupId, now + m_random.Between(60.0, 600.0)});
}

void nxSimulatedPlatform::FailBack(double now)
{
    std::erase_if(m_failbacks,
                  [this, now](const Failback& failback)
                  {
                      if (failback.at > now)
                          return false;
                      SwapRoles(failback.backup, failback.primary);
                      return true;
                  });
}

// The application in the first role hands it to its partner and takes the partner's.
bool nxSimulatedPlatform::SwapRoles(const std::string& from, const std::string& to)
{
    nxSimulatedApplication* first = Find(from);
    nxSimulatedApplication* second = Find(to);
    if (!first || !second)
        return false;
    const uint32_t role = first->GetFTState();
    first->SetFTState(second->GetFTState());
    second->SetFTState(role);
    return true;
}

uint32_t nxSimulatedPlatform::ExpectedStatus(const nxSimulatedApplication& application,
                                             const SchemeWindows& windows)
{
    nxExpectedStatusRules::Facts facts;
    facts.missing = application.IsMissing();
    facts.running = application.IsRunning();
    facts.inOwnFTRole = application.GetFTState() == application.GetIdentity().ownFTRole;
    const auto window = windows.find(application.GetScheme());
    facts.judged = window != windows.end();
    facts.expectedToRun = facts.judged && window->second;
    return nxExpectedStatusRules::Judge(facts);
}

nxSimulatedPlatform::Image nxSimulatedPlatform::BuildImage(uint32_t kind, const SchemeWindows& windows,
                                                           double now, int64_t utcAtZeroMicroseconds) const
{
    const std::vector<nxSimulatedApplication>& applications = kind == nxServerValue ? m_servers : m_clients;
    Image image;
    image.reserve(applications.size());
    for (const nxSimulatedApplication& application : applications)
    {
        image.push_back(std::make_unique<nxApplicationStatus>());
        application.FillStatus(*image.back(), ExpectedStatus(application, windows), now,
                               utcAtZeroMicroseconds);
    }
    return image;
}

nxSimulatedApplication* nxSimulatedPlatform::Find(const std::string& id)
{
    return const_cast<nxSimulatedApplication*>(std::as_const(*this).Find(id));
}

const nxSimulatedApplication* nxSimulatedPlatform::Find(const std::string& id) const
{
    for (const auto* applications : {&m_servers, &m_clients})
        for (const nxSimulatedApplication& application : *applications)
            if (application.GetId() == id)
                return &application;
    return nullptr;
}

const nxSimulatedApplication* nxSimulatedPlatform::FindControlServer() const
{
    for (const nxSimulatedApplication& application : m_servers)
        if (application.GetIdentity().type == nxAppType::ControlServer)
            return &application;
    return nullptr;
}

nxErrorEnum nxSimulatedPlatform::Stop(const std::string& id)
{
    nxSimulatedApplication* application = Find(id);
    if (!application)
        return UnknownApplication(id);
    if (!application->IsRunning())
        return nxErrorEnum(nxErrorEnum::Refused, "Application " + Quoted(id) + " is already stopped");
    if (!application->Stop())
        return nxErrorEnum(nxErrorEnum::Refused,
                           "Application " + Quoted(id) + " is not answering and cannot be stopped");
    return nxErrorEnum();
}

nxErrorEnum nxSimulatedPlatform::Remove(const std::string& id)
{
    for (auto* applications : {&m_servers, &m_clients})
    {
        const auto found =
            std::find_if(applications->begin(), applications->end(),
                         [&id](const nxSimulatedApplication& app) { return app.GetId() == id; });
        if (found == applications->end())
            continue;
        if (!found->IsMissing() && found->GetScheme() != nxScheduleSchemeStore::IgnoreScheme)
            return nxErrorEnum(
                nxErrorEnum::Refused,
                "Application " + Quoted(id) + " cannot be removed: it is not Missing and its " +
                    "schedule is " + Quoted(found->GetScheme()) +
                    ". Only applications in the Missing state or with the schedule 'Ignore' can "
                    "be removed");
        applications->erase(found);
        return nxErrorEnum();
    }
    return UnknownApplication(id);
}

void nxSimulatedPlatform::Assign(const std::string& id, const std::string& scheme)
{
    if (nxSimulatedApplication* application = Find(id))
        application->SetScheme(scheme);
}

bool nxSimulatedPlatform::StopReporting(const std::string& id, double now, double returnAfterSeconds)
{
    nxSimulatedApplication* application = Find(id);
    if (!application || !application->IsRunning() || !application->IsReporting())
        return false;
    application->StopReporting(now, returnAfterSeconds < 0.0 ? -1.0 : now + returnAfterSeconds);
    return true;
}

size_t nxSimulatedPlatform::CountWithScheme(const std::string& scheme) const
{
    size_t count = 0;
    for (const auto* applications : {&m_servers, &m_clients})
        count += static_cast<size_t>(std::count_if(applications->begin(), applications->end(),
                                                   [&](const nxSimulatedApplication& app)
                                                   { return app.GetScheme() == scheme; }));
    return count;
}
