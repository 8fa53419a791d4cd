#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

#include "platform/grid/data/nxGridDataTypes.h"
#include "platform/grid/data/nxRecursiveLock.h"

class nxObservedAttribute;

// A set of observed attributes with one lock over them all (the row lock).
// The container points to its attributes; whoever adds them owns them.
class nxObservedAttributeContainer
{
public:
    // With a lock of its own; the attributes are registered with AddAttribute.
    nxObservedAttributeContainer();
    virtual ~nxObservedAttributeContainer();
    nxObservedAttributeContainer(const nxObservedAttributeContainer&) = delete;
    nxObservedAttributeContainer& operator=(const nxObservedAttributeContainer&) = delete;

    void Lock() const { m_lock->lock(); }
    void Unlock() const { m_lock->unlock(); }
    nxRecursiveLock& GetLock() const { return *m_lock; }

    void AddAttribute(nxObservedAttribute* attribute);
    void AddAttributes(std::initializer_list<nxObservedAttribute*> attributes);

    // Null when the container has no attribute of that id.
    nxObservedAttribute* GetAttribute(nxAttributeID id) const;
    std::span<nxObservedAttribute* const> GetAttributes() const { return {m_attributes, m_count}; }

    // Observers over all attributes: 0 when no grid cell shows any of them.
    uint32_t GetNumberOfObservers() const;
    // Whether any attribute has an observer; stops at the first that has.
    bool HasObservers() const;

protected:
    // For rows filled once and kept by the hundred thousand: the lock is shared by
    // address with other such rows (nxSharedLockPool), and the attributes are
    // listed once, with _SetAttributes, in storage that the row keeps.
    struct SharedLock
    {
    };
    explicit nxObservedAttributeContainer(SharedLock);
    // The list must outlive the container; AddAttribute is not used with it.
    void _SetAttributes(std::span<nxObservedAttribute* const> attributes);

private:
    void Reserve(uint32_t capacity);

    nxRecursiveLock* m_lock;
    nxObservedAttribute* const* m_attributes = nullptr;
    uint32_t m_count = 0;
    // 0 while the list is the row's own storage (or empty).
    uint32_t m_capacity = 0;
};
