#include "platform/grid/data/nxGridDataSubscriptionManager.h"

#include <set>
#include <vector>

#include "platform/grid/data/nxGridDataInterest.h"
#include "platform/grid/data/nxGridDataSubscription.h"

nxGridDataSubscriptionManager::nxGridDataSubscriptionManager(CGridLock& ownerLock) : m_ownerLock(ownerLock) {}
nxGridDataSubscriptionManager::~nxGridDataSubscriptionManager() = default;

nxErrorEnum nxGridDataSubscriptionManager::CreateSubscriptions(nxGridDataInterest* interest)
{
    std::set<nxSubscriptionCategory> categories;
    interest->GetRequiredSubscriptionCategories(categories);
    nxErrorEnum result;
    for (nxSubscriptionCategory category : categories)
    {
        const nxGridDataSubscription* prototype = nxGridDataSubscription::GetPrototype(category);
        if (!prototype)
        {
            result = nxErrorEnum(nxErrorEnum::NotFound, "No subscription type is registered for category " +
                                                            std::to_string(category));
            continue;
        }
        const std::string key = prototype->GetSubscriptionKey(interest);
        if (nxGridDataSubscription* existing = FindSubscription(key))
        {
            existing->AddDataInterest(interest);
            continue;
        }
        std::unique_ptr<nxGridDataSubscription> subscription(prototype->CreateInstance());
        subscription->AddDataInterest(interest);
        const nxErrorEnum subscribed = subscription->Subscribe();
        if (!subscribed.IsOK())
        {
            // A feed may be half set up (one of two service calls made): undo it
            // before the callback object goes.
            Unsubscribe(*subscription);
            result = subscribed;
            continue;
        }
        m_subscriptions.emplace(key, std::move(subscription));
    }
    return result;
}

nxErrorEnum nxGridDataSubscriptionManager::GetSubscriptionSnapshots(nxGridDataInterest* interest)
{
    nxErrorEnum result;
    for (auto& [key, subscription] : m_subscriptions)
    {
        if (!subscription->HasDataInterest(interest))
            continue;
        const nxErrorEnum snapshot = subscription->GetSnapshot();
        if (result.IsOK() && !snapshot.IsOK())
            result = snapshot;
    }
    return result;
}

nxErrorEnum nxGridDataSubscriptionManager::RemoveSubscriptions(nxGridDataInterest* interest,
                                                               ObjectList& objects)
{
    nxErrorEnum result;
    std::vector<std::string> emptied;
    for (auto& [key, subscription] : m_subscriptions)
    {
        if (!subscription->HasDataInterest(interest))
            continue;
        subscription->RemoveDataInterest(interest);
        if (!subscription->HasDataInterests())
            emptied.push_back(key);
    }
    if (!m_destroySubscriptionsWithNoDataInterests)
        return result;
    for (const std::string& key : emptied)
    {
        const nxErrorEnum unsubscribed = DestroySubscription(key, objects);
        if (result.IsOK() && !unsubscribed.IsOK())
            result = unsubscribed;
    }
    return result;
}

void nxGridDataSubscriptionManager::SetDestroySubscriptionsWithNoDataInterests(bool destroy,
                                                                               ObjectList& objects)
{
    m_destroySubscriptionsWithNoDataInterests = destroy;
    if (!destroy)
        return;
    std::vector<std::string> idle;
    for (auto& [key, subscription] : m_subscriptions)
        if (!subscription->HasDataInterests())
            idle.push_back(key);
    for (const std::string& key : idle)
        DestroySubscription(key, objects);
}

void nxGridDataSubscriptionManager::DestroyAllSubscriptions(ObjectList& objects)
{
    while (!m_subscriptions.empty())
        DestroySubscription(m_subscriptions.begin()->first, objects);
}

nxGridDataSubscription* nxGridDataSubscriptionManager::FindSubscription(const std::string& key) const
{
    auto found = m_subscriptions.find(key);
    return found == m_subscriptions.end() ? nullptr : found->second.get();
}

nxErrorEnum nxGridDataSubscriptionManager::Unsubscribe(nxGridDataSubscription& subscription)
{
    // Callbacks of the subscription waiting for the manager's lock must give way
    // now: the unsubscribe below holds that lock and waits for them to end.
    subscription.BeginUnsubscribe();
    m_ownerLock.WakeWaiters();
    return subscription.Unsubscribe();
}

nxErrorEnum nxGridDataSubscriptionManager::DestroySubscription(const std::string& key, ObjectList& objects)
{
    auto found = m_subscriptions.find(key);
    if (found == m_subscriptions.end())
        return {};
    std::unique_ptr<nxGridDataSubscription> subscription = std::move(found->second);
    m_subscriptions.erase(found);
    const nxErrorEnum result = Unsubscribe(*subscription);
    // A row has one creator, so lists of different subscriptions never share a row.
    std::vector<nxGridDataObject*> taken = subscription->TakeDataObjectsCreatedBySubscription();
    if (objects.empty())
        objects.swap(taken);
    else
        objects.insert(objects.end(), taken.begin(), taken.end());
    return result;
}
