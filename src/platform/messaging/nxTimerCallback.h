#pragma once

// Receives the ticks of a timer of nxMessageManager, on the manager's timer thread.
class nxTimerCallback
{
public:
    // Stops this callback's timer, so that a callback destroyed without stopping
    // is not called afterwards. Owners should still stop the timer first: a tick
    // may otherwise be running while the derived part is being destroyed.
    virtual ~nxTimerCallback();

    virtual void OnTimer() = 0;

    // Answering true hands the callback to the manager, which deletes it once its
    // timer has been stopped and no call to it is running.
    virtual bool ShouldAutoDeleteCallback() const { return false; }
};
