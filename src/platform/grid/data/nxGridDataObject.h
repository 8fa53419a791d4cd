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
    // A row still recorded by its creator leaves that record.
    ~nxGridDataObject() override;

    nxGridDataSubscription* GetCreatorSubscription() const
    {
        return m_creator.load(std::memory_order_acquire);
    }

    virtual nxGridDataManager* GetDataManager() const = 0;
    virtual bool RespondsToGridEvents() const { return true; }
    // Rows are never marked unread unless a class says otherwise.
    virtual void MarkAsUnread(bool /*unread*/) {}
    virtual bool IsMarkedAsUnread() const { return false; }

protected:
    nxGridDataObject() = default;
    explicit nxGridDataObject(SharedLock shared) : nxObservedAttributeContainer(shared) {}

private:
    // The creator records its rows in a list through the rows themselves, so
    // that a row costs its creator no room; the creator's lock guards the links.
    friend class nxGridDataSubscription;

    std::atomic<nxGridDataSubscription*> m_creator{nullptr};
    nxGridDataObject* m_previousCreated = nullptr;
    nxGridDataObject* m_nextCreated = nullptr;
};
