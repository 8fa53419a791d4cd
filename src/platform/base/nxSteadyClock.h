#pragma once

#include <atomic>
#include <cstdint>

// A source of monotonic time in nanoseconds.
class nxClockSource
{
public:
    virtual ~nxClockSource() = default;
    virtual int64_t NowNanoseconds() const = 0;
};

// The process's monotonic clock. Tests install a clock they advance by hand, so
// that watches measured in seconds run without waiting.
class nxSteadyClock
{
public:
    static int64_t NowNanoseconds();
    static double NowSeconds() { return static_cast<double>(NowNanoseconds()) / 1e9; }

    // Installs a source (null restores the system clock); returns the previous one.
    static nxClockSource* Install(nxClockSource* source);
    static bool IsManual();
};

// A clock that moves only when told to.
class nxManualClock : public nxClockSource
{
public:
    explicit nxManualClock(int64_t startNanoseconds = 1'000'000'000) : m_now(startNanoseconds) {}
    int64_t NowNanoseconds() const override { return m_now.load(std::memory_order_acquire); }
    void AdvanceSeconds(double seconds);
    void AdvanceNanoseconds(int64_t nanoseconds) { m_now.fetch_add(nanoseconds, std::memory_order_acq_rel); }

private:
    std::atomic<int64_t> m_now;
};

// Installs a manual clock for the lifetime of the object.
class nxScopedManualClock
{
public:
    nxScopedManualClock() : m_previous(nxSteadyClock::Install(&m_clock)) {}
    ~nxScopedManualClock() { nxSteadyClock::Install(m_previous); }
    nxScopedManualClock(const nxScopedManualClock&) = delete;
    nxScopedManualClock& operator=(const nxScopedManualClock&) = delete;

    nxManualClock& Clock() { return m_clock; }
    void AdvanceSeconds(double seconds) { m_clock.AdvanceSeconds(seconds); }

private:
    nxManualClock m_clock;
    nxClockSource* m_previous;
};
