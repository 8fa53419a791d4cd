#include "platform/service/nxSimulatedPlatform.h"

#include <algorithm>
#include <utility>

#include "platform/base/nxApplicationTypeEnum.h"
#include "platform/base/nxClientServerEnum.h"
#include "platform/service/nxExpectedStatusRules.h"
#include "platform/service/nxScheduleSchemeStore.h"

namespace
{
constexpr uint64_t kPlatformStream = 1;

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
    Reindex();
    for (const nxSimulatedApplication& server : m_servers)
    {
        const nxSimulatedApplication::Identity& identity = server.GetIdentity();
        if (identity.type == nxAppType::ControlServer)
            m_controlServers.push_back(identity.id);
        else if (identity.ownFTRole == nxFTState::Primary)
            m_pairs.push_back(identity.id);
    }
    for (const auto& [id, scheme] : savedAssignments)
        if (nxSimulatedApplication* application = Find(id))
            application->SetScheme(scheme);
}

void nxSimulatedPlatform::Reindex()
{
    m_index.clear();
    for (auto* applications : {&m_servers, &m_clients})
        for (nxSimulatedApplication& application : *applications)
            m_index.emplace(application.GetId(), &application);
    m_activeStale = true;
}

nxSimulatedApplication* nxSimulatedPlatform::Find(const std::string& id)
{
    const auto found = m_index.find(id);
    return found == m_index.end() ? nullptr : found->second;
}

const nxSimulatedApplication* nxSimulatedPlatform::Find(const std::string& id) const
{
    const auto found = m_index.find(id);
    return found == m_index.end() ? nullptr : found->second;
}

nxSimulatedApplication* nxSimulatedPlatform::Partner(const nxSimulatedApplication& application)
{
    const std::string& partner = application.GetIdentity().partnerId;
    return partner.empty() ? nullptr : Find(partner);
}

nxSimulatedApplication* nxSimulatedPlatform::Pick()
{
    const auto index = m_random.Below(static_cast<uint32_t>(GetApplicationCount()));
    if (index < m_servers.size())
        return &m_servers[index];
    return index - m_servers.size() < m_clients.size() ? &m_clients[index - m_servers.size()] : nullptr;
}

void nxSimulatedPlatform::Begin(const SchemeWindows& windows)
{
    m_windows = windows;
    for (auto* applications : {&m_servers, &m_clients})
        for (nxSimulatedApplication& application : *applications)
            if (const Window window = WindowOf(application); window.judged && !window.open)
                application.Stop();
    PlanOpening();
}

void nxSimulatedPlatform::Tick(double now, double period, SchemeWindows windows)
{
    m_followDue = m_followDue || windows != m_windows;
    m_windows = std::move(windows);
    RunDueActions(now);
    if (now >= OpeningSeconds)
        MakeIncidents(now, period);
    const bool follow = m_followDue;
    m_followDue = false;
    m_active.clear();
    for (auto* applications : {&m_servers, &m_clients})
        for (nxSimulatedApplication& application : *applications)
        {
            if (follow)
                FollowWindow(application, now);
            Advance(application, now);
            if (application.IsActive())
                m_active.push_back(&application);
        }
    m_activeStale = false;
    if (now >= m_nextCheck)
    {
        CheckSchedules();
        m_nextCheck += ScheduleCheckSeconds;
    }
}

nxSimulatedPlatform::Window nxSimulatedPlatform::WindowOf(const nxSimulatedApplication& application) const
{
    const auto window = m_windows.find(application.GetScheme());
    if (window == m_windows.end())
        return {};
    return {true, window->second};
}

uint32_t nxSimulatedPlatform::ExpectedStatus(const nxSimulatedApplication& application) const
{
    const Window window = WindowOf(application);
    nxExpectedStatusRules::Facts facts;
    facts.missing = application.IsMissing();
    facts.running = application.IsRunning();
    facts.inOwnFTRole = application.GetFTState() == application.GetIdentity().ownFTRole;
    facts.judged = window.judged;
    facts.expectedToRun = window.open;
    return nxExpectedStatusRules::Judge(facts);
}

nxSimulatedPlatform::Image nxSimulatedPlatform::BuildImage(uint32_t kind, double now,
                                                           int64_t utcAtZeroMicroseconds) const
{
    const std::vector<nxSimulatedApplication>& applications = kind == nxServerValue ? m_servers : m_clients;
    Image image;
    image.reserve(applications.size());
    for (const nxSimulatedApplication& application : applications)
    {
        image.push_back(std::make_unique<nxApplicationStatus>());
        application.FillStatus(*image.back(), ExpectedStatus(application), now, utcAtZeroMicroseconds);
    }
    return image;
}

bool nxSimulatedPlatform::FillStatus(const std::string& id, double now, int64_t utcAtZeroMicroseconds,
                                     nxApplicationStatus& status) const
{
    const nxSimulatedApplication* application = Find(id);
    if (!application)
        return false;
    application->FillStatus(status, ExpectedStatus(*application), now, utcAtZeroMicroseconds);
    return true;
}

const std::vector<const nxSimulatedApplication*>& nxSimulatedPlatform::GetActiveApplications()
{
    if (m_activeStale)
    {
        m_active.clear();
        for (const auto* applications : {&m_servers, &m_clients})
            for (const nxSimulatedApplication& application : *applications)
                if (application.IsActive())
                    m_active.push_back(&application);
        m_activeStale = false;
    }
    return m_active;
}

const nxSimulatedApplication* nxSimulatedPlatform::FindAnnouncer() const
{
    const nxSimulatedApplication* announcer = nullptr;
    for (const std::string& id : m_controlServers)
        if (const nxSimulatedApplication* control = Find(id); control && control->IsActive())
        {
            if (control->GetFTState() == nxFTState::Primary)
                return control;
            announcer = control;
        }
    return announcer;
}

std::vector<nxPlatformEvent> nxSimulatedPlatform::TakeEvents()
{
    std::vector<nxPlatformEvent> events;
    events.swap(m_events);
    return events;
}

nxPlatformEvent::Application nxSimulatedPlatform::Who(const nxSimulatedApplication& application)
{
    const nxSimulatedApplication::Identity& identity = application.GetIdentity();
    return {identity.id, identity.name, identity.host};
}

nxPlatformEvent nxSimulatedPlatform::Event(nxPlatformEvent::Kind kind,
                                           const nxSimulatedApplication& application) const
{
    nxPlatformEvent event;
    event.kind = kind;
    event.subject = Who(application);
    event.scheme = application.GetScheme();
    event.version = application.GetIdentity().version;
    event.processId = application.GetProcessID();
    return event;
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
    // An operator stopped it: its schedule leaves it stopped until its window closes.
    application->SetHeld(true);
    m_activeStale = true;
    Announce(Event(nxPlatformEvent::Kind::StoppedByRequest, *application));
    HandOver(*application);
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
        Announce(Event(nxPlatformEvent::Kind::Removed, *found));
        applications->erase(found);
        Reindex();
        return nxErrorEnum();
    }
    return UnknownApplication(id);
}

void nxSimulatedPlatform::Assign(const std::string& id, const std::string& scheme)
{
    nxSimulatedApplication* application = Find(id);
    if (!application)
        return;
    application->SetScheme(scheme);
    Announce(Event(nxPlatformEvent::Kind::SchemeAssigned, *application));
}

bool nxSimulatedPlatform::StopReporting(const std::string& id, double now, double returnAfterSeconds)
{
    nxSimulatedApplication* application = Find(id);
    if (!application || !application->IsActive())
        return false;
    FallSilent(*application, now, returnAfterSeconds);
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
