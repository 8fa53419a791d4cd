#include "model/nxAttributeValueCompositeKey.h"

#include <algorithm>

nxAttributeValueCompositeKey::nxAttributeValueCompositeKey(const nxAttributeValueCompositeKey& other)
{
    m_entries.reserve(other.m_entries.size());
    for (const auto& entry : other.m_entries)
        m_entries.emplace_back(entry->CopyInstance());
}

nxAttributeValueCompositeKey&
nxAttributeValueCompositeKey::operator=(const nxAttributeValueCompositeKey& other)
{
    if (this != &other)
    {
        nxAttributeValueCompositeKey copy(other);
        m_entries = std::move(copy.m_entries);
    }
    return *this;
}

void nxAttributeValueCompositeKey::AddKeyValue(const nxAttributeValueCompositeKeyEntry& entry)
{
    m_entries.emplace_back(entry.CopyInstance());
}

void nxAttributeValueCompositeKey::AddKeyValue(std::unique_ptr<nxAttributeValueCompositeKeyEntry> entry)
{
    if (entry)
        m_entries.push_back(std::move(entry));
}

int nxAttributeValueCompositeKey::Compare(const nxAttributeValueCompositeKey& other) const
{
    const size_t common = std::min(m_entries.size(), other.m_entries.size());
    for (size_t i = 0; i < common; ++i)
    {
        const int result = m_entries[i]->Compare(*other.m_entries[i]);
        if (result != 0)
            return result;
    }
    return m_entries.size() < other.m_entries.size() ? -1
                                                     : (m_entries.size() > other.m_entries.size() ? 1 : 0);
}
