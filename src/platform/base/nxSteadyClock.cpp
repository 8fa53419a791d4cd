#include "platform/base/nxSteadyClock.h"

#include <chrono>
#include <cmath>

namespace
{
std::atomic<nxClockSource*> g_source{nullptr};
}

int64_t nxSteadyClock::NowNanoseconds()
{
    if (const nxClockSource* source = g_source.load(std::memory_order_acquire))
        return source->NowNanoseconds();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

nxClockSource* nxSteadyClock::Install(nxClockSource* source)
{
    return g_source.exchange(source, std::memory_order_acq_rel);
}

bool nxSteadyClock::IsManual()
{
    return g_source.load(std::memory_order_acquire) != nullptr;
}

void nxManualClock::AdvanceSeconds(double seconds)
{
    AdvanceNanoseconds(static_cast<int64_t>(std::llround(seconds * 1e9)));
}
