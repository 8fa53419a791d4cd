// The requests of nxEmbeddedControlService: what the console asks of its control,
// security and time-zone services.
#include "platform/service/nxEmbeddedControlService.h"

#include <algorithm>
#include <map>

#include "contracts/nxApplicationID.h"
#include "contracts/nxApplicationScheduleAssignment.h"

namespace
{
std::string Quoted(const std::string& text)
{
    return "'" + text + "'";
}

bool IsKnownKind(uint32_t kind)
{
    return kind == nxServerValue || kind == nxClientValue;
}

nxErrorEnum NoCallback()
{
    return nxErrorEnum(nxErrorEnum::InvalidArgument, "The request names no callback");
}

nxErrorEnum NotSubscribed(const std::string& feed)
{
    return nxErrorEnum(nxErrorEnum::NotFound, "That callback was not subscribed to " + feed);
}
} // namespace

nxErrorEnum nxEmbeddedControlService::Refusal(Options::Request request, const char* what) const
{
    if (!m_optionsProblem.empty())
        return nxErrorEnum(nxErrorEnum::Refused, "The embedded platform did not start: " + m_optionsProblem);
    std::lock_guard guard(m_lock);
    if (!m_refused.count(request))
        return nxErrorEnum();
    return nxErrorEnum(nxErrorEnum::Refused, std::string("The platform refused to ") + what +
                                                 " (it was set to refuse such requests)");
}

nxErrorEnum nxEmbeddedControlService::CheckStatusRequest(nxControlCallback* callback,
                                                         const nxClientServerEnum& kind,
                                                         Options::Request request, const char* what) const
{
    if (const nxErrorEnum refused = Refusal(request, what); !refused.IsOK())
        return refused;
    if (!callback)
        return NoCallback();
    if (!IsKnownKind(kind.GetValue()))
        return nxErrorEnum(nxErrorEnum::InvalidArgument,
                           "There is no kind of application numbered " + std::to_string(kind.GetValue()) +
                               "; ask for server (72) or client (71) applications");
    return nxErrorEnum();
}

bool nxEmbeddedControlService::IsSubscribed(nxControlCallback* callback, uint32_t kind) const
{
    const std::vector<nxControlCallback*> subscribers = m_subscribers.GetStatusSubscribers(kind);
    return std::find(subscribers.begin(), subscribers.end(), callback) != subscribers.end();
}

nxErrorEnum nxEmbeddedControlService::SubscribeApplicationStatus(nxControlCallback* callback, void*,
                                                                 const nxClientServerEnum& clientServer,
                                                                 nxMessageQueue*)
{
    const nxErrorEnum checked = CheckStatusRequest(
        callback, clientServer, Options::Request::StatusSubscription, "subscribe to statuses");
    if (checked.IsOK())
        m_subscribers.AddStatus(callback, clientServer);
    return checked;
}

// Never refused: the caller deletes its callback whatever the answer.
nxErrorEnum nxEmbeddedControlService::UnsubscribeApplicationStatus(nxControlCallback* callback,
                                                                   const nxClientServerEnum& clientServer)
{
    {
        std::lock_guard guard(m_lock);
        std::erase_if(m_pendingSnapshots, [&](const PendingSnapshot& pending)
                      { return pending.callback == callback && pending.kind == clientServer.GetValue(); });
    }
    if (m_subscribers.RemoveStatus(callback, clientServer))
        return nxErrorEnum();
    return NotSubscribed(clientServer.GetLongDescription() + " statuses");
}

nxErrorEnum nxEmbeddedControlService::GetApplicationStatusSnapshot(nxControlCallback* callback, void* context,
                                                                   const nxClientServerEnum& clientServer)
{
    const nxErrorEnum checked =
        CheckStatusRequest(callback, clientServer, Options::Request::Snapshot, "send a status snapshot");
    if (!checked.IsOK())
        return checked;
    const bool subscribed = IsSubscribed(callback, clientServer.GetValue());
    {
        std::lock_guard guard(m_lock);
        m_pendingSnapshots.push_back({callback, context, clientServer.GetValue(), subscribed});
    }
    Wake();
    return checked;
}

nxErrorEnum nxEmbeddedControlService::ShutdownApplication(nxControlCallback* callback, void* context,
                                                          const nxApplicationID& applicationId)
{
    nxErrorEnum result = Refusal(Options::Request::Stop, "stop the application");
    {
        std::lock_guard guard(m_lock);
        if (result.IsOK())
            result = m_platform->Stop(applicationId.GetApplicationID());
        m_answers.push_back({false, callback, context, result});
    }
    Wake();
    return result;
}

nxErrorEnum
nxEmbeddedControlService::RemoveApplicationFromApplicationStatusImage(const nxApplicationID& applicationId)
{
    nxErrorEnum result = Refusal(Options::Request::Remove, "remove the application");
    {
        std::lock_guard guard(m_lock);
        if (result.IsOK())
            result = m_platform->Remove(applicationId.GetApplicationID());
        m_answers.push_back({true, nxControlInterface::GetResponseCallback(), nullptr, result});
    }
    Wake();
    return result;
}

nxErrorEnum nxEmbeddedControlService::SubscribeLogMessages(nxControlCallback* callback, void*)
{
    const nxErrorEnum refused = Refusal(Options::Request::LogSubscription, "subscribe to log messages");
    if (!refused.IsOK())
        return refused;
    if (!callback)
        return NoCallback();
    m_subscribers.AddLog(callback);
    return nxErrorEnum();
}

nxErrorEnum nxEmbeddedControlService::SubscribeLogMessagesForUser(nxControlCallback* callback, void*,
                                                                  const nxUInt32ValueWrapper& userId)
{
    const nxErrorEnum refused = Refusal(Options::Request::LogSubscription, "subscribe to log messages");
    if (!refused.IsOK())
        return refused;
    if (!callback)
        return NoCallback();
    m_subscribers.AddLogForUser(callback, userId.GetValue());
    return nxErrorEnum();
}

nxErrorEnum nxEmbeddedControlService::UnsubscribeLogMessages(nxControlCallback* callback)
{
    return m_subscribers.RemoveLog(callback) ? nxErrorEnum() : NotSubscribed("log messages");
}

nxErrorEnum nxEmbeddedControlService::UnsubscribeLogMessagesForUser(nxControlCallback* callback,
                                                                    const nxUInt32ValueWrapper& userId)
{
    return m_subscribers.RemoveLogForUser(callback, userId.GetValue())
               ? nxErrorEnum()
               : NotSubscribed("log messages for users");
}

nxErrorEnum nxEmbeddedControlService::GetApplicationScheduleInstanceList(std::vector<std::string>& names)
{
    const nxErrorEnum refused = Refusal(Options::Request::ScheduleList, "list the schedule schemes");
    if (!refused.IsOK())
        return refused;
    std::lock_guard guard(m_lock);
    names = m_store.GetNames();
    return nxErrorEnum();
}

nxErrorEnum nxEmbeddedControlService::GetApplicationScheduleDefinition(const std::string& name,
                                                                       nxApplicationSchedule*& schedule)
{
    schedule = nullptr;
    const nxErrorEnum refused = Refusal(Options::Request::ScheduleRead, "read the schedule scheme");
    if (!refused.IsOK())
        return refused;
    std::lock_guard guard(m_lock);
    const nxApplicationSchedule* found = m_store.Find(name);
    if (!found)
        return nxErrorEnum(nxErrorEnum::NotFound, "There is no schedule scheme named " + Quoted(name));
    schedule = new nxApplicationSchedule(*found);
    return nxErrorEnum();
}

nxErrorEnum nxEmbeddedControlService::SaveApplicationScheduleDefinition(const nxApplicationSchedule& schedule,
                                                                        bool)
{
    const nxErrorEnum refused = Refusal(Options::Request::ScheduleSave, "save the schedule scheme");
    if (!refused.IsOK())
        return refused;
    std::lock_guard guard(m_lock);
    const nxErrorEnum saved = m_store.Save(schedule, m_scheduleZones);
    if (saved.IsOK())
    {
        nxPlatformEvent event;
        event.kind = nxPlatformEvent::Kind::SchemeSaved;
        event.scheme = schedule.GetScheduleName();
        event.version = std::to_string(m_store.Find(event.scheme)->GetVersion().GetValue());
        m_platform->Announce(std::move(event));
    }
    return saved;
}

nxErrorEnum nxEmbeddedControlService::DeleteApplicationScheduleInstance(const std::string& name)
{
    const nxErrorEnum refused = Refusal(Options::Request::ScheduleDelete, "delete the schedule scheme");
    if (!refused.IsOK())
        return refused;
    std::lock_guard guard(m_lock);
    const nxErrorEnum deleted = m_store.Delete(name, m_platform->CountWithScheme(name));
    if (deleted.IsOK())
    {
        nxPlatformEvent event;
        event.kind = nxPlatformEvent::Kind::SchemeDeleted;
        event.scheme = name;
        m_platform->Announce(std::move(event));
    }
    return deleted;
}

nxErrorEnum nxEmbeddedControlService::SaveApplicationScheduleAssignments(
    const std::vector<nxApplicationScheduleAssignment*>& assignments)
{
    const nxErrorEnum refused = Refusal(Options::Request::ScheduleAssign, "save the schedule assignments");
    if (!refused.IsOK())
        return refused;
    std::lock_guard guard(m_lock);
    if (const nxErrorEnum invalid = CheckAssignments(assignments); !invalid.IsOK())
        return invalid;
    std::map<std::string, std::string> changes;
    for (const nxApplicationScheduleAssignment* assignment : assignments)
        if (assignment)
            changes[assignment->GetApplicationID().GetApplicationID()] =
                assignment->GetApplicationScheduleName();
    if (const nxErrorEnum saved = m_store.SaveAssignments(changes); !saved.IsOK())
        return saved;
    for (const auto& [application, scheme] : changes)
        m_platform->Assign(application, scheme);
    return nxErrorEnum();
}

// All or nothing: one bad assignment refuses the whole request.
nxErrorEnum nxEmbeddedControlService::CheckAssignments(
    const std::vector<nxApplicationScheduleAssignment*>& assignments) const
{
    for (const nxApplicationScheduleAssignment* assignment : assignments)
    {
        if (!assignment)
            continue;
        const std::string& application = assignment->GetApplicationID().GetApplicationID();
        const std::string& scheme = assignment->GetApplicationScheduleName();
        if (!m_platform->Has(application))
            return nxErrorEnum(nxErrorEnum::NotFound, "The platform has no application " +
                                                          Quoted(application) + "; no assignment was saved");
        if (!scheme.empty() && !m_store.Find(scheme))
            return nxErrorEnum(nxErrorEnum::NotFound, "There is no schedule scheme named " + Quoted(scheme) +
                                                          "; no assignment was saved");
    }
    return nxErrorEnum();
}

nxErrorEnum nxEmbeddedControlService::CheckSecurity(const nxFunctionEnum& function)
{
    if (m_options.rights.count(function.GetValue()))
        return nxErrorEnum();
    return nxErrorEnum(nxErrorEnum::NotPermissioned, "You do not hold the right " +
                                                         std::to_string(function.GetValue()) + " (" +
                                                         function.GetLongDescription() + ")");
}

// The users never change after the platform is made, so no lock is needed.
std::string nxEmbeddedControlService::GetUserNodeName(uint32_t userId)
{
    for (const nxPlatformGenerator::User& user : m_platform->GetUsers())
        if (user.id == userId)
            return user.node;
    return std::string();
}

bool nxEmbeddedControlService::IsInitialised() const
{
    return m_callerZones.IsInitialised();
}

bool nxEmbeddedControlService::Initialise(std::string& errorText, const std::string& path)
{
    return m_callerZones.Initialise(errorText, path);
}

void nxEmbeddedControlService::GetTimeZoneRegions(std::vector<std::string>& regions) const
{
    m_callerZones.GetTimeZoneRegions(regions);
}
