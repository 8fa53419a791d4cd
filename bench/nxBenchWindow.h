#pragma once

// What the window benchmarks share: they run the event loop offscreen, as on
// screen, while a feed runs on another thread, and report the share of one core
// the user-interface thread used and the time each flush took.
#include <benchmark/benchmark.h>

#include <QEventLoop>
#include <QTimer>
#include <time.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <thread>
#include <vector>

#include "platform/grid/window/nxGridTableModel.h"
#include "platform/grid/window/nxGridWndTemplate.h"

namespace nxBenchWindow
{
using Clock = std::chrono::steady_clock;

inline double ThreadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

inline int MeasuredSeconds()
{
    const char* text = std::getenv("VSM_BENCH_SECONDS");
    const int seconds = text ? std::atoi(text) : 10;
    return seconds > 0 ? seconds : 10;
}

// The grid with the user-interface thread's CPU time of each flush taken as well,
// which tells a slow flush from one the machine's other work held up.
template <class T> class CpuTimedGrid : public T
{
public:
    using T::T;
    std::vector<double> m_cpuMilliseconds;

protected:
    void _OnBeginFlush() override
    {
        m_started = ThreadCpuSeconds();
        T::_OnBeginFlush();
    }
    void _OnEndFlush(const CGridFlushResult& result) override
    {
        T::_OnEndFlush(result);
        m_cpuMilliseconds.push_back((ThreadCpuSeconds() - m_started) * 1000.0);
    }

private:
    double m_started = 0.0;
};

inline double Percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1,
                           static_cast<size_t>(share * static_cast<double>(values.size())))];
}

inline void RunEventLoop(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop for the measured time while the feed runs, then reports.
template <class Grid>
void Measure(benchmark::State& state, nxGridWndTemplate<Grid, 0>& window,
             const std::function<void(std::atomic<bool>&)>& feed)
{
    window.ResetFlushDurations();
    window.GetGridManager()->m_cpuMilliseconds.clear();
    std::atomic<bool> stop{false};
    const double cpuBefore = ThreadCpuSeconds();
    const auto wallBefore = Clock::now();
    std::thread feeder([&] { feed(stop); });
    RunEventLoop(MeasuredSeconds() * 1000);
    const double uiCpu = ThreadCpuSeconds() - cpuBefore;
    const double wall = std::chrono::duration<double>(Clock::now() - wallBefore).count();
    stop = true;
    feeder.join();

    std::vector<double> flushes = window.GetFlushDurations();
    std::sort(flushes.begin(), flushes.end());
    const auto at = [&](double share) { return Percentile(flushes, share); };
    const std::vector<double>& cpu = window.GetGridManager()->m_cpuMilliseconds;
    if (std::getenv("VSM_BENCH_VERBOSE"))
        for (size_t i = flushes.size() > 5 ? flushes.size() - 5 : 0; i < flushes.size(); ++i)
            std::fprintf(stderr, "slow flush %.2f ms\n", flushes[i]);
    state.counters["ui_cpu_share"] = uiCpu / wall;
    state.counters["flush_p50_ms"] = at(0.50);
    state.counters["flush_p99_ms"] = at(0.99);
    state.counters["flush_max_ms"] = flushes.empty() ? 0.0 : flushes.back();
    state.counters["flush_cpu_p99_ms"] = Percentile(cpu, 0.99);
    state.counters["flush_cpu_max_ms"] = Percentile(cpu, 1.0);
    state.counters["flushes"] = static_cast<double>(flushes.size());
    state.counters["rows"] = static_cast<double>(window.GetModel() ? window.GetModel()->rowCount() : 0);
}
} // namespace nxBenchWindow
