#include "log/nxLogSubscription.h"

#include <memory>
#include <mutex>

#include "contracts/nxControlInterface.h"
#include "log/nxLogDataManager.h"
#include "platform/grid/data/nxAttribute.h"
#include "platform/messaging/nxLogMessage.h"

const bool nxLogSubscription::_registered = nxGridDataSubscription::_Register(new nxLogSubscription());

namespace
{
// The user id that selects the messages addressed to single users.
const nxUInt32ValueWrapper kNullUser;
} // namespace

nxSubscriptionCategory nxLogSubscription::GetSubscriptionCategory() const
{
    return nxSubscriptionCategories::LogMessage;
}

void nxLogSubscription::AddDataInterest(nxGridDataInterest* interest)
{
    std::lock_guard guard(GetLock());
    nxGridDataSubscription::AddDataInterest(interest);
}

std::string nxLogSubscription::GetSubscriptionKey(nxGridDataInterest*) const
{
    return GetSubscriptionKey();
}

std::string nxLogSubscription::GetSubscriptionKey() const
{
    return std::string() + nxAttribute::GetSubscriptionCategoryLongName(nxSubscriptionCategories::LogMessage);
}

nxErrorEnum nxLogSubscription::_Subscribe()
{
    nxControlInterface* service = nxControlInterface::GetInstance();
    m_generalGranted = service->SubscribeLogMessages(this, nullptr).IsOK();
    const nxErrorEnum result = service->SubscribeLogMessagesForUser(this, nullptr, kNullUser);
    m_userGranted = result.IsOK();
    return result;
}

// Gives back only the streams that were granted: a refused one is never unsubscribed.
nxErrorEnum nxLogSubscription::_Unsubscribe()
{
    nxControlInterface* service = nxControlInterface::GetInstance();
    if (m_generalGranted)
        service->UnsubscribeLogMessages(this);
    m_generalGranted = false;
    if (!m_userGranted)
        return {};
    m_userGranted = false;
    return service->UnsubscribeLogMessagesForUser(this, kNullUser);
}

nxErrorEnum nxLogSubscription::_GetSnapshot()
{
    std::lock_guard guard(GetLock());
    OnSnapshotCompleted();
    return {};
}

void nxLogSubscription::OnLogMessage(nxLogMessage* message, void*)
{
    const std::unique_ptr<nxLogMessage> owned(message);
    if (!owned)
        return;
    // The filters read the text first thing: fetching its first cache lines overlaps taking the lock.
    const std::string& text = owned->GetLogEntry();
    __builtin_prefetch(text.data());
    if (text.size() > 64)
        __builtin_prefetch(text.data() + 64);
    nxLogDataManager* manager = nxLogDataManager::GetInstance();
    // Without the manager's lock (none yet, or an unsubscribe under way) the message is dropped.
    if (!manager || !_LockDataManager(*manager))
        return;
    std::lock_guard guard(manager->GetLock(), std::adopt_lock);
    manager->OnLogUpdate(std::move(*owned), this);
}
