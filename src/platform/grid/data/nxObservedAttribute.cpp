#include "platform/grid/data/nxObservedAttribute.h"

#include <algorithm>
#include <array>
#include <span>

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
    // The observers attached now, each told once, also when one of them detaches
    // itself or another during the walk; one detached by an earlier one is not told.
    constexpr size_t kInline = 8;
    std::array<nxAttributeObserver*, kInline> inlineCopy;
    std::vector<nxAttributeObserver*> largeCopy;
    std::span<nxAttributeObserver*> observers;
    if (m_observers.size() <= kInline)
    {
        std::copy(m_observers.begin(), m_observers.end(), inlineCopy.begin());
        observers = std::span(inlineCopy.data(), m_observers.size());
    }
    else
    {
        largeCopy = m_observers;
        observers = largeCopy;
    }
    for (nxAttributeObserver* observer : observers)
        if (std::find(m_observers.begin(), m_observers.end(), observer) != m_observers.end())
            observer->OnAttributeChanged(*this, changes, extended);
}
