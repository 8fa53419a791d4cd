#include "platform/service/nxServiceSubscribers.h"

#include <algorithm>

void nxServiceSubscribers::AddStatus(nxControlCallback* callback, const nxClientServerEnum& kind)
{
    std::lock_guard guard(m_lock);
    m_status.insert({callback, kind.GetValue()});
}

bool nxServiceSubscribers::RemoveStatus(nxControlCallback* callback, const nxClientServerEnum& kind)
{
    bool removed = false;
    {
        std::lock_guard guard(m_lock);
        removed = m_status.erase({callback, kind.GetValue()}) != 0;
    }
    WaitUntilIdle(callback);
    return removed;
}

void nxServiceSubscribers::AddLog(nxControlCallback* callback)
{
    std::lock_guard guard(m_lock);
    m_log.insert(callback);
}

bool nxServiceSubscribers::RemoveLog(nxControlCallback* callback)
{
    bool removed = false;
    {
        std::lock_guard guard(m_lock);
        removed = m_log.erase(callback) != 0;
    }
    WaitUntilIdle(callback);
    return removed;
}

void nxServiceSubscribers::AddLogForUser(nxControlCallback* callback, uint32_t userId)
{
    std::lock_guard guard(m_lock);
    m_logForUser.insert({callback, userId});
}

bool nxServiceSubscribers::RemoveLogForUser(nxControlCallback* callback, uint32_t userId)
{
    bool removed = false;
    {
        std::lock_guard guard(m_lock);
        removed = m_logForUser.erase({callback, userId}) != 0;
    }
    WaitUntilIdle(callback);
    return removed;
}

std::vector<nxControlCallback*> nxServiceSubscribers::GetStatusSubscribers(uint32_t kind) const
{
    std::lock_guard guard(m_lock);
    std::vector<nxControlCallback*> callbacks;
    for (const auto& [callback, subscribedKind] : m_status)
        if (subscribedKind == kind)
            callbacks.push_back(callback);
    return callbacks;
}

std::vector<nxControlCallback*>
nxServiceSubscribers::GetLogSubscribers(const nxUInt32ValueWrapper& destination) const
{
    std::lock_guard guard(m_lock);
    std::vector<nxControlCallback*> callbacks;
    auto add = [&callbacks](nxControlCallback* callback)
    {
        if (std::find(callbacks.begin(), callbacks.end(), callback) == callbacks.end())
            callbacks.push_back(callback);
    };
    if (!destination.HasValue())
    {
        for (nxControlCallback* callback : m_log)
            add(callback);
        return callbacks;
    }
    for (const auto& [callback, userId] : m_logForUser)
        if (userId == destination.GetValue() || userId == nxUInt32ValueWrapper::NullValue)
            add(callback);
    return callbacks;
}

bool nxServiceSubscribers::HasStatusSubscriber(uint32_t kind) const
{
    return !GetStatusSubscribers(kind).empty();
}

bool nxServiceSubscribers::HasLogSubscriber() const
{
    std::lock_guard guard(m_lock);
    return !m_log.empty() || !m_logForUser.empty();
}

bool nxServiceSubscribers::IsLogSubscriber(nxControlCallback* callback) const
{
    if (m_log.count(callback))
        return true;
    return std::any_of(m_logForUser.begin(), m_logForUser.end(),
                       [callback](const auto& entry) { return entry.first == callback; });
}

void nxServiceSubscribers::Leave(nxControlCallback* callback)
{
    std::lock_guard guard(m_lock);
    const auto [first, last] = m_running.equal_range(callback);
    for (auto it = first; it != last; ++it)
    {
        if (it->second == std::this_thread::get_id())
        {
            m_running.erase(it);
            break;
        }
    }
    m_idle.notify_all();
}

void nxServiceSubscribers::WaitUntilIdle(nxControlCallback* callback)
{
    std::unique_lock lock(m_lock);
    m_idle.wait(lock,
                [&]
                {
                    const auto [first, last] = m_running.equal_range(callback);
                    // A call may unsubscribe its own callback; it cannot wait for itself.
                    return std::all_of(first, last,
                                       [](const auto& entry)
                                       { return entry.second == std::this_thread::get_id(); });
                });
}
