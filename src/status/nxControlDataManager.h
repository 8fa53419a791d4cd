#pragma once

#include <atomic>
#include <cstddef>
#include <unordered_set>
#include <vector>

#include "contracts/nxApplicationID.h"
#include "platform/base/nxClientServerEnum.h"
#include "platform/grid/data/nxGridDataManagerTemplate.h"
#include "status/nxControlDataObject.h"

class nxApplicationStatus;
class nxControlDataInterest;
class nxControlSubscription;
class nxLogDataManager;

// The one store of application status rows. Each batch a control subscription
// delivers is the whole image of one kind of application: rows are created,
// updated, and removed when the batch no longer mentions them.
class nxControlDataManager : public nxGridDataManagerTemplate<nxControlDataObject, 2, '^'>
{
public:
    nxControlDataManager();
    ~nxControlDataManager() override;

    static nxControlDataManager* GetInstance();
    nxLogDataManager* GetLogDataManager() const { return m_logDataManager; }
    // The most rows the log data manager keeps (0: every row); given to it when it
    // is made, and at once to one that already exists.
    void SetLogRowLimit(size_t rowLimit);

    nxErrorEnum AttachControlDataInterest(nxControlDataInterest* interest);
    nxErrorEnum DetachControlDataInterest(nxControlDataInterest* interest);
    nxErrorEnum FetchControlDataObjects(nxControlDataInterest* interest);

    void OnApplicationStatusUpdate(const std::vector<nxApplicationStatus*>& statuses,
                                   const nxClientServerEnum& clientServer,
                                   nxControlSubscription* subscription, bool snapshot);
    void OnServerApplicationStatusDisconnectDetected();

    nxErrorEnum StopApplication(const nxApplicationID& applicationId);
    nxErrorEnum RemoveApplicationFromApplicationStatusImage(const nxApplicationID& applicationId);

protected:
    void _CreateDataMapIndexes() override {}
    bool _OnCreated() override;
    bool _OnDestroyed() override;

private:
    void ApplyStatus(const nxApplicationStatus& status, nxControlSubscription* subscription, bool snapshot,
                     std::unordered_set<nxControlDataObject*>& rowsToRemove);

    nxLogDataManager* m_logDataManager = nullptr;
    size_t m_logRowLimit;
    bool m_reportedBadKey = false;
};
