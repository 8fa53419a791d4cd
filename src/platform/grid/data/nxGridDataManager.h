#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <string>

#include "platform/base/nxErrorEnum.h"
#include "platform/grid/data/CGridLock.h"
#include "platform/grid/data/nxGridDataInterestManager.h"
#include "platform/grid/data/nxGridDataSubscriptionManager.h"

class nxColumnFilter;
class nxGridColumn;
class nxGridDataInterest;
class nxGridDataSubscription;

// A store of rows that grids show, with the interests attached to it and the
// subscriptions that feed it. One re-entrant lock guards it all; it comes first
// in the lock order (manager, then row, then attribute).
class nxGridDataManager
{
public:
    nxGridDataManager();
    virtual ~nxGridDataManager();
    nxGridDataManager(const nxGridDataManager&) = delete;
    nxGridDataManager& operator=(const nxGridDataManager&) = delete;

    // Runs _CreateDataMapIndexes and _OnCreated.
    bool Create();
    // Unsubscribes and destroys every subscription, then runs _OnDestroyed and
    // _DestroyDataMap. Safe to call twice.
    void Destroy();
    bool IsCreated() const { return m_created; }

    void Lock() const { m_lock.lock(); }
    void Unlock() const { m_lock.unlock(); }
    CGridLock& GetLock() const { return m_lock; }

    nxGridDataInterestManager& GetInterestManager() { return m_interestManager; }
    nxGridDataSubscriptionManager& GetSubscriptionManager() { return m_subscriptionManager; }

    virtual void SetDestroySubscriptionsWithNoDataInterests(bool destroy) = 0;
    virtual nxErrorEnum PopulateColumnFilterWithAvailableAttributeValues(
        nxGridDataInterest* interest, nxColumnFilter* filter,
        const std::map<nxGridColumn*, nxColumnFilter*>& columns) = 0;
    virtual void OnAllSubscriptionSnapshotsCompleted() {}
    virtual std::string GetDataManagerDescription() const { return "Default"; }
    virtual void OnSubscriptionDestroyed(nxGridDataSubscription*) {}
    virtual bool UsesDataUpdateThrottling() const { return true; }

    // A subscription's snapshot failed: logged, and told to its interests' grids.
    void OnSnapshotError(const nxErrorEnum& error, nxGridDataSubscription* subscription);

    // Number of completed updates so far.
    uint64_t GetDataUpdateCount() const { return m_updateCount.load(std::memory_order_acquire); }

protected:
    virtual void _CreateDataMapIndexes() {}
    virtual void _DestroyDataMap() = 0;
    virtual bool _OnCreated() { return true; }
    virtual bool _OnDestroyed() { return true; }
    virtual void _OnDataInterestAdded(nxGridDataInterest*) {}
    virtual void _OnDataInterestRemoved(nxGridDataInterest*) {}

    // Tells each attached interest's grid that an update is complete: once per
    // update, or once until the grid acknowledges when the manager throttles.
    void _OnEndOfDataUpdate();
    // Every attached interest's grid lets go of its rows, before they are all deleted.
    void _ReleaseAllRowsFromViews();

private:
    mutable CGridLock m_lock;
    nxGridDataInterestManager m_interestManager;
    nxGridDataSubscriptionManager m_subscriptionManager;
    std::atomic<uint64_t> m_updateCount{0};
    bool m_created = false;
};
