#include "platform/grid/data/nxObservedAttribute.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

#include "platform/grid/data/nxAttributeObserver.h"

void nxObservedAttribute::AttachObserver(nxAttributeObserver* observer)
{
    if (!observer)
        return;
    std::lock_guard guard(GetLock());
    m_observers.Add(observer);
}

void nxObservedAttribute::DetachObserver(nxAttributeObserver* observer)
{
    std::lock_guard guard(GetLock());
    m_observers.Remove(observer);
}

bool nxObservedAttribute::HasObservers() const
{
    std::lock_guard guard(GetLock());
    return !m_observers.IsEmpty();
}

uint32_t nxObservedAttribute::GetNumberOfObservers() const
{
    std::lock_guard guard(GetLock());
    return m_observers.Size();
}

void nxObservedAttribute::NotifyObservers(nxAttributeChangeBitMask changes, bool extended) const
{
    std::lock_guard guard(GetLock());
    if (m_observers.IsEmpty())
        return;
    // The observers attached now, each told once, also when one of them detaches
    // itself or another during the walk; one detached by an earlier one is not told.
    const std::span<nxAttributeObserver* const> attached = m_observers.View();
    constexpr size_t kInline = 8;
    std::array<nxAttributeObserver*, kInline> inlineCopy;
    std::vector<nxAttributeObserver*> largeCopy;
    std::span<nxAttributeObserver*> observers;
    if (attached.size() <= kInline)
    {
        std::copy(attached.begin(), attached.end(), inlineCopy.begin());
        observers = std::span(inlineCopy.data(), attached.size());
    }
    else
    {
        largeCopy.assign(attached.begin(), attached.end());
        observers = largeCopy;
    }
    for (nxAttributeObserver* observer : observers)
        if (m_observers.Contains(observer))
            observer->OnAttributeChanged(*this, changes, extended);
}
