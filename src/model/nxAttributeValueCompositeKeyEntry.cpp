#include "model/nxAttributeValueCompositeKeyEntry.h"

bool nxAttributeValueCompositeKeyEntry::IsEqual(const nxAttributeValueCompositeKeyEntry& other) const
{
    if (!m_value || !other.m_value)
        return m_value == other.m_value;
    return m_value->IsEqual(*other.m_value, true);
}

int nxAttributeValueCompositeKeyEntry::Compare(const nxAttributeValueCompositeKeyEntry& other) const
{
    int ascending = 0;
    if (!m_value || !other.m_value)
        ascending = (m_value ? 1 : 0) - (other.m_value ? 1 : 0);
    else if (m_value->IsLess(*other.m_value, true))
        ascending = -1;
    else if (m_value->IsGreater(*other.m_value, true))
        ascending = 1;
    return m_ascending ? ascending : -ascending;
}
