#pragma once

#include "platform/grid/data/nxGridDataTypes.h"

// One key rows are sorted by: an attribute and its direction.
class nxAttributeSortOptions
{
public:
    nxAttributeSortOptions() = default;
    nxAttributeSortOptions(nxAttributeID id, bool ascending) : m_id(id), m_ascending(ascending) {}

    nxAttributeID GetAttributeID() const { return m_id; }
    void SetAttributeID(nxAttributeID id) { m_id = id; }
    bool IsAscending() const { return m_ascending; }
    void SetAscending(bool ascending) { m_ascending = ascending; }

    bool operator==(const nxAttributeSortOptions&) const = default;

private:
    nxAttributeID m_id = 0;
    bool m_ascending = true;
};
