#include "platform/grid/data/nxGridDataManager.h"

#include "platform/base/nxLog.h"
#include "platform/grid/data/nxGridDataInterest.h"
#include "platform/grid/data/nxGridDataInterestListener.h"
#include "platform/grid/data/nxGridDataSubscription.h"

nxGridDataManager::nxGridDataManager() : m_subscriptionManager(m_lock) {}

nxGridDataManager::~nxGridDataManager() = default;

bool nxGridDataManager::Create()
{
    std::lock_guard guard(m_lock);
    if (m_created)
        return true;
    _CreateDataMapIndexes();
    m_created = _OnCreated();
    return m_created;
}

void nxGridDataManager::Destroy()
{
    std::lock_guard guard(m_lock);
    if (!m_created)
        return;
    m_created = false;
    nxGridDataSubscriptionManager::ObjectList objects;
    m_subscriptionManager.DestroyAllSubscriptions(objects);
    _OnDestroyed();
    // The map owns every row, those of the destroyed subscriptions included; views
    // still attached must not observe them any more.
    _ReleaseAllRowsFromViews();
    _DestroyDataMap();
}

void nxGridDataManager::_ReleaseAllRowsFromViews()
{
    std::lock_guard guard(m_lock);
    for (nxGridDataInterest* interest : m_interestManager.GetDataInterests())
        if (nxGridDataInterestListener* listener = interest->GetListener())
            listener->OnRemoveAllGridDataObjects(*interest);
}

void nxGridDataManager::OnSnapshotError(const nxErrorEnum& error, nxGridDataSubscription* subscription)
{
    std::lock_guard guard(m_lock);
    const std::string key = subscription ? subscription->GetSubscriptionKey() : std::string("(none)");
    nxLog(nxLogLevelEnum(nxLogLevel::Error), "nxGridDataManager")
        << "Snapshot of subscription " << key << " failed: " << error;
    if (!subscription)
        return;
    for (nxGridDataInterest* interest : subscription->GetDataInterests())
        interest->OnSnapshotError(error);
}

void nxGridDataManager::_OnEndOfDataUpdate()
{
    std::lock_guard guard(m_lock);
    // Counted only under the lock: a plain store, no read-modify-write, for each message.
    m_updateCount.store(m_updateCount.load(std::memory_order_relaxed) + 1, std::memory_order_release);
    const bool throttled = UsesDataUpdateThrottling();
    for (nxGridDataInterest* interest : m_interestManager.GetDataInterests())
        interest->OnEndOfDataUpdate(throttled);
}
