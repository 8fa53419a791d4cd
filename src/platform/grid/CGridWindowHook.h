#pragma once

#include "platform/base/nxMessageBox.h"

// What the grid core asks of the window that shows it. The window installs
// itself; the core never touches a widget.
class CGridWindowHook
{
public:
    virtual ~CGridWindowHook() = default;

    // Something changed; called from any thread, at most once until the next
    // flush starts. The window schedules a flush on its own thread.
    virtual void WakeGrid() = 0;
    // Flush now; called on the user-interface thread.
    virtual void DrawGridNow() = 0;
    // The owner of message boxes the grid's manager shows.
    virtual nxWindowRef GetGridWindowRef() const = 0;
};
