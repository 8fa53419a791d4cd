#include "platform/grid/data/nxSharedLockPool.h"

#include <cstdint>

nxRecursiveLock& nxSharedLockPool::For(const void* object)
{
    // Objects lie at least 8 bytes apart; a prime count spreads their addresses.
    return m_locks[(reinterpret_cast<uintptr_t>(object) >> 3) % Size];
}

nxSharedLockPool& nxSharedLockPool::RowLocks()
{
    static nxSharedLockPool* const pool = new nxSharedLockPool();
    return *pool;
}

nxSharedLockPool& nxSharedLockPool::AttributeLocks()
{
    static nxSharedLockPool* const pool = new nxSharedLockPool();
    return *pool;
}
