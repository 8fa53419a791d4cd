#pragma once

#include <atomic>

#include "platform/grid/data/nxObservedAttributeContainer.h"

class nxGridDataManager;
class nxGridDataSubscription;

// One row of data that grids show: a container of observed attributes, owned by
// its data manager and made by a subscription (its creator), if any.
class nxGridDataObject : public nxObservedAttributeContainer
{
public:
    ~nxGridDataObject() override = default;

    nxGridDataSubscription* GetCreatorSubscription() const
    {
        return m_creator.load(std::memory_order_acquire);
    }
    void SetCreatorSubscription(nxGridDataSubscription* subscription)
    {
        m_creator.store(subscription, std::memory_order_release);
    }

    virtual nxGridDataManager* GetDataManager() const = 0;
    virtual bool RespondsToGridEvents() const { return true; }
    // Rows are never marked unread unless a class says otherwise.
    virtual void MarkAsUnread(bool /*unread*/) {}
    virtual bool IsMarkedAsUnread() const { return false; }

protected:
    nxGridDataObject() = default;

private:
    std::atomic<nxGridDataSubscription*> m_creator{nullptr};
};
