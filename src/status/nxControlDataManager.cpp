#include "status/nxControlDataManager.h"

#include <mutex>

#include "contracts/nxApplicationStatus.h"
#include "contracts/nxControlInterface.h"
#include "log/nxLogDataManager.h"
#include "platform/base/nxLog.h"
#include "status/nxApplicationControlCallback.h"
#include "status/nxControlDataInterest.h"
#include "status/nxControlSubscription.h"
#include "status/nxGetMatchingDataObjectsAction.h"

namespace
{
std::atomic<nxControlDataManager*> g_instance{nullptr};
} // namespace

nxControlDataManager::nxControlDataManager() : m_logRowLimit(nxLogDataManager::DefaultRowLimit)
{
    // Reading the prototypes' flags also links in the units that register them.
    if (!nxControlSubscription::_registered || !nxControlDataInterest::_registered)
        nxLog(nxLogLevelEnum(nxLogLevel::Error), "nxControlDataManager")
            << "The application status subscription or interest type is not registered";
    nxApplicationControlCallback::GetInstance();
    g_instance.store(this, std::memory_order_release);
}

nxControlDataManager::~nxControlDataManager()
{
    // Without Destroy the log data manager still goes first.
    _OnDestroyed();
    nxControlDataManager* self = this;
    g_instance.compare_exchange_strong(self, nullptr, std::memory_order_acq_rel);
}

nxControlDataManager* nxControlDataManager::GetInstance()
{
    return g_instance.load(std::memory_order_acquire);
}

void nxControlDataManager::SetLogRowLimit(size_t rowLimit)
{
    m_logRowLimit = rowLimit;
    if (m_logDataManager)
        m_logDataManager->SetRowLimit(rowLimit);
}

bool nxControlDataManager::_OnCreated()
{
    m_logDataManager = new (std::nothrow) nxLogDataManager();
    if (m_logDataManager)
    {
        m_logDataManager->SetRowLimit(m_logRowLimit);
        m_logDataManager->Create();
    }
    return true;
}

bool nxControlDataManager::_OnDestroyed()
{
    if (m_logDataManager)
    {
        m_logDataManager->Destroy();
        delete m_logDataManager;
        m_logDataManager = nullptr;
    }
    return true;
}

nxErrorEnum nxControlDataManager::AttachControlDataInterest(nxControlDataInterest* interest)
{
    return _AttachDataInterest(interest);
}

nxErrorEnum nxControlDataManager::DetachControlDataInterest(nxControlDataInterest* interest)
{
    return _DetachDataInterest(interest);
}

nxErrorEnum nxControlDataManager::FetchControlDataObjects(nxControlDataInterest* interest)
{
    return _FetchDataObjects(interest);
}

void nxControlDataManager::OnApplicationStatusUpdate(const std::vector<nxApplicationStatus*>& statuses,
                                                     const nxClientServerEnum& clientServer,
                                                     nxControlSubscription* subscription, bool snapshot)
{
    if (statuses.empty())
        return;
    std::lock_guard guard(GetLock());
    nxGetMatchingDataObjectsAction current;
    GetDataMap().ExecuteAction(nxControlDataObject::GetAsIndexedMapKey(std::string(), clientServer), current);
    std::unordered_set<nxControlDataObject*> rowsToRemove;
    rowsToRemove.swap(current.GetDataObjects());

    for (const nxApplicationStatus* status : statuses)
        if (status)
            ApplyStatus(*status, subscription, snapshot, rowsToRemove);
    for (nxControlDataObject* row : rowsToRemove)
        _RemoveDataObject(row, true, subscription);
    _OnEndOfDataUpdate();
}

void nxControlDataManager::ApplyStatus(const nxApplicationStatus& status, nxControlSubscription* subscription,
                                       bool snapshot, std::unordered_set<nxControlDataObject*>& rowsToRemove)
{
    const std::string& id = status.GetApplicationID().GetApplicationID();
    if (id.find('^') != std::string::npos)
    {
        // Such an id would make a key of more than two fields, which the store
        // cannot look up again; the application is left out.
        if (!m_reportedBadKey)
            nxLog(nxLogLevelEnum(nxLogLevel::Error), "nxControlDataManager")
                << "Ignoring the status of application '" << id << "': an application id may not contain '^'";
        m_reportedBadKey = true;
        return;
    }
    const std::string key =
        nxControlDataObject::GetAsIndexedMapKey(id, status.GetApplicationType().GetClientServer());
    if (nxControlDataObject* row = GetDataMap().Find(key))
    {
        row->OnApplicationStatusUpdate(status, snapshot);
        rowsToRemove.erase(row);
        GetInterestManager().OnGridDataObjectChanged(row);
        return;
    }
    auto* row = new nxControlDataObject();
    row->OnApplicationStatusUpdate(status, true);
    _AddDataObject(row, subscription, snapshot);
}

void nxControlDataManager::OnServerApplicationStatusDisconnectDetected()
{
    std::lock_guard guard(GetLock());
    UpdateAction0 markStale(&nxControlDataObject::OnServerApplicationStatusDisconnectDetected);
    GetDataMap().ExecuteAction(std::string(), markStale);
    if (markStale.GetCount() > 0)
        _OnEndOfDataUpdate();
}

nxErrorEnum nxControlDataManager::StopApplication(const nxApplicationID& applicationId)
{
    return nxControlInterface::GetInstance()->ShutdownApplication(
        &nxApplicationControlCallback::GetInstance(), nullptr, applicationId);
}

nxErrorEnum
nxControlDataManager::RemoveApplicationFromApplicationStatusImage(const nxApplicationID& applicationId)
{
    return nxControlInterface::GetInstance()->RemoveApplicationFromApplicationStatusImage(applicationId);
}
