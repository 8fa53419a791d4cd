#include "platform/grid/data/nxObservedAttributeContainer.h"

#include <algorithm>

#include "platform/grid/data/nxObservedAttribute.h"
#include "platform/grid/data/nxSharedLockPool.h"

nxObservedAttributeContainer::nxObservedAttributeContainer() : m_lock(new nxRecursiveLock()) {}

nxObservedAttributeContainer::nxObservedAttributeContainer(SharedLock)
    : m_lock(&nxSharedLockPool::RowLocks().For(this))
{
}

nxObservedAttributeContainer::~nxObservedAttributeContainer()
{
    if (m_capacity != 0)
        delete[] m_attributes;
    if (!nxSharedLockPool::RowLocks().Holds(m_lock))
        delete m_lock;
}

void nxObservedAttributeContainer::_SetAttributes(std::span<nxObservedAttribute* const> attributes)
{
    std::lock_guard guard(*m_lock);
    if (m_capacity != 0)
        delete[] m_attributes;
    m_attributes = attributes.data();
    m_count = static_cast<uint32_t>(attributes.size());
    m_capacity = 0;
}

void nxObservedAttributeContainer::Reserve(uint32_t capacity)
{
    if (capacity <= m_capacity)
        return;
    auto* grown = new nxObservedAttribute*[capacity];
    std::copy(m_attributes, m_attributes + m_count, grown);
    if (m_capacity != 0)
        delete[] m_attributes;
    m_attributes = grown;
    m_capacity = capacity;
}

void nxObservedAttributeContainer::AddAttribute(nxObservedAttribute* attribute)
{
    AddAttributes({attribute});
}

void nxObservedAttributeContainer::AddAttributes(std::initializer_list<nxObservedAttribute*> attributes)
{
    std::lock_guard guard(*m_lock);
    const auto needed = static_cast<uint32_t>(m_count + attributes.size());
    if (needed > m_capacity)
        Reserve(std::max(needed, m_capacity * 2));
    auto* owned = const_cast<nxObservedAttribute**>(m_attributes);
    std::copy(attributes.begin(), attributes.end(), owned + m_count);
    m_count = needed;
}

nxObservedAttribute* nxObservedAttributeContainer::GetAttribute(nxAttributeID id) const
{
    std::lock_guard guard(*m_lock);
    for (nxObservedAttribute* attribute : GetAttributes())
        if (attribute->GetAttributeID() == id)
            return attribute;
    return nullptr;
}

uint32_t nxObservedAttributeContainer::GetNumberOfObservers() const
{
    std::lock_guard guard(*m_lock);
    uint32_t count = 0;
    for (const nxObservedAttribute* attribute : GetAttributes())
        count += attribute->GetNumberOfObservers();
    return count;
}

bool nxObservedAttributeContainer::HasObservers() const
{
    std::lock_guard guard(*m_lock);
    for (const nxObservedAttribute* attribute : GetAttributes())
        if (attribute->HasObservers())
            return true;
    return false;
}
