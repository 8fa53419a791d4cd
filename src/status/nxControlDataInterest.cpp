#include "status/nxControlDataInterest.h"

#include "platform/xml/nxXMLElement.h"
#include "status/nxControlDataManager.h"
#include "status/nxControlDataObject.h"

const bool nxControlDataInterest::_registered = nxGridDataInterest::_Register(new nxControlDataInterest());

namespace
{
constexpr const char* kClientServerKey = "ClientServer";

nxErrorEnum NoManager()
{
    return nxErrorEnum(nxErrorEnum::NotInitialised, "The application status store has not been created");
}
} // namespace

void nxControlDataInterest::GetRequiredSubscriptionCategories(
    std::set<nxSubscriptionCategory>& categories) const
{
    categories.insert(nxSubscriptionCategories::ApplicationStatus);
}

nxErrorEnum nxControlDataInterest::SaveToXML(nxXMLElement& element) const
{
    const nxErrorEnum result = nxGridDataInterest::SaveToXML(element);
    element.AddChildValue(kClientServerKey, GetClientServer().GetAsString());
    return result;
}

nxErrorEnum nxControlDataInterest::LoadFromXML(nxXMLElement& element)
{
    const nxErrorEnum result = nxGridDataInterest::LoadFromXML(element);
    nxXMLElement child = element.HasCurrentChild() ? element.GetNextChildElement(kClientServerKey)
                                                   : element.GetFirstChildElement(kClientServerKey);
    nxClientServerEnum kind;
    kind.SetFromShortDescriptionString(child.GetValue());
    SetClientServer(kind);
    return result;
}

nxErrorEnum nxControlDataInterest::_AttachToDataManager()
{
    nxControlDataManager* manager = nxControlDataManager::GetInstance();
    return manager ? manager->AttachControlDataInterest(this) : NoManager();
}

nxErrorEnum nxControlDataInterest::_DetachFromDataManager()
{
    nxControlDataManager* manager = nxControlDataManager::GetInstance();
    return manager ? manager->DetachControlDataInterest(this) : NoManager();
}

nxErrorEnum nxControlDataInterest::_FetchDataObjects()
{
    nxControlDataManager* manager = nxControlDataManager::GetInstance();
    return manager ? manager->FetchControlDataObjects(this) : NoManager();
}

nxGridDataManager* nxControlDataInterest::_GetDataManager() const
{
    return nxControlDataManager::GetInstance();
}

bool nxControlDataInterest::_IsInterested(const nxGridDataObject* object) const
{
    const auto* row = dynamic_cast<const nxControlDataObject*>(object);
    return row && row->GetClientServer().GetValue() == m_kind.load(std::memory_order_acquire);
}
