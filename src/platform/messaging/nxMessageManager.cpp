#include "platform/messaging/nxMessageManager.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <exception>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/base/nxLog.h"
#include "platform/base/nxSteadyClock.h"
#include "platform/messaging/nxTimerCallback.h"

namespace
{
// How often the thread, idle under a manual clock, checks whether the clock was removed.
constexpr std::chrono::milliseconds ManualClockPoll{20};

std::atomic<nxMessageManager*> g_created{nullptr};
} // namespace

void nxMessageManager::Forget(nxTimerCallback* callback)
{
    if (nxMessageManager* manager = g_created.load(std::memory_order_acquire))
        manager->Stop(callback, true, false);
}

nxMessageManager* nxMessageManager::GetInstance()
{
    // The manager is never destroyed, so callbacks destroyed late in process exit
    // can still deregister; only its thread is ended at exit.
    struct ThreadJoiner
    {
        explicit ThreadJoiner(nxMessageManager* manager) : m_manager(manager) {}
        ~ThreadJoiner() { m_manager->Shutdown(); }
        nxMessageManager* m_manager;
    };
    static nxMessageManager* const instance = []
    {
        auto* manager = new nxMessageManager();
        g_created.store(manager, std::memory_order_release);
        return manager;
    }();
    static const ThreadJoiner joiner(instance);
    return instance;
}

nxErrorEnum nxMessageManager::StartPeriodicTimer(nxTimerCallback* callback, double periodSeconds)
{
    if (!callback)
        return nxErrorEnum(nxErrorEnum::InvalidArgument, "A timer needs a callback");
    if (!(periodSeconds >= MinPeriodSeconds && periodSeconds <= MaxPeriodSeconds))
        return nxErrorEnum(nxErrorEnum::InvalidArgument,
                           "A timer period must be from 0.001 to 100000000 seconds");
    const bool autoDelete = callback->ShouldAutoDeleteCallback();
    const auto period = static_cast<int64_t>(std::llround(periodSeconds * 1e9));

    std::lock_guard<std::mutex> lock(m_lock);
    if (m_shutDown)
        return nxErrorEnum(nxErrorEnum::NotInitialised, "The timer service has shut down");
    if (!m_thread.joinable())
    {
        try
        {
            m_thread = std::thread(&nxMessageManager::ThreadMain, this);
        }
        catch (const std::system_error& error)
        {
            return nxErrorEnum(nxErrorEnum::Failed,
                               std::string("The timer thread could not be started: ") + error.what());
        }
    }
    Timer& timer = m_timers[callback];
    timer.periodNanoseconds = period;
    timer.dueNanoseconds = nxSteadyClock::NowNanoseconds() + period;
    timer.active = true;
    timer.autoDelete = autoDelete;
    timer.deleteWhenIdle = false;
    ++timer.generation;
    m_wake.notify_all();
    return nxErrorEnum();
}

nxErrorEnum nxMessageManager::StopTimer(nxTimerCallback* callback, bool waitUntilNotRunning)
{
    if (!callback)
        return nxErrorEnum(nxErrorEnum::InvalidArgument, "A timer needs a callback");
    return Stop(callback, waitUntilNotRunning, true);
}

nxErrorEnum nxMessageManager::Stop(nxTimerCallback* callback, bool waitUntilNotRunning, bool mayDelete)
{
    std::unique_lock<std::mutex> lock(m_lock);
    const auto it = m_timers.find(callback);
    if (it == m_timers.end())
        return nxErrorEnum(nxErrorEnum::NotFound, "The callback has no timer");
    Timer& timer = it->second;
    timer.active = false;
    ++timer.generation;
    m_wake.notify_all();

    if (!timer.running)
    {
        const bool remove = mayDelete && timer.autoDelete;
        m_timers.erase(it);
        lock.unlock();
        if (remove)
            delete callback;
        return nxErrorEnum();
    }
    // The thread running the call erases the entry (and deletes the callback) when the call returns.
    timer.deleteWhenIdle = mayDelete && timer.autoDelete;
    if (!waitUntilNotRunning || timer.runningThread == std::this_thread::get_id())
        return nxErrorEnum();
    const uint64_t run = timer.runNumber;
    m_finished.wait(lock,
                    [&]
                    {
                        const auto found = m_timers.find(callback);
                        return found == m_timers.end() || !found->second.running ||
                               found->second.runNumber != run;
                    });
    return nxErrorEnum();
}

void nxMessageManager::RunDueTimers()
{
    std::unique_lock<std::mutex> lock(m_lock);
    const int64_t now = nxSteadyClock::NowNanoseconds();
    std::vector<std::pair<int64_t, nxTimerCallback*>> due;
    for (const auto& [callback, timer] : m_timers)
    {
        if (timer.active && !timer.running && timer.dueNanoseconds <= now)
            due.emplace_back(timer.dueNanoseconds, callback);
    }
    std::sort(due.begin(), due.end());
    for (const auto& [dueNanoseconds, callback] : due)
    {
        // An earlier call may have stopped, restarted or be running this one.
        const auto it = m_timers.find(callback);
        if (it != m_timers.end() && it->second.active && !it->second.running &&
            it->second.dueNanoseconds <= now)
            Fire(lock, callback, now);
    }
}

void nxMessageManager::Shutdown()
{
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_shutDown = true;
    }
    m_wake.notify_all();
    if (!m_thread.joinable())
        return;
    if (m_thread.get_id() == std::this_thread::get_id())
        m_thread.detach(); // the process is exiting from inside a tick
    else
        m_thread.join();
}

void nxMessageManager::ThreadMain()
{
    std::unique_lock<std::mutex> lock(m_lock);
    while (!m_shutDown)
    {
        if (nxSteadyClock::IsManual())
        {
            m_wake.wait_for(lock, ManualClockPoll);
            continue;
        }
        int64_t due = 0;
        nxTimerCallback* next = EarliestWaiting(due);
        if (!next)
        {
            m_wake.wait(lock);
            continue;
        }
        const int64_t now = nxSteadyClock::NowNanoseconds();
        if (due > now)
        {
            m_wake.wait_for(lock, std::chrono::nanoseconds(due - now));
            continue;
        }
        Fire(lock, next, now);
    }
}

nxTimerCallback* nxMessageManager::EarliestWaiting(int64_t& due) const
{
    nxTimerCallback* earliest = nullptr;
    for (const auto& [callback, timer] : m_timers)
    {
        if (timer.active && !timer.running && (!earliest || timer.dueNanoseconds < due))
        {
            earliest = callback;
            due = timer.dueNanoseconds;
        }
    }
    return earliest;
}

void nxMessageManager::Fire(std::unique_lock<std::mutex>& lock, nxTimerCallback* callback, int64_t now)
{
    // The entry stays in the map while running is set: only this call may erase it,
    // so the reference survives the unlocked call.
    Timer& timer = m_timers.at(callback);
    timer.running = true;
    timer.runningThread = std::this_thread::get_id();
    timer.runNumber = ++m_runCounter;
    const uint64_t generation = timer.generation;
    lock.unlock();
    try
    {
        callback->OnTimer();
    }
    catch (const std::exception& error)
    {
        nxLog(nxLogLevelEnum(nxLogLevel::Error), "nxMessageManager")
            << "A timer callback failed: " << error.what();
    }
    catch (...)
    {
        nxLog(nxLogLevelEnum(nxLogLevel::Error), "nxMessageManager") << "A timer callback failed";
    }
    lock.lock();

    if (timer.active && timer.generation == generation)
    {
        // After a stall the timer fires once, then keeps its period from now.
        timer.dueNanoseconds += timer.periodNanoseconds;
        if (timer.dueNanoseconds <= now)
            timer.dueNanoseconds = now + timer.periodNanoseconds;
    }
    if (!timer.active)
    {
        if (timer.deleteWhenIdle)
        {
            lock.unlock();
            delete callback;
            lock.lock();
        }
        m_timers.erase(callback);
    }
    else
    {
        timer.running = false;
    }
    m_finished.notify_all();
    m_wake.notify_all();
}
