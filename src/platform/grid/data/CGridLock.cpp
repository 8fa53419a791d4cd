#include "platform/grid/data/CGridLock.h"

// Taking a free lock no one waits for, and giving it back when no one waits,
// are one atomic operation each; the mutex and condition are only for waiting.
// A waiter counts itself before it tries the lock, and a releaser frees the
// lock before it looks for waiters (both sequentially consistent): so either
// the waiter finds the lock free or the releaser finds the waiter and wakes it.

bool CGridLock::TakeIfFree()
{
    bool free = false;
    return m_held.compare_exchange_strong(free, true, std::memory_order_seq_cst);
}

void CGridLock::BecomeOwner()
{
    m_owner.store(std::this_thread::get_id(), std::memory_order_relaxed);
    m_depth = 1;
}

// A flag that is never raised: waiting for the lock is LockUnless's wait.
void CGridLock::LockFirst()
{
    static const std::atomic<bool> never{false};
    LockUnless(never);
}

bool CGridLock::try_lock()
{
    if (IsHeldByCurrentThread())
    {
        ++m_depth;
        return true;
    }
    if (!TakeIfFree())
        return false;
    BecomeOwner();
    return true;
}

void CGridLock::Release()
{
    m_depth = 0;
    m_owner.store(std::thread::id(), std::memory_order_relaxed);
    m_held.store(false, std::memory_order_seq_cst);
    if (m_waiters.load(std::memory_order_seq_cst) != 0)
        WakeWaiters();
}

bool CGridLock::LockUnless(const std::atomic<bool>& abandon)
{
    if (IsHeldByCurrentThread())
    {
        ++m_depth;
        return true;
    }
    if (abandon.load(std::memory_order_acquire))
        return false;
    if (m_waiters.load(std::memory_order_relaxed) != 0 || !TakeIfFree())
    {
        std::unique_lock guard(m_mutex);
        m_waiters.fetch_add(1, std::memory_order_seq_cst);
        bool abandoned = false;
        m_released.wait(guard, [&]
                        { return (abandoned = abandon.load(std::memory_order_acquire)) || TakeIfFree(); });
        m_waiters.fetch_sub(1, std::memory_order_relaxed);
        if (abandoned)
            return false;
    }
    BecomeOwner();
    return true;
}

unsigned CGridLock::GetNumberOfWaiters() const
{
    return m_waiters.load(std::memory_order_acquire);
}

// Every waiter looks again: some wait for the lock, some for their flag. Taking
// the mutex first means a waiter between its look and its sleep is not missed.
void CGridLock::WakeWaiters()
{
    {
        std::lock_guard guard(m_mutex);
    }
    m_released.notify_all();
}
