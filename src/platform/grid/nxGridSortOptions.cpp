#include "platform/grid/nxGridSortOptions.h"

#include <algorithm>

#include "platform/grid/data/nxAttributeCatalogue.h"

void nxGridSortOptions::SetAvailableRowSortAttributeIDs(nxAttributeCategory category)
{
    for (nxAttributeID id : nxAttributeCatalogue::GetAttributeIDs(category))
        if (std::find(m_available.begin(), m_available.end(), id) == m_available.end())
            m_available.push_back(id);
}

std::vector<nxAttributeSortOptions> nxGridSortOptions::GetEffectiveRowSortAttributes() const
{
    std::vector<nxAttributeSortOptions> keys = m_user;
    keys.insert(keys.end(), m_mandatory.begin(), m_mandatory.end());
    return keys;
}
