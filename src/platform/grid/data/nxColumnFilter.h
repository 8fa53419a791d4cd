#pragma once

#include <set>
#include <string>

#include "platform/grid/data/nxGridDataTypes.h"

class nxGridColumn;

// The values a column filter offers: the distinct texts of one attribute over the rows.
class nxColumnFilter
{
public:
    explicit nxColumnFilter(nxAttributeID attributeId) : m_attributeId(attributeId) {}

    nxAttributeID GetAttributeID() const { return m_attributeId; }
    void AddAvailableValue(std::string text) { m_values.insert(std::move(text)); }
    const std::set<std::string>& GetAvailableValues() const { return m_values; }

private:
    nxAttributeID m_attributeId;
    std::set<std::string> m_values;
};
