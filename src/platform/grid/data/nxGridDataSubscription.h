#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "platform/base/nxErrorEnum.h"
#include "platform/grid/data/nxGridDataTypes.h"

class nxGridDataInterest;
class nxGridDataManager;
class nxGridDataObject;

// One live subscription to a feed, shared by every interest with the same
// subscription key. The subscription manager makes it from a registered
// prototype, subscribes it, and destroys it when no interest needs it.
//
// Its callbacks arrive on service and timer threads and need the data manager's
// lock, while an unsubscribe runs with that lock held and waits for them to end.
// So callbacks take the lock through _LockDataManager, which gives way to an
// unsubscribe in progress instead of waiting for it.
class nxGridDataSubscription
{
public:
    // Rows it still records lose their creator.
    virtual ~nxGridDataSubscription();

    virtual nxGridDataSubscription* CreateInstance() const = 0;
    virtual nxSubscriptionCategory GetSubscriptionCategory() const = 0;
    virtual void AddDataInterest(nxGridDataInterest* interest);
    virtual void RemoveDataInterest(nxGridDataInterest* interest);
    virtual void UpdateDataInterest(nxGridDataInterest*) {}
    virtual std::string GetSubscriptionKey(nxGridDataInterest* interest) const = 0;
    virtual std::string GetSubscriptionKey() const = 0;
    virtual bool RequiresSnapshotThrottling() const { return false; }

    nxErrorEnum Subscribe();
    // From now on callbacks give way instead of waiting for the manager's lock.
    void BeginUnsubscribe() { m_unsubscribing.store(true, std::memory_order_release); }
    // Once it returns, the service and the timer run no callback of this any more.
    nxErrorEnum Unsubscribe();
    nxErrorEnum GetSnapshot();
    bool IsSubscribed() const { return m_subscribed.load(std::memory_order_acquire); }
    bool IsUnsubscribing() const { return m_unsubscribing.load(std::memory_order_acquire); }
    // The snapshot asked for has arrived (or failed): tells the interests.
    void OnSnapshotCompleted();

    std::vector<nxGridDataInterest*> GetDataInterests() const;
    // The same into a list the caller keeps, which saves an allocation per call.
    void GetDataInterests(std::vector<nxGridDataInterest*>& interests) const;
    // The same, but without the lock when the list the caller kept is still
    // current: `version` names the interests it holds, 0 none (then they are copied).
    void GetDataInterests(std::vector<nxGridDataInterest*>& interests, uint64_t& version) const;
    bool HasDataInterests() const;
    bool HasDataInterest(const nxGridDataInterest* interest) const;

    // Rows this subscription created, deleted by the data manager when it goes. A
    // row records one creator at a time; the one it is recorded by is its creator.
    void AddDataObjectCreatedBySubscription(nxGridDataObject* object);
    void RemoveDataObjectCreatedBySubscription(nxGridDataObject* object);
    // The rows, no longer recorded and without a creator.
    std::vector<nxGridDataObject*> TakeDataObjectsCreatedBySubscription();
    size_t GetNumberOfDataObjectsCreated() const;

    std::recursive_mutex& GetLock() const { return m_lock; }

    // Prototypes by category; the registry owns them.
    static bool _Register(nxGridDataSubscription* prototype);
    static const nxGridDataSubscription* GetPrototype(nxSubscriptionCategory category);

protected:
    nxGridDataSubscription() = default;
    nxGridDataSubscription(const nxGridDataSubscription&) = delete;
    nxGridDataSubscription& operator=(const nxGridDataSubscription&) = delete;

    virtual nxErrorEnum _Subscribe() = 0;
    virtual nxErrorEnum _Unsubscribe() = 0;
    virtual nxErrorEnum _GetSnapshot() = 0;

    // Takes the manager's lock for a callback; false, without the lock, once an
    // unsubscribe has begun. The caller unlocks the manager after true.
    bool _LockDataManager(nxGridDataManager& manager) const;

private:
    // Unique among all subscriptions and never 0, so that a kept version cannot
    // match another subscription's interests.
    static uint64_t NewInterestsVersion();

    mutable std::recursive_mutex m_lock;
    std::vector<nxGridDataInterest*> m_interests;
    // Changed with m_interests, under m_lock.
    std::atomic<uint64_t> m_interestsVersion{NewInterestsVersion()};
    // Linked through the rows, oldest first.
    nxGridDataObject* m_firstCreated = nullptr;
    nxGridDataObject* m_lastCreated = nullptr;
    size_t m_createdCount = 0;
    std::atomic<bool> m_subscribed{false};
    std::atomic<bool> m_unsubscribing{false};
};
