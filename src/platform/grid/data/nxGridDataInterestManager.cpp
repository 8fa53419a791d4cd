#include "platform/grid/data/nxGridDataInterestManager.h"

#include <algorithm>

#include "platform/grid/data/nxGridDataInterest.h"
#include "platform/grid/data/nxGridDataInterestListener.h"

void nxGridDataInterestManager::Add(nxGridDataInterest* interest)
{
    if (interest && std::find(m_interests.begin(), m_interests.end(), interest) == m_interests.end())
        m_interests.push_back(interest);
}

void nxGridDataInterestManager::Remove(nxGridDataInterest* interest)
{
    if (std::erase(m_interests, interest) == 0)
        return;
    // Still under the manager's lock: the grid drops its rows before any of them
    // can be deleted without it hearing of it.
    if (nxGridDataInterestListener* listener = interest->GetListener())
        listener->OnRemoveAllGridDataObjects(*interest);
}

void nxGridDataInterestManager::OnAddGridDataObject(nxGridDataObject* object, bool snapshot)
{
    for (nxGridDataInterest* interest : m_interests)
        interest->OnAddGridDataObject(object, snapshot);
}

void nxGridDataInterestManager::OnRemoveGridDataObject(nxGridDataObject* object)
{
    for (nxGridDataInterest* interest : m_interests)
        interest->OnRemoveGridDataObject(object);
}

void nxGridDataInterestManager::OnGridDataObjectChanged(nxGridDataObject* object)
{
    for (nxGridDataInterest* interest : m_interests)
        interest->OnGridDataObjectChanged(object);
}
