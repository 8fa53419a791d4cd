#pragma once

#include <atomic>

#include "platform/base/nxClientServerEnum.h"
#include "platform/grid/data/nxGridDataInterest.h"

// A view's interest in the rows of one kind of application: server (72) or client (71).
class nxControlDataInterest : public nxGridDataInterest
{
public:
    static const bool _registered;

    nxControlDataInterest() = default;
    ~nxControlDataInterest() override = default;

    void SetClientServer(const nxClientServerEnum& clientServer)
    {
        m_kind.store(clientServer.GetValue(), std::memory_order_release);
    }
    nxClientServerEnum GetClientServer() const
    {
        return nxClientServerEnum(m_kind.load(std::memory_order_acquire));
    }

    nxGridDataInterest* CreateInstance() const override { return new nxControlDataInterest(); }
    std::string GetClassName() const override { return "nxControlDataInterest"; }
    void GetRequiredSubscriptionCategories(std::set<nxSubscriptionCategory>& categories) const override;
    nxErrorEnum SaveToXML(nxXMLElement& element) const override;
    nxErrorEnum LoadFromXML(nxXMLElement& element) override;

protected:
    nxErrorEnum _AttachToDataManager() override;
    nxErrorEnum _DetachFromDataManager() override;
    nxErrorEnum _FetchDataObjects() override;
    bool _IsInterested(const nxGridDataObject* object) const override;
    nxGridDataManager* _GetDataManager() const override;

private:
    std::atomic<uint32_t> m_kind{nxEnum::UndefinedValue};
};
