#include "platform/grid/data/CGridLock.h"

void CGridLock::lock()
{
    if (IsHeldByCurrentThread())
    {
        ++m_depth;
        return;
    }
    std::unique_lock guard(m_mutex);
    ++m_waiters;
    m_released.wait(guard, [this] { return !m_held; });
    --m_waiters;
    m_held = true;
    m_owner.store(std::this_thread::get_id(), std::memory_order_relaxed);
    m_depth = 1;
}

bool CGridLock::try_lock()
{
    if (IsHeldByCurrentThread())
    {
        ++m_depth;
        return true;
    }
    std::lock_guard guard(m_mutex);
    if (m_held)
        return false;
    m_held = true;
    m_owner.store(std::this_thread::get_id(), std::memory_order_relaxed);
    m_depth = 1;
    return true;
}

void CGridLock::unlock()
{
    if (--m_depth > 0)
        return;
    bool waited = false;
    {
        std::lock_guard guard(m_mutex);
        m_owner.store(std::thread::id(), std::memory_order_relaxed);
        m_held = false;
        // A thread that comes to wait later counts itself first, under the mutex, and then sees the lock
        // free.
        waited = m_waiters != 0;
    }
    // Every waiter looks again: some wait for the lock, some for their flag.
    if (waited)
        m_released.notify_all();
}

bool CGridLock::LockUnless(const std::atomic<bool>& abandon)
{
    if (IsHeldByCurrentThread())
    {
        ++m_depth;
        return true;
    }
    std::unique_lock guard(m_mutex);
    ++m_waiters;
    m_released.wait(guard, [&] { return !m_held || abandon.load(std::memory_order_acquire); });
    --m_waiters;
    if (abandon.load(std::memory_order_acquire))
        return false;
    m_held = true;
    m_owner.store(std::this_thread::get_id(), std::memory_order_relaxed);
    m_depth = 1;
    return true;
}

unsigned CGridLock::GetNumberOfWaiters() const
{
    std::lock_guard guard(m_mutex);
    return m_waiters;
}

void CGridLock::WakeWaiters()
{
    {
        std::lock_guard guard(m_mutex);
    }
    m_released.notify_all();
}
