#pragma once

#include <vector>

#include "contracts/nxCallback.h"
#include "platform/base/nxErrorEnum.h"

class nxApplicationStatus;
class nxLogMessage;

// The answers and feeds of the control service. Every callback does nothing by
// default; the receiver owns what it is handed, so the defaults discard it.
class nxControlCallback : public virtual nxCallback
{
public:
    // A batch of statuses: the receiver deletes them and empties the vector.
    virtual void OnApplicationStatusUpdate(std::vector<nxApplicationStatus*>& statuses, void* context);
    virtual void OnLogMessage(nxLogMessage* message, void* context);
    virtual void OnApplicationStatusSnapshotResponse(const nxErrorEnum& error,
                                                     std::vector<nxApplicationStatus*>& statuses,
                                                     void* context);
    virtual void OnShutdownApplicationResponse(const nxErrorEnum& error, void* context);
    virtual void OnRemoveApplicationFromApplicationStatusImageResponse(const nxErrorEnum& error,
                                                                       void* context);
    virtual void OnStoreApplicationStatusImageResponse(const nxErrorEnum& error, void* context);
    virtual void OnAssignApplicationScheduleResponse(const nxErrorEnum& error, void* context);
    virtual void OnHeartbeatRequest(void* context);
    virtual void OnPerformanceStatistics(void* context);

    // Deletes every status and empties the vector.
    static void DeleteStatuses(std::vector<nxApplicationStatus*>& statuses);
};
