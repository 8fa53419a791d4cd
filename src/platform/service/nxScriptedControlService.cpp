#include "platform/service/nxScriptedControlService.h"

#include <algorithm>

#include "contracts/nxApplicationID.h"
#include "contracts/nxApplicationScheduleAssignment.h"
#include "contracts/nxApplicationStatus.h"
#include "contracts/nxControlCallback.h"
#include "platform/messaging/nxLogMessage.h"

namespace
{
using StatusList = std::vector<std::unique_ptr<nxApplicationStatus>>;

std::shared_ptr<StatusList> Adopt(std::vector<nxApplicationStatus*>& statuses)
{
    auto owned = std::make_shared<StatusList>();
    for (nxApplicationStatus* status : statuses)
        owned->emplace_back(status);
    statuses.clear();
    return owned;
}

std::vector<nxApplicationStatus*> Copies(const StatusList& statuses)
{
    std::vector<nxApplicationStatus*> copies;
    copies.reserve(statuses.size());
    for (const auto& status : statuses)
        copies.push_back(status->CopyInstance());
    return copies;
}
} // namespace

nxScriptedControlService::nxScriptedControlService(int deliveryThreads)
    : m_previousControl(nxControlInterface::SetInstance(this)),
      m_previousSecurity(nxSecurityInterface::SetInstance(this))
{
    for (int i = 0; i < std::max(1, deliveryThreads); ++i)
        m_threads.emplace_back([this] { ThreadMain(); });
}

nxScriptedControlService::~nxScriptedControlService()
{
    {
        std::lock_guard guard(m_lock);
        m_stopping = true;
    }
    m_wake.notify_all();
    for (std::thread& thread : m_threads)
        thread.join();
    nxControlInterface::SetInstance(m_previousControl);
    nxSecurityInterface::SetInstance(m_previousSecurity);
}

void nxScriptedControlService::ThreadMain()
{
    std::unique_lock lock(m_lock);
    while (true)
    {
        m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
        if (m_stopping)
            return;
        std::function<void()> work = std::move(m_queue.front());
        m_queue.pop_front();
        ++m_busy;
        lock.unlock();
        work();
        work = nullptr;
        lock.lock();
        --m_busy;
        if (m_queue.empty() && m_busy == 0)
            m_drained.notify_all();
    }
}

void nxScriptedControlService::Post(std::function<void()> work)
{
    {
        std::lock_guard guard(m_lock);
        m_queue.push_back(std::move(work));
    }
    m_wake.notify_one();
}

void nxScriptedControlService::WaitUntilDelivered()
{
    std::unique_lock lock(m_lock);
    m_drained.wait(lock, [this] { return m_stopping || (m_queue.empty() && m_busy == 0); });
}

std::vector<nxScriptedControlService::Request> nxScriptedControlService::GetRequests() const
{
    std::lock_guard guard(m_lock);
    return m_requests;
}

size_t nxScriptedControlService::CountRequests(const std::string& operation) const
{
    std::lock_guard guard(m_lock);
    size_t count = 0;
    for (const Request& request : m_requests)
        count += request.operation == operation;
    return count;
}

std::vector<std::string> nxScriptedControlService::GetRequestArguments(const std::string& operation) const
{
    std::lock_guard guard(m_lock);
    std::vector<std::string> arguments;
    for (const Request& request : m_requests)
        if (request.operation == operation)
            arguments.push_back(request.argument);
    return arguments;
}

void nxScriptedControlService::ClearRequests()
{
    std::lock_guard guard(m_lock);
    m_requests.clear();
}

void nxScriptedControlService::SetResult(const std::string& operation, const nxErrorEnum& result)
{
    std::lock_guard guard(m_lock);
    m_results[operation] = result;
}

void nxScriptedControlService::SetRight(uint32_t function, bool held)
{
    std::lock_guard guard(m_lock);
    m_rights[function] = held;
}

void nxScriptedControlService::SetScheduleNames(std::vector<std::string> names)
{
    std::lock_guard guard(m_lock);
    m_scheduleNames = std::move(names);
}

std::optional<nxApplicationSchedule> nxScriptedControlService::GetSavedSchedule(const std::string& name) const
{
    std::lock_guard guard(m_lock);
    for (const nxApplicationSchedule& saved : m_savedSchedules)
        if (saved.GetScheduleName() == name)
            return saved;
    return std::nullopt;
}

void nxScriptedControlService::SetNodeName(uint32_t userId, std::string nodeName)
{
    std::lock_guard guard(m_lock);
    m_nodeNames[userId] = std::move(nodeName);
}

size_t nxScriptedControlService::CountPendingSnapshots(uint32_t kind) const
{
    std::lock_guard guard(m_lock);
    return m_pendingSnapshots.count(kind);
}

void nxScriptedControlService::DeliverStatusBatch(uint32_t kind, std::vector<nxApplicationStatus*> statuses)
{
    Post(
        [this, kind, batch = Adopt(statuses)]
        {
            for (nxControlCallback* callback : m_subscribers.GetStatusSubscribers(kind))
            {
                std::vector<nxApplicationStatus*> copies = Copies(*batch);
                m_subscribers.CallStatusSubscriber(callback, kind,
                                                   [&copies](nxControlCallback* target)
                                                   { target->OnApplicationStatusUpdate(copies, nullptr); });
                nxControlCallback::DeleteStatuses(copies);
            }
        });
}

void nxScriptedControlService::AnswerSnapshots(uint32_t kind, const nxErrorEnum& error,
                                               std::vector<nxApplicationStatus*> statuses)
{
    Post(
        [this, kind, error, batch = Adopt(statuses)]
        {
            std::vector<nxControlCallback*> askers;
            {
                std::lock_guard guard(m_lock);
                const auto [first, last] = m_pendingSnapshots.equal_range(kind);
                for (auto it = first; it != last; ++it)
                    askers.push_back(it->second);
                m_pendingSnapshots.erase(kind);
            }
            for (nxControlCallback* callback : askers)
            {
                std::vector<nxApplicationStatus*> copies =
                    error.IsOK() ? Copies(*batch) : std::vector<nxApplicationStatus*>();
                m_subscribers.CallStatusSubscriber(
                    callback, kind,
                    [&](nxControlCallback* target)
                    { target->OnApplicationStatusSnapshotResponse(error, copies, nullptr); });
                nxControlCallback::DeleteStatuses(copies);
            }
        });
}

void nxScriptedControlService::DeliverLogMessage(nxLogMessage* message)
{
    Post(
        [this, owned = std::shared_ptr<nxLogMessage>(message)]
        {
            for (nxControlCallback* callback : m_subscribers.GetLogSubscribers(owned->GetDestinationUserID()))
            {
                auto* copy = new nxLogMessage(*owned);
                const bool delivered = m_subscribers.CallLogSubscriber(
                    callback, [copy](nxControlCallback* target) { target->OnLogMessage(copy, nullptr); });
                if (!delivered)
                    delete copy;
            }
        });
}

void nxScriptedControlService::DeliverRemoveResponse(const nxErrorEnum& error)
{
    Post(
        [this, error]
        {
            if (nxControlCallback* callback = nxControlInterface::GetResponseCallback())
                m_subscribers.CallAnswer(
                    callback, [&error](nxControlCallback* target)
                    { target->OnRemoveApplicationFromApplicationStatusImageResponse(error, nullptr); });
        });
}

nxErrorEnum nxScriptedControlService::Record(const std::string& operation, nxControlCallback* callback,
                                             std::string argument)
{
    std::lock_guard guard(m_lock);
    m_requests.push_back(Request{operation, callback, std::move(argument)});
    const auto found = m_results.find(operation);
    return found == m_results.end() ? nxErrorEnum() : found->second;
}

nxErrorEnum nxScriptedControlService::SubscribeApplicationStatus(nxControlCallback* callback, void*,
                                                                 const nxClientServerEnum& clientServer,
                                                                 nxMessageQueue*)
{
    const nxErrorEnum result = Record("SubscribeApplicationStatus", callback, clientServer.GetAsString());
    if (result.IsOK())
        m_subscribers.AddStatus(callback, clientServer);
    return result;
}

nxErrorEnum nxScriptedControlService::UnsubscribeApplicationStatus(nxControlCallback* callback,
                                                                   const nxClientServerEnum& clientServer)
{
    const nxErrorEnum result = Record("UnsubscribeApplicationStatus", callback, clientServer.GetAsString());
    {
        std::lock_guard guard(m_lock);
        for (auto it = m_pendingSnapshots.begin(); it != m_pendingSnapshots.end();)
            it = it->second == callback ? m_pendingSnapshots.erase(it) : std::next(it);
    }
    m_subscribers.RemoveStatus(callback, clientServer);
    return result;
}

nxErrorEnum nxScriptedControlService::GetApplicationStatusSnapshot(nxControlCallback* callback, void*,
                                                                   const nxClientServerEnum& clientServer)
{
    const nxErrorEnum result = Record("GetApplicationStatusSnapshot", callback, clientServer.GetAsString());
    if (result.IsOK())
    {
        std::lock_guard guard(m_lock);
        m_pendingSnapshots.emplace(clientServer.GetValue(), callback);
    }
    return result;
}

nxErrorEnum nxScriptedControlService::ShutdownApplication(nxControlCallback* callback, void*,
                                                          const nxApplicationID& applicationId)
{
    return Record("ShutdownApplication", callback, applicationId.GetApplicationID());
}

nxErrorEnum
nxScriptedControlService::RemoveApplicationFromApplicationStatusImage(const nxApplicationID& applicationId)
{
    return Record("RemoveApplicationFromApplicationStatusImage", nullptr, applicationId.GetApplicationID());
}

nxErrorEnum nxScriptedControlService::SubscribeLogMessages(nxControlCallback* callback, void*)
{
    const nxErrorEnum result = Record("SubscribeLogMessages", callback, {});
    if (result.IsOK())
        m_subscribers.AddLog(callback);
    return result;
}

nxErrorEnum nxScriptedControlService::SubscribeLogMessagesForUser(nxControlCallback* callback, void*,
                                                                  const nxUInt32ValueWrapper& userId)
{
    const nxErrorEnum result =
        Record("SubscribeLogMessagesForUser", callback, std::to_string(userId.GetValue()));
    if (result.IsOK())
        m_subscribers.AddLogForUser(callback, userId.GetValue());
    return result;
}

nxErrorEnum nxScriptedControlService::UnsubscribeLogMessages(nxControlCallback* callback)
{
    const nxErrorEnum result = Record("UnsubscribeLogMessages", callback, {});
    m_subscribers.RemoveLog(callback);
    return result;
}

nxErrorEnum nxScriptedControlService::UnsubscribeLogMessagesForUser(nxControlCallback* callback,
                                                                    const nxUInt32ValueWrapper& userId)
{
    const nxErrorEnum result =
        Record("UnsubscribeLogMessagesForUser", callback, std::to_string(userId.GetValue()));
    m_subscribers.RemoveLogForUser(callback, userId.GetValue());
    return result;
}

nxErrorEnum nxScriptedControlService::GetApplicationScheduleInstanceList(std::vector<std::string>& names)
{
    const nxErrorEnum result = Record("GetApplicationScheduleInstanceList", nullptr, {});
    if (result.IsOK())
    {
        std::lock_guard guard(m_lock);
        names = m_scheduleNames;
    }
    return result;
}

nxErrorEnum nxScriptedControlService::GetApplicationScheduleDefinition(const std::string& name,
                                                                       nxApplicationSchedule*& schedule)
{
    const nxErrorEnum result = Record("GetApplicationScheduleDefinition", nullptr, name);
    schedule = nullptr;
    if (!result.IsOK())
        return result;
    std::lock_guard guard(m_lock);
    for (const nxApplicationSchedule& saved : m_savedSchedules)
        if (saved.GetScheduleName() == name)
            schedule = new nxApplicationSchedule(saved);
    return result;
}

nxErrorEnum nxScriptedControlService::SaveApplicationScheduleDefinition(const nxApplicationSchedule& schedule,
                                                                        bool)
{
    const nxErrorEnum result =
        Record("SaveApplicationScheduleDefinition", nullptr, schedule.GetScheduleName());
    if (result.IsOK())
    {
        std::lock_guard guard(m_lock);
        std::erase_if(m_savedSchedules, [&](const nxApplicationSchedule& saved)
                      { return saved.GetScheduleName() == schedule.GetScheduleName(); });
        m_savedSchedules.push_back(schedule);
        if (std::find(m_scheduleNames.begin(), m_scheduleNames.end(), schedule.GetScheduleName()) ==
            m_scheduleNames.end())
            m_scheduleNames.push_back(schedule.GetScheduleName());
    }
    return result;
}

nxErrorEnum nxScriptedControlService::DeleteApplicationScheduleInstance(const std::string& name)
{
    const nxErrorEnum result = Record("DeleteApplicationScheduleInstance", nullptr, name);
    if (result.IsOK())
    {
        std::lock_guard guard(m_lock);
        std::erase(m_scheduleNames, name);
        std::erase_if(m_savedSchedules,
                      [&](const nxApplicationSchedule& saved) { return saved.GetScheduleName() == name; });
    }
    return result;
}

nxErrorEnum nxScriptedControlService::SaveApplicationScheduleAssignments(
    const std::vector<nxApplicationScheduleAssignment*>& assignments)
{
    std::string argument;
    for (const nxApplicationScheduleAssignment* assignment : assignments)
        argument += assignment->GetApplicationID().GetApplicationID() + "=" +
                    assignment->GetApplicationScheduleName() + ";";
    return Record("SaveApplicationScheduleAssignments", nullptr, argument);
}

nxErrorEnum nxScriptedControlService::CheckSecurity(const nxFunctionEnum& function)
{
    std::lock_guard guard(m_lock);
    const auto found = m_rights.find(function.GetValue());
    if (found != m_rights.end() && found->second)
        return {};
    return nxErrorEnum(nxErrorEnum::NotPermissioned, "You do not hold the right " +
                                                         std::to_string(function.GetValue()) + " (" +
                                                         function.GetLongDescription() + ")");
}

std::string nxScriptedControlService::GetUserNodeName(uint32_t userId)
{
    std::lock_guard guard(m_lock);
    const auto found = m_nodeNames.find(userId);
    return found == m_nodeNames.end() ? std::string() : found->second;
}
