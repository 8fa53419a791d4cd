#include "platform/grid/data/nxObservedAttribute.h"

#include <algorithm>

#include "platform/grid/data/nxAttributeObserver.h"

void nxObservedAttribute::AttachObserver(nxAttributeObserver* observer)
{
    if (!observer)
        return;
    std::lock_guard guard(m_lock);
    if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void nxObservedAttribute::DetachObserver(nxAttributeObserver* observer)
{
    std::lock_guard guard(m_lock);
    std::erase(m_observers, observer);
}

bool nxObservedAttribute::HasObservers() const
{
    std::lock_guard guard(m_lock);
    return !m_observers.empty();
}

uint32_t nxObservedAttribute::GetNumberOfObservers() const
{
    std::lock_guard guard(m_lock);
    return static_cast<uint32_t>(m_observers.size());
}

void nxObservedAttribute::NotifyObservers(nxAttributeChangeBitMask changes, bool extended) const
{
    std::lock_guard guard(m_lock);
    // By index: an observer that detaches itself must not invalidate the walk.
    for (size_t i = 0; i < m_observers.size(); ++i)
        m_observers[i]->OnAttributeChanged(*this, changes, extended);
}
