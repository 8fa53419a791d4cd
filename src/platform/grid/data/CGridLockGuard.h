#pragma once

#include "platform/grid/data/CGridLock.h"

// Holds a CGridLock for the guard's scope.
class CGridLockGuard
{
public:
    explicit CGridLockGuard(CGridLock& lock) : m_lock(lock) { m_lock.lock(); }
    ~CGridLockGuard() { m_lock.unlock(); }
    CGridLockGuard(const CGridLockGuard&) = delete;
    CGridLockGuard& operator=(const CGridLockGuard&) = delete;

private:
    CGridLock& m_lock;
};
