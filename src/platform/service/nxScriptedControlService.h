#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "contracts/nxApplicationSchedule.h"
#include "contracts/nxControlInterface.h"
#include "contracts/nxSecurityInterface.h"
#include "platform/service/nxServiceSubscribers.h"

class nxApplicationStatus;
class nxLogMessage;

// A control service for tests: it records every request with its arguments,
// answers with the results a test sets, and delivers exactly the batches,
// snapshot answers, log messages and responses a test hands it, on a thread of
// its own. While it lives it is the process's control and security service.
class nxScriptedControlService : public nxControlInterface, public nxSecurityInterface
{
public:
    struct Request
    {
        std::string operation;
        nxControlCallback* callback = nullptr;
        std::string argument; // kind, application id, schedule name or user id, as text
    };

    // Deliveries run on this many threads of the service's own (one keeps them in order).
    explicit nxScriptedControlService(int deliveryThreads = 1);
    ~nxScriptedControlService() override;

    // Test side: what was asked, and what to answer.
    std::vector<Request> GetRequests() const;
    size_t CountRequests(const std::string& operation) const;
    // The arguments of the named operation's requests, in order.
    std::vector<std::string> GetRequestArguments(const std::string& operation) const;
    void ClearRequests();
    // The result the named operation returns from now on (OK until set).
    void SetResult(const std::string& operation, const nxErrorEnum& result);
    void SetRight(uint32_t function, bool held);
    // The schemes it lists; a successful save adds its name, a successful delete removes it.
    void SetScheduleNames(std::vector<std::string> names);
    // The scheme as last saved under that name, if it was.
    std::optional<nxApplicationSchedule> GetSavedSchedule(const std::string& name) const;
    void SetNodeName(uint32_t userId, std::string nodeName);

    // Test side: deliveries, made on the service's thread in the order given. Each
    // subscriber receives its own copies; the service deletes the originals.
    void DeliverStatusBatch(uint32_t kind, std::vector<nxApplicationStatus*> statuses);
    // Answers every snapshot asked for that kind and not yet answered.
    void AnswerSnapshots(uint32_t kind, const nxErrorEnum& error, std::vector<nxApplicationStatus*> statuses);
    void DeliverLogMessage(nxLogMessage* message);
    void DeliverRemoveResponse(const nxErrorEnum& error);
    // Runs any test code on the service's thread.
    void Post(std::function<void()> work);
    // Blocks until every delivery handed over so far has been made.
    void WaitUntilDelivered();
    size_t CountPendingSnapshots(uint32_t kind) const;

    // nxControlInterface
    nxErrorEnum SubscribeApplicationStatus(nxControlCallback* callback, void* context,
                                           const nxClientServerEnum& clientServer,
                                           nxMessageQueue* queue) override;
    nxErrorEnum UnsubscribeApplicationStatus(nxControlCallback* callback,
                                             const nxClientServerEnum& clientServer) override;
    nxErrorEnum GetApplicationStatusSnapshot(nxControlCallback* callback, void* context,
                                             const nxClientServerEnum& clientServer) override;
    nxErrorEnum ShutdownApplication(nxControlCallback* callback, void* context,
                                    const nxApplicationID& applicationId) override;
    nxErrorEnum RemoveApplicationFromApplicationStatusImage(const nxApplicationID& applicationId) override;
    nxErrorEnum SubscribeLogMessages(nxControlCallback* callback, void* context) override;
    nxErrorEnum SubscribeLogMessagesForUser(nxControlCallback* callback, void* context,
                                            const nxUInt32ValueWrapper& userId) override;
    nxErrorEnum UnsubscribeLogMessages(nxControlCallback* callback) override;
    nxErrorEnum UnsubscribeLogMessagesForUser(nxControlCallback* callback,
                                              const nxUInt32ValueWrapper& userId) override;
    nxErrorEnum GetApplicationScheduleInstanceList(std::vector<std::string>& names) override;
    nxErrorEnum GetApplicationScheduleDefinition(const std::string& name,
                                                 nxApplicationSchedule*& schedule) override;
    nxErrorEnum SaveApplicationScheduleDefinition(const nxApplicationSchedule& schedule, bool flag) override;
    nxErrorEnum DeleteApplicationScheduleInstance(const std::string& name) override;
    nxErrorEnum SaveApplicationScheduleAssignments(
        const std::vector<nxApplicationScheduleAssignment*>& assignments) override;

    // nxSecurityInterface
    nxErrorEnum CheckSecurity(const nxFunctionEnum& function) override;
    std::string GetUserNodeName(uint32_t userId) override;

private:
    nxErrorEnum Record(const std::string& operation, nxControlCallback* callback, std::string argument);
    void ThreadMain();

    mutable std::mutex m_lock;
    std::condition_variable m_wake;
    std::condition_variable m_drained;
    std::deque<std::function<void()>> m_queue;
    int m_busy = 0;
    bool m_stopping = false;

    std::vector<Request> m_requests;
    std::map<std::string, nxErrorEnum> m_results;
    std::map<uint32_t, bool> m_rights;
    std::map<uint32_t, std::string> m_nodeNames;
    std::vector<std::string> m_scheduleNames;
    std::vector<nxApplicationSchedule> m_savedSchedules;
    std::multimap<uint32_t, nxControlCallback*> m_pendingSnapshots;
    nxServiceSubscribers m_subscribers;

    nxControlInterface* m_previousControl;
    nxSecurityInterface* m_previousSecurity;
    std::vector<std::thread> m_threads;
};
