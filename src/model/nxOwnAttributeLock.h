#pragma once

#include "platform/grid/data/nxRecursiveLock.h"

// Where an observed attribute's lock lives: in the attribute itself.
class nxOwnAttributeLock
{
public:
    nxRecursiveLock& Get(const void* /*attribute*/) const { return m_lock; }

private:
    mutable nxRecursiveLock m_lock;
};
