#pragma once

#include <cstdint>

#include "platform/grid/data/nxAttribute.h"
#include "platform/grid/data/nxAttributeObserverList.h"
#include "platform/grid/data/nxRecursiveLock.h"

class nxAttributeObserver;

// An attribute with observers and a lock. Updates hold the lock from the first
// comparison to the end of the notification. The lock is the attribute's own,
// or, for the attributes of rows filled once and kept in great numbers, one
// shared by address with others (nxSharedLockPool); either way observers are
// told with it held, and no other attribute's lock is taken while it is.
class nxObservedAttribute : public nxAttribute
{
public:
    ~nxObservedAttribute() override = default;

    virtual nxRecursiveLock& GetLock() const = 0;
    void Lock() const { GetLock().lock(); }
    void Unlock() const { GetLock().unlock(); }

    // Attaching an observer already attached changes nothing.
    void AttachObserver(nxAttributeObserver* observer);
    void DetachObserver(nxAttributeObserver* observer);
    bool HasObservers() const;
    uint32_t GetNumberOfObservers() const;

    // Tells every observer attached when it begins, in the order they attached, once;
    // an observer may detach itself (or a later one) while it is told.
    void NotifyObservers(nxAttributeChangeBitMask changes, bool extended) const;

protected:
    nxObservedAttribute() = default;
    nxObservedAttribute(const nxObservedAttribute&) = delete;
    nxObservedAttribute& operator=(const nxObservedAttribute&) = delete;

private:
    nxAttributeObserverList m_observers;
};
