#include "platform/grid/data/nxObservedAttributeContainer.h"

#include "platform/grid/data/nxObservedAttribute.h"

void nxObservedAttributeContainer::AddAttribute(nxObservedAttribute* attribute)
{
    std::lock_guard guard(m_lock);
    m_attributes.push_back(attribute);
}

void nxObservedAttributeContainer::AddAttributes(std::initializer_list<nxObservedAttribute*> attributes)
{
    std::lock_guard guard(m_lock);
    m_attributes.insert(m_attributes.end(), attributes.begin(), attributes.end());
}

nxObservedAttribute* nxObservedAttributeContainer::GetAttribute(nxAttributeID id) const
{
    std::lock_guard guard(m_lock);
    for (nxObservedAttribute* attribute : m_attributes)
        if (attribute->GetAttributeID() == id)
            return attribute;
    return nullptr;
}

uint32_t nxObservedAttributeContainer::GetNumberOfObservers() const
{
    std::lock_guard guard(m_lock);
    uint32_t count = 0;
    for (const nxObservedAttribute* attribute : m_attributes)
        count += attribute->GetNumberOfObservers();
    return count;
}
