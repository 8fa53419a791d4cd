#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

// A re-entrant lock. Besides the usual lock/unlock it offers LockUnless: wait for
// the lock unless a flag is raised, so that a callback waiting for the lock can
// give way to a thread that holds it and is waiting for that callback to end.
// Whoever raises such a flag calls WakeWaiters so the waiters look at it again.
class CGridLock
{
public:
    CGridLock() = default;
    CGridLock(const CGridLock&) = delete;
    CGridLock& operator=(const CGridLock&) = delete;

    // Taking it again, and giving back all but the last hold, cost no call: the
    // store's lock is taken again several times for each message filed.
    void lock()
    {
        if (IsHeldByCurrentThread())
            ++m_depth;
        else
            LockFirst();
    }
    bool try_lock();
    void unlock()
    {
        if (m_depth > 1)
            --m_depth;
        else
            Release();
    }

    // True with the lock taken; false, without it, once abandon is true.
    bool LockUnless(const std::atomic<bool>& abandon);
    void WakeWaiters();

    bool IsHeldByCurrentThread() const
    {
        return m_owner.load(std::memory_order_relaxed) == std::this_thread::get_id();
    }
    // Threads blocked in lock or LockUnless right now; lets a test know that a
    // thread has reached the lock before it goes on.
    unsigned GetNumberOfWaiters() const;

private:
    void LockFirst();
    void Release();
    bool TakeIfFree();
    void BecomeOwner();

    std::mutex m_mutex;
    std::condition_variable m_released;
    std::atomic<bool> m_held{false};
    std::atomic<unsigned> m_waiters{0};     // changed under m_mutex
    std::atomic<std::thread::id> m_owner{}; // written by the holder only
    unsigned m_depth = 0;                   // touched by the holder only
};
