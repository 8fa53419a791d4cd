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

nxGridDataSubscription::~nxGridDataSubscription()
{
    TakeDataObjectsCreatedBySubscription();
}

void nxGridDataSubscription::AddDataInterest(nxGridDataInterest* interest)
{
    std::lock_guard guard(m_lock);
    if (interest && std::find(m_interests.begin(), m_interests.end(), interest) == m_interests.end())
    {
        m_interests.push_back(interest);
        m_interestsVersion.store(NewInterestsVersion(), std::memory_order_release);
    }
}

void nxGridDataSubscription::RemoveDataInterest(nxGridDataInterest* interest)
{
    std::lock_guard guard(m_lock);
    if (std::erase(m_interests, interest) != 0)
        m_interestsVersion.store(NewInterestsVersion(), std::memory_order_release);
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

void nxGridDataSubscription::GetDataInterests(std::vector<nxGridDataInterest*>& interests) const
{
    std::lock_guard guard(m_lock);
    interests.assign(m_interests.begin(), m_interests.end());
}

void nxGridDataSubscription::GetDataInterests(std::vector<nxGridDataInterest*>& interests,
                                              uint64_t& version) const
{
    if (version != 0 && m_interestsVersion.load(std::memory_order_acquire) == version)
        return;
    std::lock_guard guard(m_lock);
    interests.assign(m_interests.begin(), m_interests.end());
    version = m_interestsVersion.load(std::memory_order_relaxed);
}

uint64_t nxGridDataSubscription::NewInterestsVersion()
{
    static std::atomic<uint64_t> last{0};
    return last.fetch_add(1, std::memory_order_relaxed) + 1;
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
    nxGridDataSubscription* creator = object->GetCreatorSubscription();
    if (creator == this)
        return;
    if (creator)
        creator->RemoveDataObjectCreatedBySubscription(object);
    std::lock_guard guard(m_lock);
    object->m_previousCreated = m_lastCreated;
    object->m_nextCreated = nullptr;
    (m_lastCreated ? m_lastCreated->m_nextCreated : m_firstCreated) = object;
    m_lastCreated = object;
    ++m_createdCount;
    object->m_creator.store(this, std::memory_order_release);
}

void nxGridDataSubscription::RemoveDataObjectCreatedBySubscription(nxGridDataObject* object)
{
    std::lock_guard guard(m_lock);
    if (object->GetCreatorSubscription() != this)
        return;
    (object->m_previousCreated ? object->m_previousCreated->m_nextCreated : m_firstCreated) =
        object->m_nextCreated;
    (object->m_nextCreated ? object->m_nextCreated->m_previousCreated : m_lastCreated) =
        object->m_previousCreated;
    object->m_previousCreated = object->m_nextCreated = nullptr;
    --m_createdCount;
    object->m_creator.store(nullptr, std::memory_order_release);
}

std::vector<nxGridDataObject*> nxGridDataSubscription::TakeDataObjectsCreatedBySubscription()
{
    std::lock_guard guard(m_lock);
    std::vector<nxGridDataObject*> taken;
    taken.reserve(m_createdCount);
    for (nxGridDataObject* object = m_firstCreated; object;)
    {
        nxGridDataObject* next = object->m_nextCreated;
        object->m_previousCreated = object->m_nextCreated = nullptr;
        object->m_creator.store(nullptr, std::memory_order_release);
        taken.push_back(object);
        object = next;
    }
    m_firstCreated = m_lastCreated = nullptr;
    m_createdCount = 0;
    return taken;
}

size_t nxGridDataSubscription::GetNumberOfDataObjectsCreated() const
{
    std::lock_guard guard(m_lock);
    return m_createdCount;
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
