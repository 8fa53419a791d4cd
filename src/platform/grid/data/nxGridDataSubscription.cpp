#include "platform/grid/data/nxGridDataSubscription.h"

#include <algorithm>
#include <map>
#include <memory>

#include "platform/grid/data/nxGridDataInterest.h"
#include "platform/grid/data/nxGridDataManager.h"
#include "platform/grid/data/nxGridDataObject.h"

namespace
{
struct PrototypeRegistry
{
    std::mutex lock;
    std::map<nxSubscriptionCategory, std::unique_ptr<nxGridDataSubscription>> prototypes;
};

PrototypeRegistry& Registry()
{
    static PrototypeRegistry registry;
    return registry;
}
} // namespace

nxGridDataSubscription::~nxGridDataSubscription() = default;

void nxGridDataSubscription::AddDataInterest(nxGridDataInterest* interest)
{
    std::lock_guard guard(m_lock);
    if (interest && std::find(m_interests.begin(), m_interests.end(), interest) == m_interests.end())
        m_interests.push_back(interest);
}

void nxGridDataSubscription::RemoveDataInterest(nxGridDataInterest* interest)
{
    std::lock_guard guard(m_lock);
    std::erase(m_interests, interest);
}

nxErrorEnum nxGridDataSubscription::Subscribe()
{
    const nxErrorEnum result = _Subscribe();
    m_subscribed.store(result.IsOK(), std::memory_order_release);
    return result;
}

nxErrorEnum nxGridDataSubscription::Unsubscribe()
{
    BeginUnsubscribe();
    const nxErrorEnum result = _Unsubscribe();
    m_subscribed.store(false, std::memory_order_release);
    return result;
}

nxErrorEnum nxGridDataSubscription::GetSnapshot()
{
    return _GetSnapshot();
}

void nxGridDataSubscription::OnSnapshotCompleted()
{
    std::lock_guard guard(m_lock);
    for (nxGridDataInterest* interest : m_interests)
        interest->OnSnapshotCompleted();
}

std::vector<nxGridDataInterest*> nxGridDataSubscription::GetDataInterests() const
{
    std::lock_guard guard(m_lock);
    return m_interests;
}

bool nxGridDataSubscription::HasDataInterests() const
{
    std::lock_guard guard(m_lock);
    return !m_interests.empty();
}

bool nxGridDataSubscription::HasDataInterest(const nxGridDataInterest* interest) const
{
    std::lock_guard guard(m_lock);
    return std::find(m_interests.begin(), m_interests.end(), interest) != m_interests.end();
}

void nxGridDataSubscription::AddDataObjectCreatedBySubscription(nxGridDataObject* object)
{
    object->SetCreatorSubscription(this);
    std::lock_guard guard(m_lock);
    m_createdObjects.insert(object);
}

void nxGridDataSubscription::RemoveDataObjectCreatedBySubscription(nxGridDataObject* object)
{
    std::lock_guard guard(m_lock);
    if (m_createdObjects.erase(object) != 0)
        object->SetCreatorSubscription(nullptr);
}

std::unordered_set<nxGridDataObject*> nxGridDataSubscription::TakeDataObjectsCreatedBySubscription()
{
    std::lock_guard guard(m_lock);
    std::unordered_set<nxGridDataObject*> taken;
    taken.swap(m_createdObjects);
    return taken;
}

size_t nxGridDataSubscription::GetNumberOfDataObjectsCreated() const
{
    std::lock_guard guard(m_lock);
    return m_createdObjects.size();
}

bool nxGridDataSubscription::_LockDataManager(nxGridDataManager& manager) const
{
    return manager.GetLock().LockUnless(m_unsubscribing);
}

bool nxGridDataSubscription::_Register(nxGridDataSubscription* prototype)
{
    if (!prototype)
        return false;
    PrototypeRegistry& registry = Registry();
    std::lock_guard guard(registry.lock);
    return registry.prototypes
        .emplace(prototype->GetSubscriptionCategory(), std::unique_ptr<nxGridDataSubscription>(prototype))
        .second;
}

const nxGridDataSubscription* nxGridDataSubscription::GetPrototype(nxSubscriptionCategory category)
{
    PrototypeRegistry& registry = Registry();
    std::lock_guard guard(registry.lock);
    auto found = registry.prototypes.find(category);
    return found == registry.prototypes.end() ? nullptr : found->second.get();
}
