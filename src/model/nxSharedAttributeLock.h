#pragma once

#include "platform/grid/data/nxRecursiveLock.h"
#include "platform/grid/data/nxSharedLockPool.h"

// Where an observed attribute's lock lives: in the pool of attribute locks,
// chosen by the attribute's address. Costs the attribute no room at all.
class nxSharedAttributeLock
{
public:
    static nxRecursiveLock& Get(const void* attribute)
    {
        return nxSharedLockPool::AttributeLocks().For(attribute);
    }
};
