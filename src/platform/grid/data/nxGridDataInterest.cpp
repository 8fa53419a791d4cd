#include "platform/grid/data/nxGridDataInterest.h"

#include <memory>
#include <mutex>

#include "platform/grid/data/nxAttribute.h"
#include "platform/grid/data/nxColumnFilter.h"
#include "platform/grid/data/nxGridDataInterestListener.h"
#include "platform/grid/data/nxGridDataManager.h"
#include "platform/grid/data/nxGridDataObject.h"
#include "platform/grid/data/nxObservedAttribute.h"
#include "platform/xml/nxXMLElement.h"

namespace
{
constexpr const char* kClassNameKey = "ClassName";

struct PrototypeRegistry
{
    std::mutex lock;
    std::map<std::string, std::unique_ptr<nxGridDataInterest>> prototypes;
};

PrototypeRegistry& Registry()
{
    static PrototypeRegistry registry;
    return registry;
}
} // namespace

nxGridDataInterest::~nxGridDataInterest() = default;

nxErrorEnum nxGridDataInterest::SaveToXML(nxXMLElement& element) const
{
    if (!element.IsValid())
        return nxErrorEnum(nxErrorEnum::InvalidArgument, "No XML element to save the data interest into");
    element.AddChildValue(kClassNameKey, GetClassName());
    return {};
}

nxErrorEnum nxGridDataInterest::LoadFromXML(nxXMLElement& element)
{
    if (!element.IsValid())
        return nxErrorEnum(nxErrorEnum::InvalidArgument, "No XML element to load the data interest from");
    element.ResetReadingPosition();
    element.GetFirstChildElement(kClassNameKey);
    return {};
}

std::string nxGridDataInterest::ReadClassName(nxXMLElement& element)
{
    nxXMLElement reader = element;
    reader.ResetReadingPosition();
    return reader.GetFirstChildElement(kClassNameKey).GetValue();
}

nxErrorEnum nxGridDataInterest::AttachToDataManager()
{
    if (IsAttached())
        return {};
    const nxErrorEnum result = _AttachToDataManager();
    // Attached even on failure: the manager holds the interest until it is detached.
    m_attached.store(true, std::memory_order_release);
    return result;
}

nxErrorEnum nxGridDataInterest::DetachFromDataManager()
{
    if (!IsAttached())
        return {};
    const nxErrorEnum result = _DetachFromDataManager();
    m_attached.store(false, std::memory_order_release);
    return result;
}

nxErrorEnum nxGridDataInterest::FetchDataObjects()
{
    if (!IsAttached())
    {
        const nxErrorEnum attached = AttachToDataManager();
        if (!attached.IsOK())
            return attached;
    }
    return _FetchDataObjects();
}

nxErrorEnum nxGridDataInterest::RefreshDataObjectsWithNewFilters(bool)
{
    // A row being filed meanwhile would be dropped after it was shown but before
    // the store counts its observers, and be deleted as shown by no one.
    std::unique_lock<CGridLock> guard;
    if (nxGridDataManager* manager = _GetDataManager())
        guard = std::unique_lock(manager->GetLock());
    if (nxGridDataInterestListener* listener = GetListener())
        listener->OnRemoveAllGridDataObjects(*this);
    return IsAttached() ? _FetchDataObjects() : nxErrorEnum();
}

void nxGridDataInterest::OnAddGridDataObject(nxGridDataObject* object, bool snapshot)
{
    nxGridDataInterestListener* listener = GetListener();
    if (listener && _IsInterested(object))
        listener->OnAddGridDataObject(*this, object, snapshot);
}

void nxGridDataInterest::OnAddAcceptedGridDataObject(nxGridDataObject* object, bool snapshot)
{
    if (nxGridDataInterestListener* listener = GetListener())
        listener->OnAddGridDataObject(*this, object, snapshot);
}

void nxGridDataInterest::OnRemoveGridDataObject(nxGridDataObject* object)
{
    if (nxGridDataInterestListener* listener = GetListener())
        listener->OnRemoveGridDataObject(*this, object);
}

void nxGridDataInterest::OnGridDataObjectChanged(nxGridDataObject* object)
{
    nxGridDataInterestListener* listener = GetListener();
    if (!listener)
        return;
    if (_IsInterested(object))
        listener->OnGridDataObjectChanged(*this, object);
    else
        listener->OnRemoveGridDataObject(*this, object);
}

void nxGridDataInterest::OnEndOfDataUpdate(bool throttled)
{
    nxGridDataInterestListener* listener = GetListener();
    if (!listener)
        return;
    // A grid that has not taken in the last update yet is told nothing; looked at
    // before it is set, since between two flushes most updates find it set already.
    if (throttled && (m_updatePending.load(std::memory_order_acquire) ||
                      m_updatePending.exchange(true, std::memory_order_acq_rel)))
        return;
    listener->OnEndOfDataUpdate(*this);
}

void nxGridDataInterest::OnSnapshotCompleted()
{
    if (nxGridDataInterestListener* listener = GetListener())
        listener->OnSnapshotCompleted(*this);
}

void nxGridDataInterest::OnSnapshotError(const nxErrorEnum& error)
{
    if (nxGridDataInterestListener* listener = GetListener())
        listener->OnSnapshotError(*this, error);
}

void nxGridDataInterest::PopulateColumnFilterWithAvailableAttributeValues(
    nxGridDataObject* object, nxColumnFilter* filter, const std::map<nxGridColumn*, nxColumnFilter*>&)
{
    if (!object || !filter || !_IsInterested(object))
        return;
    if (const nxObservedAttribute* attribute = object->GetAttribute(filter->GetAttributeID()))
        filter->AddAvailableValue(attribute->GetAttributeValueAsString());
}

bool nxGridDataInterest::_Register(nxGridDataInterest* prototype)
{
    if (!prototype)
        return false;
    PrototypeRegistry& registry = Registry();
    std::lock_guard guard(registry.lock);
    return registry.prototypes
        .emplace(prototype->GetClassName(), std::unique_ptr<nxGridDataInterest>(prototype))
        .second;
}

nxGridDataInterest* nxGridDataInterest::CreateInstanceByName(const std::string& className)
{
    PrototypeRegistry& registry = Registry();
    std::lock_guard guard(registry.lock);
    auto found = registry.prototypes.find(className);
    return found == registry.prototypes.end() ? nullptr : found->second->CreateInstance();
}
