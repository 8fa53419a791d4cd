#include "status/nxControlSubscription.h"

#include <mutex>

#include "contracts/nxControlInterface.h"
#include "platform/base/nxLog.h"
#include "platform/grid/data/nxAttribute.h"
#include "platform/messaging/nxMessageManager.h"
#include "status/nxControlDataInterest.h"
#include "status/nxControlDataManager.h"

const bool nxControlSubscription::_registered =
    nxGridDataSubscription::_Register(new nxControlSubscription());

namespace
{
// Holds the control data manager's lock for one callback, if the subscription may take it.
class ManagerLock
{
public:
    explicit ManagerLock(nxControlDataManager* manager, bool locked) : m_manager(locked ? manager : nullptr)
    {
    }
    ~ManagerLock()
    {
        if (m_manager)
            m_manager->Unlock();
    }
    ManagerLock(const ManagerLock&) = delete;
    ManagerLock& operator=(const ManagerLock&) = delete;
    explicit operator bool() const { return m_manager != nullptr; }

private:
    nxControlDataManager* m_manager;
};
} // namespace

nxSubscriptionCategory nxControlSubscription::GetSubscriptionCategory() const
{
    return nxSubscriptionCategories::ApplicationStatus;
}

void nxControlSubscription::AddDataInterest(nxGridDataInterest* interest)
{
    std::lock_guard guard(GetLock());
    if (const auto* control = dynamic_cast<const nxControlDataInterest*>(interest))
        m_kind.store(control->GetClientServer().GetValue(), std::memory_order_release);
    nxGridDataSubscription::AddDataInterest(interest);
}

std::string nxControlSubscription::GetSubscriptionKey(nxGridDataInterest* interest) const
{
    std::string key = nxAttribute::GetSubscriptionCategoryLongName(GetSubscriptionCategory()) + ".";
    if (const auto* control = dynamic_cast<const nxControlDataInterest*>(interest))
        key += control->GetClientServer().GetAsString();
    return key;
}

std::string nxControlSubscription::GetSubscriptionKey() const
{
    return nxAttribute::GetSubscriptionCategoryLongName(GetSubscriptionCategory()) + "." +
           GetClientServer().GetAsString();
}

nxErrorEnum nxControlSubscription::_Subscribe()
{
    const nxErrorEnum result = nxControlInterface::GetInstance()->SubscribeApplicationStatus(
        this, nullptr, GetClientServer(), nullptr);
    if (!result.IsOK())
        return result;
    m_feedGranted = true;
    if (IsServerKind())
    {
        m_silence.Reset();
        m_silenceReported.store(false, std::memory_order_release);
        m_timerStarted =
            nxMessageManager::GetInstance()->StartPeriodicTimer(this, SilenceCheckPeriodSeconds).IsOK();
    }
    return result;
}

// Gives back only what was granted: after a refused subscribe nothing is sent.
nxErrorEnum nxControlSubscription::_Unsubscribe()
{
    if (m_timerStarted)
        nxMessageManager::GetInstance()->StopTimer(this, true);
    m_timerStarted = false;
    if (!m_feedGranted)
        return {};
    m_feedGranted = false;
    return nxControlInterface::GetInstance()->UnsubscribeApplicationStatus(this, GetClientServer());
}

nxErrorEnum nxControlSubscription::_GetSnapshot()
{
    std::lock_guard guard(GetLock());
    return nxControlInterface::GetInstance()->GetApplicationStatusSnapshot(this, nullptr, GetClientServer());
}

void nxControlSubscription::OnApplicationStatusUpdate(std::vector<nxApplicationStatus*>& statuses, void*)
{
    nxControlDataManager* manager = nxControlDataManager::GetInstance();
    if (ManagerLock lock{manager, manager && _LockDataManager(*manager)})
    {
        // Under the store's lock, where the silence check decides too.
        m_silence.Reset();
        m_silenceReported.store(false, std::memory_order_release);
        manager->OnApplicationStatusUpdate(statuses, GetClientServer(), this, false);
    }
    DeleteStatuses(statuses);
}

void nxControlSubscription::OnApplicationStatusSnapshotResponse(const nxErrorEnum& error,
                                                                std::vector<nxApplicationStatus*>& statuses,
                                                                void*)
{
    nxControlDataManager* manager = nxControlDataManager::GetInstance();
    if (ManagerLock lock{manager, manager && _LockDataManager(*manager)})
    {
        if (error.IsOK())
        {
            manager->OnApplicationStatusUpdate(statuses, GetClientServer(), this, true);
            m_silence.Reset();
        }
        else
        {
            manager->OnSnapshotError(error, this);
        }
        OnSnapshotCompleted();
    }
    DeleteStatuses(statuses);
}

void nxControlSubscription::OnTimer()
{
    nxControlDataManager* manager = nxControlDataManager::GetInstance();
    double elapsed = 0;
    {
        // Decided under the store's lock: a batch that got there first has re-armed the watch.
        ManagerLock lock{manager, manager && _LockDataManager(*manager)};
        if (!lock || IsSilenceReported())
            return;
        elapsed = m_silence.GetElapsedSeconds();
        if (elapsed <= SilenceThresholdSeconds)
            return;
        m_silenceReported.store(true, std::memory_order_release);
        manager->OnServerApplicationStatusDisconnectDetected();
    }
    nxLog(nxLogLevelEnum(nxLogLevel::Info), "nxControlSubscription")
        << "Detected that no control server snapshots have been seen for: " << elapsed
        << " seconds !!. Notifying grid to give visual indicator";
}
