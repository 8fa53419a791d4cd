#include "log/nxLogDataManager.h"

#include <limits>
#include <mutex>

#include "log/nxLogDataInterest.h"
#include "log/nxLogSubscription.h"
#include "platform/base/nxLog.h"
#include "platform/messaging/nxLogMessage.h"

std::atomic<nxLogDataManager*> nxLogDataManager::_soleInstance{nullptr};

namespace
{
constexpr const char* kAlwaysKeptApplication = "ControlServer";
constexpr uint32_t kAlwaysKeptLevel = nxLogLevel::Critical;
// After the lowest number the count goes on below the null and no-change values.
constexpr int32_t kFirstNumberAfterWrap = 0x7FFFFFFD;
constexpr uint32_t kUsableNumbers = 0xFFFFFFFEu;
} // namespace

nxLogDataManager::nxLogDataManager()
{
    // Reading the prototypes' flags also links in the units that register them.
    if (!nxLogSubscription::_registered || !nxLogDataInterest::_registered)
        nxLog(nxLogLevelEnum(nxLogLevel::Error), "nxLogDataManager")
            << "The log subscription or interest type is not registered";
    _soleInstance.store(this, std::memory_order_release);
}

nxLogDataManager::~nxLogDataManager()
{
    nxLogDataManager* self = this;
    _soleInstance.compare_exchange_strong(self, nullptr, std::memory_order_acq_rel);
    // Ends the subscriptions while this class's part still exists: their
    // callbacks in flight may be about to file a message here.
    Destroy();
}

nxLogDataManager* nxLogDataManager::GetInstance()
{
    return _soleInstance.load(std::memory_order_acquire);
}

nxErrorEnum nxLogDataManager::AttachLogDataInterest(nxLogDataInterest* interest)
{
    return _AttachDataInterest(interest);
}

nxErrorEnum nxLogDataManager::DetachLogDataInterest(nxLogDataInterest* interest)
{
    return _DetachDataInterest(interest);
}

nxErrorEnum nxLogDataManager::FetchLogDataObjects(nxLogDataInterest* interest)
{
    return _FetchDataObjects(interest);
}

void nxLogDataManager::OnLogUpdate(const nxLogMessage& message, nxLogSubscription* subscription)
{
    std::lock_guard guard(GetLock());
    auto* row = new nxLogDataObject();
    row->OnLogUpdate(TakeLogSequenceNumber(), message);
    _AddDataObject(row, subscription, false);
    if (row->GetNumberOfObservers() == 0 && message.GetApplicationName() != kAlwaysKeptApplication &&
        message.GetLogLevel().GetValue() != kAlwaysKeptLevel)
        _RemoveDataObject(row, true, subscription);
    _OnEndOfDataUpdate();
}

int32_t nxLogDataManager::GetLogSequenceNumber() const
{
    std::lock_guard guard(GetLock());
    return m_logSequenceNumber;
}

int32_t nxLogDataManager::NextLogSequenceNumber(int32_t sequenceNumber)
{
    return sequenceNumber == std::numeric_limits<int32_t>::min() ? kFirstNumberAfterWrap : sequenceNumber - 1;
}

void nxLogDataManager::_SetLogSequenceNumber(int32_t sequenceNumber)
{
    std::lock_guard guard(GetLock());
    m_logSequenceNumber = sequenceNumber;
}

int32_t nxLogDataManager::TakeLogSequenceNumber()
{
    int32_t sequenceNumber = m_logSequenceNumber;
    if (m_sequenceWrapped)
    {
        // Bounded by the numbers there are, should the store ever hold them all.
        for (uint32_t tried = 1;
             tried < kUsableNumbers && GetDataMap().Find(nxLogDataObject::GetAsIndexedMapKey(sequenceNumber));
             ++tried)
            sequenceNumber = NextLogSequenceNumber(sequenceNumber);
    }
    m_logSequenceNumber = NextLogSequenceNumber(sequenceNumber);
    if (m_logSequenceNumber == 0)
        m_sequenceWrapped = true;
    return sequenceNumber;
}
