#pragma once

#include <chrono>
#include <thread>

// Polls a condition that another thread will make true; false when it is still
// not true after the limit, so that a broken test fails instead of hanging.
template <class Condition>
bool nxWaitUntil(Condition&& condition, std::chrono::milliseconds limit = std::chrono::seconds(10))
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition())
    {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return true;
}
