#include "platform/base/nxElapsedTimeCounter.h"

#include "platform/base/nxSteadyClock.h"

nxElapsedTimeCounter::nxElapsedTimeCounter() : m_start(nxSteadyClock::NowNanoseconds()) {}

void nxElapsedTimeCounter::Reset()
{
    m_start.store(nxSteadyClock::NowNanoseconds(), std::memory_order_release);
}

double nxElapsedTimeCounter::GetElapsedSeconds() const
{
    const int64_t elapsed = nxSteadyClock::NowNanoseconds() - m_start.load(std::memory_order_acquire);
    // Divided, not multiplied by 1e-9: whole seconds must read back exactly.
    return static_cast<double>(elapsed) / 1e9;
}
