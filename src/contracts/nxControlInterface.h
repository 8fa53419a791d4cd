#pragma once

#include <string>
#include <vector>

#include "platform/base/nxClientServerEnum.h"
#include "platform/base/nxErrorEnum.h"
#include "platform/base/nxValueWrapper.h"

class nxApplicationID;
class nxApplicationSchedule;
class nxApplicationScheduleAssignment;
class nxControlCallback;
class nxMessageQueue;

// Requests to the platform's control service. Answers and feeds come back through
// nxControlCallback on a thread of the service's choosing. Once an unsubscribe
// returns, no call into that callback for that feed is running or will run, so
// the callback may be deleted.
class nxControlInterface
{
public:
    // Where answers to requests that take no callback go (a removal's outcome).
    static void SetResponseCallback(nxControlCallback* callback);
    static nxControlCallback* GetResponseCallback();

    // The implementation the process installed; without one, a stand-in that refuses
    // every request as not connected. Never null.
    static nxControlInterface* GetInstance();
    // Installs an implementation (null removes it) and returns the previous one.
    static nxControlInterface* SetInstance(nxControlInterface* instance);

    virtual ~nxControlInterface() = default;

    virtual nxErrorEnum SubscribeApplicationStatus(nxControlCallback* callback, void* context,
                                                   const nxClientServerEnum& clientServer,
                                                   nxMessageQueue* queue) = 0;
    virtual nxErrorEnum UnsubscribeApplicationStatus(nxControlCallback* callback,
                                                     const nxClientServerEnum& clientServer) = 0;
    virtual nxErrorEnum GetApplicationStatusSnapshot(nxControlCallback* callback, void* context,
                                                     const nxClientServerEnum& clientServer) = 0;
    virtual nxErrorEnum ShutdownApplication(nxControlCallback* callback, void* context,
                                            const nxApplicationID& applicationId) = 0;
    // The outcome also reaches nxApplicationControlCallback.
    virtual nxErrorEnum RemoveApplicationFromApplicationStatusImage(const nxApplicationID& applicationId) = 0;

    virtual nxErrorEnum SubscribeLogMessages(nxControlCallback* callback, void* context) = 0;
    virtual nxErrorEnum SubscribeLogMessagesForUser(nxControlCallback* callback, void* context,
                                                    const nxUInt32ValueWrapper& userId) = 0;
    virtual nxErrorEnum UnsubscribeLogMessages(nxControlCallback* callback) = 0;
    virtual nxErrorEnum UnsubscribeLogMessagesForUser(nxControlCallback* callback,
                                                      const nxUInt32ValueWrapper& userId) = 0;

    virtual nxErrorEnum GetApplicationScheduleInstanceList(std::vector<std::string>& names) = 0;
    // On success the caller owns *schedule.
    virtual nxErrorEnum GetApplicationScheduleDefinition(const std::string& name,
                                                         nxApplicationSchedule*& schedule) = 0;
    virtual nxErrorEnum SaveApplicationScheduleDefinition(const nxApplicationSchedule& schedule,
                                                          bool flag) = 0;
    virtual nxErrorEnum DeleteApplicationScheduleInstance(const std::string& name) = 0;
    virtual nxErrorEnum
    SaveApplicationScheduleAssignments(const std::vector<nxApplicationScheduleAssignment*>& assignments) = 0;
};
