#pragma once

#include <optional>
#include <string>

#include "platform/grid/nxGridNotification.h"

class nxGridDataObject;

// What a grid notifies the desktop of: it looks at each row as the data side
// applies it and answers with a notification when the row calls for one. Called
// one at a time (nxGridNotifications serialises them), on the data's thread with
// the data manager locked, or on the user-interface thread when notifications are
// switched on; it reads an object under the object's own lock and takes no grid lock.
class nxGridNotificationSource
{
public:
    virtual ~nxGridNotificationSource() = default;

    // A row the grid takes in. A snapshot's rows (the window opening, the filter
    // changing, notifications being switched on) were there before: only new ones notify.
    virtual std::optional<nxGridNotification> OnAdded(const nxGridDataObject& object, bool snapshot) = 0;
    // A row the data side updated.
    virtual std::optional<nxGridNotification> OnChanged(const nxGridDataObject&) { return std::nullopt; }
    virtual void OnRemoved(const nxGridDataObject&) {}
    // Every row left the grid, or notifications were switched off.
    virtual void Forget() {}

    // The key a notification names its row by, read from the object.
    virtual std::string RowKeyOf(const nxGridDataObject& object) const = 0;
};
