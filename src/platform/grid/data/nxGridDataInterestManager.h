#pragma once

#include <vector>

class nxGridDataInterest;
class nxGridDataObject;

// The interests attached to one data manager; every call runs with that
// manager locked, which also guards the list.
class nxGridDataInterestManager
{
public:
    void Add(nxGridDataInterest* interest);
    void Remove(nxGridDataInterest* interest);
    const std::vector<nxGridDataInterest*>& GetDataInterests() const { return m_interests; }
    bool IsEmpty() const { return m_interests.empty(); }

    void OnAddGridDataObject(nxGridDataObject* object, bool snapshot);
    void OnRemoveGridDataObject(nxGridDataObject* object);
    void OnGridDataObjectChanged(nxGridDataObject* object);

private:
    std::vector<nxGridDataInterest*> m_interests;
};
