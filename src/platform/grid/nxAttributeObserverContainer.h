#pragma once

#include <atomic>
#include <cstdint>

#include "platform/grid/data/CGridLock.h"

// What owns attribute observers (a grid's cells and rows): the owner's own lock,
// and a count of the observers attached right now, so that a grid can show it
// has let go of every attribute.
class nxAttributeObserverContainer
{
public:
    nxAttributeObserverContainer() = default;
    virtual ~nxAttributeObserverContainer() = default;
    nxAttributeObserverContainer(const nxAttributeObserverContainer&) = delete;
    nxAttributeObserverContainer& operator=(const nxAttributeObserverContainer&) = delete;

    void Lock() const { m_lock.lock(); }
    void Unlock() const { m_lock.unlock(); }
    CGridLock& GetLock() const { return m_lock; }

    uint64_t GetNumberOfAttachedObservers() const { return m_attached.load(std::memory_order_acquire); }
    void CountObserverAttached() { m_attached.fetch_add(1, std::memory_order_acq_rel); }
    void CountObserverDetached() { m_attached.fetch_sub(1, std::memory_order_acq_rel); }

private:
    mutable CGridLock m_lock;
    std::atomic<uint64_t> m_attached{0};
};
