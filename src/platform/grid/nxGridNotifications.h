#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/grid/nxGridNotification.h"
#include "platform/grid/nxGridNotificationLimiter.h"

class nxGridDataObject;
class nxGridNotificationSource;

// A grid's desktop notifications: off until switched on; while on, the rows the
// data side applies go past the grid's source, whose notifications wait here
// until the user-interface thread takes them at the next flush, held to one per
// application per minute.
//
// Threads: the On... calls come on the data's thread with the data manager
// locked (or on the user-interface thread); they cost one atomic read while off.
// The lock here is taken before an object's own lock and around nothing else.
class nxGridNotifications
{
public:
    // Beyond this many waiting, more are dropped: the screen has not flushed for long.
    static constexpr size_t MaxWaiting = 256;

    explicit nxGridNotifications(std::unique_ptr<nxGridNotificationSource> source);
    ~nxGridNotifications();
    nxGridNotifications(const nxGridNotifications&) = delete;
    nxGridNotifications& operator=(const nxGridNotifications&) = delete;

    bool IsEnabled() const { return m_enabled.load(std::memory_order_acquire); }
    // User-interface thread. Switching off forgets what waits and what the source remembers.
    void SetEnabled(bool enabled);

    // True when a notification now waits.
    bool OnAdded(const nxGridDataObject& object, bool snapshot);
    bool OnChanged(const nxGridDataObject& object);
    void OnRemoved(const nxGridDataObject& object);
    void OnRemovedAll();

    // User-interface thread: the waiting notifications the once-a-minute rule lets through, in order.
    std::vector<nxGridNotification> Take(int64_t nowNanoseconds);
    std::string RowKeyOf(const nxGridDataObject& object) const;

private:
    bool Queue(std::optional<nxGridNotification> notification);

    std::unique_ptr<nxGridNotificationSource> m_source;
    std::atomic<bool> m_enabled{false};
    mutable std::mutex m_lock; // the source and the waiting notifications
    std::vector<nxGridNotification> m_waiting;
    nxGridNotificationLimiter m_limiter; // user-interface thread
};
