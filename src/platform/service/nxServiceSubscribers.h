#pragma once

#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "platform/base/nxClientServerEnum.h"
#include "platform/base/nxValueWrapper.h"

class nxControlCallback;

// The callbacks subscribed to a control service's feeds, and the calls into them
// that are running. Removing a subscription waits until no call into that
// callback is running any more (unless the remover is that very call), so the
// owner may delete the callback as soon as the unsubscribe returns.
class nxServiceSubscribers
{
public:
    void AddStatus(nxControlCallback* callback, const nxClientServerEnum& kind);
    bool RemoveStatus(nxControlCallback* callback, const nxClientServerEnum& kind);
    void AddLog(nxControlCallback* callback);
    bool RemoveLog(nxControlCallback* callback);
    void AddLogForUser(nxControlCallback* callback, uint32_t userId);
    bool RemoveLogForUser(nxControlCallback* callback, uint32_t userId);

    std::vector<nxControlCallback*> GetStatusSubscribers(uint32_t kind) const;
    // Who receives a message for that destination (null: everyone). The general
    // stream carries messages for everyone; a subscription for the null user
    // carries those addressed to any one user. Each callback appears once.
    std::vector<nxControlCallback*> GetLogSubscribers(const nxUInt32ValueWrapper& destination) const;
    bool HasStatusSubscriber(uint32_t kind) const;
    bool HasLogSubscriber() const;

    // Runs call(callback) marked as running; false without calling when the
    // callback no longer holds a subscription of the given kind (statuses) or at all.
    template <class Call> bool CallStatusSubscriber(nxControlCallback* callback, uint32_t kind, Call&& call)
    {
        if (!Enter(callback, [&] { return m_status.count({callback, kind}) != 0; }))
            return false;
        call(callback);
        Leave(callback);
        return true;
    }
    template <class Call> bool CallLogSubscriber(nxControlCallback* callback, Call&& call)
    {
        if (!Enter(callback, [&] { return IsLogSubscriber(callback); }))
            return false;
        call(callback);
        Leave(callback);
        return true;
    }
    // For one-off answers (snapshots, request responses): the callback is called
    // whether or not it holds a feed, still marked as running.
    template <class Call> void CallAnswer(nxControlCallback* callback, Call&& call)
    {
        Enter(callback, [] { return true; });
        call(callback);
        Leave(callback);
    }

    // Waits until no call into the callback is running (unless on that call's thread).
    void WaitUntilIdle(nxControlCallback* callback);

private:
    template <class Still> bool Enter(nxControlCallback* callback, Still&& stillSubscribed)
    {
        std::lock_guard guard(m_lock);
        if (!stillSubscribed())
            return false;
        m_running.insert({callback, std::this_thread::get_id()});
        return true;
    }
    void Leave(nxControlCallback* callback);
    bool IsLogSubscriber(nxControlCallback* callback) const;

    mutable std::mutex m_lock;
    std::condition_variable m_idle;
    std::set<std::pair<nxControlCallback*, uint32_t>> m_status;
    std::set<nxControlCallback*> m_log;
    std::set<std::pair<nxControlCallback*, uint32_t>> m_logForUser;
    std::multimap<nxControlCallback*, std::thread::id> m_running;
};
