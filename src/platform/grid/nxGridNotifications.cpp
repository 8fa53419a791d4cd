#include "platform/grid/nxGridNotifications.h"

#include "platform/grid/nxGridNotificationSource.h"

nxGridNotifications::nxGridNotifications(std::unique_ptr<nxGridNotificationSource> source)
    : m_source(std::move(source))
{
}

nxGridNotifications::~nxGridNotifications() = default;

void nxGridNotifications::SetEnabled(bool enabled)
{
    std::lock_guard guard(m_lock);
    if (enabled == IsEnabled())
        return;
    m_enabled.store(enabled, std::memory_order_release);
    if (enabled)
        return;
    m_waiting.clear();
    m_source->Forget();
}

bool nxGridNotifications::OnAdded(const nxGridDataObject& object, bool snapshot)
{
    if (!IsEnabled())
        return false;
    std::lock_guard guard(m_lock);
    return IsEnabled() && Queue(m_source->OnAdded(object, snapshot));
}

bool nxGridNotifications::OnChanged(const nxGridDataObject& object)
{
    if (!IsEnabled())
        return false;
    std::lock_guard guard(m_lock);
    return IsEnabled() && Queue(m_source->OnChanged(object));
}

void nxGridNotifications::OnRemoved(const nxGridDataObject& object)
{
    if (!IsEnabled())
        return;
    std::lock_guard guard(m_lock);
    if (IsEnabled())
        m_source->OnRemoved(object);
}

void nxGridNotifications::OnRemovedAll()
{
    std::lock_guard guard(m_lock);
    m_source->Forget();
}

bool nxGridNotifications::Queue(std::optional<nxGridNotification> notification)
{
    if (!notification || m_waiting.size() >= MaxWaiting)
        return false;
    m_waiting.push_back(std::move(*notification));
    return true;
}

std::vector<nxGridNotification> nxGridNotifications::Take(int64_t nowNanoseconds)
{
    std::vector<nxGridNotification> waiting;
    {
        std::lock_guard guard(m_lock);
        waiting.swap(m_waiting);
    }
    std::erase_if(waiting, [&](const nxGridNotification& notification)
                  { return !m_limiter.Allow(notification.subject, nowNanoseconds); });
    return waiting;
}

std::string nxGridNotifications::RowKeyOf(const nxGridDataObject& object) const
{
    return m_source->RowKeyOf(object);
}
