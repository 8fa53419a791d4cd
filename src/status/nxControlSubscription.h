#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "contracts/nxControlCallback.h"
#include "platform/base/nxClientServerEnum.h"
#include "platform/base/nxElapsedTimeCounter.h"
#include "platform/grid/data/nxGridDataSubscription.h"
#include "platform/messaging/nxTimerCallback.h"

// One live subscription to the status feed of one kind of application (server
// or client). It hands each batch to the control data manager and, for servers,
// watches for silence: when no live update has come for more than 15 seconds it
// has every row marked stale, once per silence.
class nxControlSubscription : public nxGridDataSubscription, public nxControlCallback, public nxTimerCallback
{
public:
    static constexpr double SilenceCheckPeriodSeconds = 5.0;
    static constexpr double SilenceThresholdSeconds = 15.0;
    static const bool _registered;

    nxControlSubscription() = default;
    ~nxControlSubscription() override = default;

    nxGridDataSubscription* CreateInstance() const override { return new nxControlSubscription(); }
    nxSubscriptionCategory GetSubscriptionCategory() const override;
    void AddDataInterest(nxGridDataInterest* interest) override;
    std::string GetSubscriptionKey(nxGridDataInterest* interest) const override;
    std::string GetSubscriptionKey() const override;

    nxClientServerEnum GetClientServer() const
    {
        return nxClientServerEnum(m_kind.load(std::memory_order_acquire));
    }
    bool IsSilenceReported() const { return m_silenceReported.load(std::memory_order_acquire); }

    void OnApplicationStatusUpdate(std::vector<nxApplicationStatus*>& statuses, void* context) override;
    void OnApplicationStatusSnapshotResponse(const nxErrorEnum& error,
                                             std::vector<nxApplicationStatus*>& statuses,
                                             void* context) override;
    void OnTimer() override;

protected:
    nxErrorEnum _Subscribe() override;
    nxErrorEnum _Unsubscribe() override;
    nxErrorEnum _GetSnapshot() override;

private:
    bool IsServerKind() const { return m_kind.load(std::memory_order_acquire) == nxServerValue; }

    std::atomic<uint32_t> m_kind{nxEnum::UndefinedValue};
    nxElapsedTimeCounter m_silence;
    std::atomic<bool> m_silenceReported{false};
    // What the subscribe was granted; touched by Subscribe and Unsubscribe only.
    bool m_feedGranted = false;
    bool m_timerStarted = false;
};
