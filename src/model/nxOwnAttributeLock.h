#pragma once

#include <mutex>

// Where an observed attribute's lock lives: in the attribute itself.
class nxOwnAttributeLock
{
public:
    std::recursive_mutex& Get(const void* /*attribute*/) const { return m_lock; }

private:
    mutable std::recursive_mutex m_lock;
};
