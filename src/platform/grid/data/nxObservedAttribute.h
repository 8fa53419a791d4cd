#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/grid/data/nxAttribute.h"

class nxAttributeObserver;

// An attribute with observers and a lock of its own. Updates hold the lock from
// the first comparison to the end of the notification.
class nxObservedAttribute : public nxAttribute
{
public:
    ~nxObservedAttribute() override = default;

    void Lock() const { m_lock.lock(); }
    void Unlock() const { m_lock.unlock(); }
    std::recursive_mutex& GetLock() const { return m_lock; }

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

private:
    mutable std::recursive_mutex m_lock;
    std::vector<nxAttributeObserver*> m_observers;
};
