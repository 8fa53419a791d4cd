#pragma once

#include <cstdint>
#include <initializer_list>
#include <mutex>
#include <vector>

#include "platform/grid/data/nxGridDataTypes.h"

class nxObservedAttribute;

// A set of observed attributes with one lock over them all (the row lock).
// The container points to its attributes; whoever adds them owns them.
class nxObservedAttributeContainer
{
public:
    nxObservedAttributeContainer() = default;
    virtual ~nxObservedAttributeContainer() = default;
    nxObservedAttributeContainer(const nxObservedAttributeContainer&) = delete;
    nxObservedAttributeContainer& operator=(const nxObservedAttributeContainer&) = delete;

    void Lock() const { m_lock.lock(); }
    void Unlock() const { m_lock.unlock(); }
    std::recursive_mutex& GetLock() const { return m_lock; }

    void AddAttribute(nxObservedAttribute* attribute);
    void AddAttributes(std::initializer_list<nxObservedAttribute*> attributes);

    // Null when the container has no attribute of that id.
    nxObservedAttribute* GetAttribute(nxAttributeID id) const;
    const std::vector<nxObservedAttribute*>& GetAttributes() const { return m_attributes; }

    // Observers over all attributes: 0 when no grid cell shows any of them.
    uint32_t GetNumberOfObservers() const;

private:
    mutable std::recursive_mutex m_lock;
    std::vector<nxObservedAttribute*> m_attributes;
};
