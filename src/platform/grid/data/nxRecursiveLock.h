#pragma once

#include <atomic>
#include <thread>

// The re-entrant lock of rows and attributes. Their locks are taken and given
// back several times for each row filed and each cell drawn, almost never
// contended: a free lock is taken with one compare-and-swap and given back with
// one exchange, inline, and taking it again costs no atomic operation at all. A
// thread that finds it held sleeps on the lock's word until the holder, seeing
// that someone waits, wakes one sleeper.
class nxRecursiveLock
{
public:
    nxRecursiveLock() = default;
    nxRecursiveLock(const nxRecursiveLock&) = delete;
    nxRecursiveLock& operator=(const nxRecursiveLock&) = delete;

    void lock()
    {
        if (HeldByThisThread())
        {
            ++m_depth;
            return;
        }
        int free = kFree;
        if (!m_state.compare_exchange_strong(free, kHeld, std::memory_order_acquire))
            WaitAndTake();
        BecomeOwner();
    }

    bool try_lock()
    {
        if (HeldByThisThread())
        {
            ++m_depth;
            return true;
        }
        int free = kFree;
        if (!m_state.compare_exchange_strong(free, kHeld, std::memory_order_acquire))
            return false;
        BecomeOwner();
        return true;
    }

    void unlock()
    {
        if (m_depth > 1)
        {
            --m_depth;
            return;
        }
        m_depth = 0;
        m_owner.store(std::thread::id(), std::memory_order_relaxed);
        if (m_state.exchange(kFree, std::memory_order_release) == kWaitedFor)
            m_state.notify_one();
    }

private:
    static constexpr int kFree = 0;
    static constexpr int kHeld = 1;
    // Held, and some thread may be asleep on it.
    static constexpr int kWaitedFor = 2;

    // Only this thread ever writes its own id here, so a stale read is never its id.
    bool HeldByThisThread() const
    {
        return m_owner.load(std::memory_order_relaxed) == std::this_thread::get_id();
    }

    void BecomeOwner()
    {
        m_owner.store(std::this_thread::get_id(), std::memory_order_relaxed);
        m_depth = 1;
    }

    // Marks the lock waited for before sleeping, so the holder's release wakes a
    // sleeper; taking it this way leaves it marked, which costs at most one
    // needless wake.
    void WaitAndTake()
    {
        while (m_state.exchange(kWaitedFor, std::memory_order_acquire) != kFree)
            m_state.wait(kWaitedFor, std::memory_order_relaxed);
    }

    std::atomic<int> m_state{kFree};
    std::atomic<std::thread::id> m_owner{};
    unsigned m_depth = 0; // touched by the holder only
};
