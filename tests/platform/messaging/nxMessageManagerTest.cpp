#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <functional>
#include <thread>
#include <vector>

#include "platform/base/nxSteadyClock.h"
#include "platform/messaging/nxMessageManager.h"
#include "platform/messaging/nxTimerCallback.h"

using namespace std::chrono_literals;

namespace
{
nxMessageManager& Manager()
{
    return *nxMessageManager::GetInstance();
}

// Counts calls and runs an optional step inside each, on whichever thread fires it.
struct Probe : nxTimerCallback
{
    void OnTimer() override
    {
        inside = true;
        if (step)
            step(*this);
        ++calls;
        inside = false;
    }
    std::function<void(Probe&)> step;
    std::atomic<bool> inside{false};
    std::atomic<int> calls{0};
};

bool WaitFor(const std::atomic<bool>& flag)
{
    for (int i = 0; i < 1000 && !flag; ++i)
        std::this_thread::sleep_for(1ms);
    return flag;
}
} // namespace

TEST(nxMessageManager, ManualClockFiresWhenDueAndOnceAfterAStall)
{
    nxScopedManualClock clock;
    Probe probe;
    ASSERT_TRUE(Manager().StartPeriodicTimer(&probe, 5.0).IsOK());
    const auto advanceAndRun = [&](double seconds)
    {
        clock.AdvanceSeconds(seconds);
        Manager().RunDueTimers();
        return probe.calls.load();
    };
    EXPECT_EQ(advanceAndRun(4.9), 0);
    EXPECT_EQ(advanceAndRun(0.1), 1);
    clock.AdvanceSeconds(5.0);
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(probe.calls, 1) << "the timer thread fired while a manual clock was installed";
    EXPECT_EQ(advanceAndRun(23.0), 2) << "several periods due fire once";
    EXPECT_EQ(advanceAndRun(4.9), 2) << "the next call is a full period from the late one";
    EXPECT_EQ(advanceAndRun(0.1), 3);

    ASSERT_TRUE(Manager().StartPeriodicTimer(&probe, 2.0).IsOK());
    EXPECT_EQ(advanceAndRun(1.9), 3) << "a restart takes the new period from now";
    EXPECT_EQ(advanceAndRun(0.1), 4);
    probe.step = [](Probe& self) { Manager().StartPeriodicTimer(&self, 1.0); };
    EXPECT_EQ(advanceAndRun(2.0), 5);
    EXPECT_EQ(advanceAndRun(1.0), 6) << "a restart from inside OnTimer was overwritten";

    ASSERT_TRUE(Manager().StopTimer(&probe, true).IsOK());
    EXPECT_EQ(advanceAndRun(10.0), 6);
    EXPECT_EQ(Manager().StopTimer(&probe, true).GetValue(), nxErrorEnum::NotFound);
    EXPECT_EQ(Manager().StartPeriodicTimer(&probe, std::nan("")).GetValue(), nxErrorEnum::InvalidArgument);
    EXPECT_EQ(Manager().StartPeriodicTimer(nullptr, 5.0).GetValue(), nxErrorEnum::InvalidArgument);
}

TEST(nxMessageManager, StopWaitsForARunningCallAndEndsTheCalls)
{
    Probe probe;
    probe.step = [](Probe&) { std::this_thread::sleep_for(30ms); };
    ASSERT_TRUE(Manager().StartPeriodicTimer(&probe, 0.01).IsOK());
    ASSERT_TRUE(WaitFor(probe.inside));
    ASSERT_TRUE(Manager().StopTimer(&probe, true).IsOK());
    EXPECT_FALSE(probe.inside);
    const int calls = probe.calls;
    std::this_thread::sleep_for(40ms);
    EXPECT_EQ(probe.calls, calls);
}

TEST(nxMessageManager, StopFromInsideOnTimerEndsTheCallsWithoutWaitingForItself)
{
    Probe probe;
    std::atomic<bool> stopped{false};
    probe.step = [&](Probe& self) { stopped = Manager().StopTimer(&self, true).IsOK(); };
    ASSERT_TRUE(Manager().StartPeriodicTimer(&probe, 0.005).IsOK());
    ASSERT_TRUE(WaitFor(stopped));
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(probe.calls, 1);
}

TEST(nxMessageManager, AutoDeletingCallbackIsDeletedAfterItsLastCall)
{
    struct Owned : Probe
    {
        explicit Owned(std::atomic<bool>& deleted) : m_deleted(deleted) {}
        ~Owned() override { m_deleted = true; }
        bool ShouldAutoDeleteCallback() const override { return true; }
        std::atomic<bool>& m_deleted;
    };
    nxScopedManualClock clock;
    std::atomic<bool> deleted{false};
    auto* owned = new Owned(deleted);
    owned->step = [](Probe& self) { Manager().StopTimer(&self, true); };
    ASSERT_TRUE(Manager().StartPeriodicTimer(owned, 1.0).IsOK());
    clock.AdvanceSeconds(1.0);
    Manager().RunDueTimers();
    EXPECT_TRUE(deleted);
}

TEST(nxMessageManager, ConcurrentStartsAndStopsNeitherOverlapNorCallAfterStop)
{
    struct Watched : nxTimerCallback
    {
        void OnTimer() override
        {
            violations += inFlight.fetch_add(1) != 0 || stopped;
            std::this_thread::sleep_for(200us);
            violations += stopped.load();
            ++calls;
            inFlight.fetch_sub(1);
        }
        std::atomic<int> inFlight{0}, calls{0}, violations{0};
        std::atomic<bool> stopped{true};
    };
    std::vector<Watched> watched(12);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back(
            [&watched, t]
            {
                for (int i = 0; i < 60; ++i)
                {
                    Watched& callback = watched[t * 3 + i % 3];
                    callback.stopped = false;
                    Manager().StartPeriodicTimer(&callback, 0.001);
                    if (i % 4 == 0)
                        Manager().StartPeriodicTimer(&callback, 0.002);
                    std::this_thread::sleep_for(std::chrono::microseconds(500 + 300 * (i % 5)));
                    Manager().StopTimer(&callback, true);
                    callback.stopped = true;
                }
            });
    for (std::thread& thread : threads)
        thread.join();
    int calls = 0;
    for (const Watched& callback : watched)
    {
        EXPECT_EQ(callback.violations, 0);
        calls += callback.calls;
    }
    EXPECT_GT(calls, 0) << "nothing fired, so nothing was tested";
}
