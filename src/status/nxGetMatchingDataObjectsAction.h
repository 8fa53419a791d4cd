#pragma once

#include <unordered_set>

#include "status/nxControlDataObject.h"
#include "platform/grid/data/nxIndexedMap.h"

// Collects the rows a key selects.
class nxGetMatchingDataObjectsAction : public nxIndexedMap<nxControlDataObject, '^'>::nxIndexedMapAction
{
public:
    void Execute(nxControlDataObject* object) override { m_objects.insert(object); }
    std::unordered_set<nxControlDataObject*>& GetDataObjects() { return m_objects; }

private:
    std::unordered_set<nxControlDataObject*> m_objects;
};
