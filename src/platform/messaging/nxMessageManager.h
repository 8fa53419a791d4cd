#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <unordered_map>

#include "platform/base/nxErrorEnum.h"

class nxTimerCallback;

// Periodic timers, all served by one timer thread that starts with the first timer
// and is joined at process exit. Time comes from nxSteadyClock. While a manual
// clock is installed the thread fires nothing; RunDueTimers fires what is due.
//
// Calls of one callback never overlap. Do not hold a lock that OnTimer takes while
// calling StopTimer with waiting, or both will wait for each other.
class nxMessageManager
{
public:
    static nxMessageManager* GetInstance();

    // Calls OnTimer about every period until StopTimer. A callback that already has a
    // timer is restarted: its next call comes one new period from now. Periods
    // outside MinPeriodSeconds..MaxPeriodSeconds are refused.
    nxErrorEnum StartPeriodicTimer(nxTimerCallback* callback, double periodSeconds);

    // Ends the callback's timer. With waitUntilNotRunning, a call of OnTimer running
    // on another thread is waited for, so that on return none is running or will
    // run. Called from inside the callback's own OnTimer, it only prevents further
    // calls. NotFound when the callback has no timer.
    nxErrorEnum StopTimer(nxTimerCallback* callback, bool waitUntilNotRunning);

    // Fires, on the calling thread, each timer due at the clock's current time, once
    // even when several periods have passed; each is rescheduled from that time.
    void RunDueTimers();

    static constexpr double MinPeriodSeconds = 0.001;
    static constexpr double MaxPeriodSeconds = 1e8;

private:
    struct Timer
    {
        int64_t periodNanoseconds = 0;
        int64_t dueNanoseconds = 0;
        bool active = false;         // started and not stopped since
        bool autoDelete = false;     // the callback asked to be deleted when stopped
        bool deleteWhenIdle = false; // stopped while running: delete when the call returns
        uint64_t generation = 0;     // changes with every start and stop
        bool running = false;        // an OnTimer call is in progress
        uint64_t runNumber = 0;      // which call is or was last in progress
        std::thread::id runningThread;
    };

    friend class nxTimerCallback;

    nxMessageManager() = default;
    ~nxMessageManager() = default;

    // For a callback being destroyed: ends its timer without deleting it, and
    // without creating the manager when no timer was ever started.
    static void Forget(nxTimerCallback* callback);
    void Shutdown();
    nxErrorEnum Stop(nxTimerCallback* callback, bool waitUntilNotRunning, bool mayDelete);
    void ThreadMain();
    // Runs one due call with the lock released around OnTimer; answers with the lock held again.
    void Fire(std::unique_lock<std::mutex>& lock, nxTimerCallback* callback, int64_t now);
    nxTimerCallback* EarliestWaiting(int64_t& due) const;

    std::mutex m_lock;
    std::condition_variable m_wake;     // timers changed, or the thread must end
    std::condition_variable m_finished; // a call of OnTimer returned
    std::unordered_map<nxTimerCallback*, Timer> m_timers;
    std::thread m_thread;
    uint64_t m_runCounter = 0;
    bool m_shutDown = false;
};
