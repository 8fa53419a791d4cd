#include "contracts/nxControlCallback.h"

#include "contracts/nxApplicationStatus.h"
#include "platform/messaging/nxLogMessage.h"

void nxControlCallback::DeleteStatuses(std::vector<nxApplicationStatus*>& statuses)
{
    for (nxApplicationStatus* status : statuses)
        delete status;
    statuses.clear();
}

void nxControlCallback::OnApplicationStatusUpdate(std::vector<nxApplicationStatus*>& statuses, void*)
{
    DeleteStatuses(statuses);
}

void nxControlCallback::OnLogMessage(nxLogMessage* message, void*)
{
    delete message;
}

void nxControlCallback::OnApplicationStatusSnapshotResponse(const nxErrorEnum&,
                                                            std::vector<nxApplicationStatus*>& statuses,
                                                            void*)
{
    DeleteStatuses(statuses);
}

void nxControlCallback::OnShutdownApplicationResponse(const nxErrorEnum&, void*) {}
void nxControlCallback::OnRemoveApplicationFromApplicationStatusImageResponse(const nxErrorEnum&, void*) {}
void nxControlCallback::OnStoreApplicationStatusImageResponse(const nxErrorEnum&, void*) {}
void nxControlCallback::OnAssignApplicationScheduleResponse(const nxErrorEnum&, void*) {}
void nxControlCallback::OnHeartbeatRequest(void*) {}
void nxControlCallback::OnPerformanceStatistics(void*) {}
