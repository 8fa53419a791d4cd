#pragma once

#include <string>

#include "contracts/nxControlCallback.h"
#include "platform/grid/data/nxGridDataSubscription.h"

// The one subscription to the control service's log messages, shared by every log
// view: its key does not depend on the interest. Each message goes straight to the
// log data manager and is then deleted. The other control callbacks keep their
// defaults, which do nothing but discard what they are handed.
class nxLogSubscription : public nxGridDataSubscription, public nxControlCallback
{
public:
    static const bool _registered;

    nxLogSubscription() = default;
    ~nxLogSubscription() override = default;

    nxGridDataSubscription* CreateInstance() const override { return new nxLogSubscription(); }
    nxSubscriptionCategory GetSubscriptionCategory() const override;
    void AddDataInterest(nxGridDataInterest* interest) override;
    std::string GetSubscriptionKey(nxGridDataInterest* interest) const override;
    std::string GetSubscriptionKey() const override;

    // Takes the message, files it with the log data manager if there is one, and
    // deletes it. A null message is ignored.
    void OnLogMessage(nxLogMessage* message, void* context) override;

protected:
    // The general stream, then the stream for the null user; the second call's result counts.
    nxErrorEnum _Subscribe() override;
    nxErrorEnum _Unsubscribe() override;
    // Log messages have no snapshot: completes at once.
    nxErrorEnum _GetSnapshot() override;

private:
    // Which streams the subscribe was granted; touched by Subscribe and Unsubscribe only.
    bool m_generalGranted = false;
    bool m_userGranted = false;
};
