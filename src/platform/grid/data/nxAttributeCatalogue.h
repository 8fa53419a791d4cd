#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/grid/data/nxGridDataTypes.h"

// What the grid knows of an attribute id: its column heading, its category and
// the class of its value.
struct nxAttributeInfo
{
    nxAttributeID id;
    std::string_view heading;
    nxAttributeCategory category;
    std::string_view valueClassName;
};

class nxAttributeCatalogue
{
public:
    // Null for an unknown id.
    static const nxAttributeInfo* Find(nxAttributeID id);
    // The ids of a category, in ascending order.
    static std::vector<nxAttributeID> GetAttributeIDs(nxAttributeCategory category);
    // The heading, or the id as text for an unknown id.
    static std::string GetHeading(nxAttributeID id);
};
