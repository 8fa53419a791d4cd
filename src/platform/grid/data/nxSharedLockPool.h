#pragma once

#include <array>
#include <cstddef>

#include "platform/grid/data/nxRecursiveLock.h"

// Re-entrant locks shared out by address, for objects too many to carry a lock
// each (a store keeps hundreds of thousands of log rows, each with its
// attributes) and too rarely contended to need one of their own. Objects may
// share a lock, so a thread that holds one of a pool's locks takes no other of
// the same pool: rows and attributes draw from separate pools, and the lock
// order (row before attribute, one row and one attribute at a time) does the rest.
class nxSharedLockPool
{
public:
    static constexpr size_t Size = 509;

    nxRecursiveLock& For(const void* object);
    bool Holds(const nxRecursiveLock* lock) const
    {
        return lock >= m_locks.data() && lock < m_locks.data() + m_locks.size();
    }

    // The pools live for the whole run: rows may outlive any other static object.
    static nxSharedLockPool& RowLocks();
    static nxSharedLockPool& AttributeLocks();

private:
    nxSharedLockPool() = default;

    std::array<nxRecursiveLock, Size> m_locks;
};
