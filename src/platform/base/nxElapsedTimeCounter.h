#pragma once

#include <atomic>
#include <cstdint>

// Time since construction or the last Reset, read from nxSteadyClock. Safe to
// reset on one thread while another reads.
class nxElapsedTimeCounter
{
public:
    nxElapsedTimeCounter();

    void Reset();
    double GetElapsedSeconds() const;

private:
    std::atomic<int64_t> m_start;
};
