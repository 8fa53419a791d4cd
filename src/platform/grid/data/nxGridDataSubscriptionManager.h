#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/base/nxErrorEnum.h"
#include "platform/grid/data/CGridLock.h"

class nxGridDataInterest;
class nxGridDataObject;
class nxGridDataSubscription;

// The live subscriptions of one data manager, one per subscription key, shared
// by the interests that need that key. Every call runs with the manager locked.
class nxGridDataSubscriptionManager
{
public:
    // Rows handed back by ended subscriptions, each subscription's in the order it made them.
    using ObjectList = std::vector<nxGridDataObject*>;

    // ownerLock: the lock of the data manager this belongs to, which every call holds.
    explicit nxGridDataSubscriptionManager(CGridLock& ownerLock);
    ~nxGridDataSubscriptionManager();

    // For each category the interest requires: joins the subscription of its key,
    // or makes, joins and subscribes a new one. A subscription that fails to
    // subscribe is dropped again and its error returned.
    nxErrorEnum CreateSubscriptions(nxGridDataInterest* interest);
    // Asks every subscription of the interest for a fresh snapshot; the first failure is returned.
    nxErrorEnum GetSubscriptionSnapshots(nxGridDataInterest* interest);
    // Takes the interest out of its subscriptions; those left without interests are
    // unsubscribed and destroyed (unless disabled), handing back the rows they made.
    nxErrorEnum RemoveSubscriptions(nxGridDataInterest* interest, ObjectList& objects);
    void SetDestroySubscriptionsWithNoDataInterests(bool destroy, ObjectList& objects);
    // Unsubscribes and destroys every subscription, at the end of the data manager.
    void DestroyAllSubscriptions(ObjectList& objects);

    nxGridDataSubscription* FindSubscription(const std::string& key) const;
    size_t GetNumberOfSubscriptions() const { return m_subscriptions.size(); }

private:
    nxErrorEnum Unsubscribe(nxGridDataSubscription& subscription);
    nxErrorEnum DestroySubscription(const std::string& key, ObjectList& objects);

    CGridLock& m_ownerLock;
    std::map<std::string, std::unique_ptr<nxGridDataSubscription>> m_subscriptions;
    bool m_destroySubscriptionsWithNoDataInterests = true;
};
