#include "log/nxLogDataManager.h"

#include <algorithm>
#include <limits>
#include <mutex>
#include <string_view>
#include <typeinfo>

#include "log/nxLogDataInterest.h"
#include "log/nxLogSubscription.h"
#include "platform/base/nxLog.h"
#include "platform/messaging/nxLogMessage.h"

std::atomic<nxLogDataManager*> nxLogDataManager::_soleInstance{nullptr};

namespace
{
constexpr std::string_view kAlwaysKeptApplication = "ControlServer";
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
    File(message, nullptr, subscription);
}

void nxLogDataManager::OnLogUpdate(nxLogMessage&& message, nxLogSubscription* subscription)
{
    File(message, &message, subscription);
}

void nxLogDataManager::File(const nxLogMessage& message, nxLogMessage* textDonor,
                            nxLogSubscription* subscription)
{
    std::lock_guard guard(GetLock());
    const int32_t sequenceNumber = _TakeLogSequenceNumber();
    // Taken out while in use: a view that files a message while it is told of this one finds it empty.
    std::vector<nxGridDataInterest*> accepting;
    accepting.swap(m_accepting);
    // Taken only once the message is to have a row: the views ask the text first.
    auto text = [&] { return textDonor ? textDonor->TakeLogEntry() : message.GetLogEntry(); };
    if (!CollectAcceptingInterests(message, subscription, accepting))
        FileRowForEveryView(sequenceNumber, message, text(), subscription);
    else if (!accepting.empty() || IsAlwaysKept(message))
        FileRow(sequenceNumber, message, text(), subscription, accepting);
    accepting.swap(m_accepting);
    _OnEndOfDataUpdate();
}

bool nxLogDataManager::CollectAcceptingInterests(const nxLogMessage& message, nxLogSubscription* subscription,
                                                 std::vector<nxGridDataInterest*>& accepting)
{
    accepting.clear();
    // Kept from the last message while the subscription's interests stay the
    // same; a message filed while this one is told of finds none kept.
    std::vector<nxGridDataInterest*> interests;
    uint64_t version = 0;
    interests.swap(m_interests);
    std::swap(version, m_interestsVersion);
    const uint64_t versionBefore = version;
    if (subscription)
        subscription->GetDataInterests(interests, version);
    else
    {
        interests.assign(GetInterestManager().GetDataInterests().begin(),
                         GetInterestManager().GetDataInterests().end());
        version = 0;
    }
    // A class of its own may test rows its own way, which only a row can answer;
    // asked again only when the list changed.
    if (version == 0 || version != versionBefore)
        m_interestsAllPlain = std::all_of(interests.begin(), interests.end(),
                                          [](nxGridDataInterest* interest)
                                          { return typeid(*interest) == typeid(nxLogDataInterest); });
    const bool decided = m_interestsAllPlain;
    if (decided)
        for (nxGridDataInterest* interest : interests)
        {
            const auto* filter = static_cast<const nxLogDataInterest*>(interest);
            // Without a listener no one would be told of the row, as when it is offered.
            if (interest->GetListener() && filter->IsInterestedWhileFiling(message))
                accepting.push_back(interest);
        }
    interests.swap(m_interests);
    m_interestsVersion = version;
    return decided;
}

void nxLogDataManager::FileRow(int32_t sequenceNumber, const nxLogMessage& message, std::string text,
                               nxLogSubscription* subscription,
                               const std::vector<nxGridDataInterest*>& accepting)
{
    nxLogDataObject* row = _NewRow(sequenceNumber, message, std::move(text));
    _AddAcceptedDataObject(row, nxLogDataObject::GetAsIndexedMapKey(sequenceNumber), subscription, accepting);
    KeepOrDrop(row, message, subscription);
}

void nxLogDataManager::FileRowForEveryView(int32_t sequenceNumber, const nxLogMessage& message,
                                           std::string text, nxLogSubscription* subscription)
{
    nxLogDataObject* row = _NewRow(sequenceNumber, message, std::move(text));
    _AddDataObject(row, subscription, false);
    KeepOrDrop(row, message, subscription);
}

// A view may accept a row and yet not observe it; such a row goes like one no view accepted.
void nxLogDataManager::KeepOrDrop(nxLogDataObject* row, const nxLogMessage& message,
                                  nxLogSubscription* subscription)
{
    if (!IsAlwaysKept(message) && !row->HasObservers())
        _RemoveDataObject(row, true, subscription);
    else
        _DropRowsPastLimit();
}

bool nxLogDataManager::IsAlwaysKept(const nxLogMessage& message)
{
    // The level first, and the name's length before its bytes: asked of every message.
    return message.GetLogLevel().GetValue() == kAlwaysKeptLevel ||
           std::string_view(message.GetApplicationName()) == kAlwaysKeptApplication;
}

nxLogDataObject* nxLogDataManager::_NewRow(int32_t sequenceNumber, const nxLogMessage& message,
                                           std::string text)
{
    auto* row = new nxLogDataObject(sequenceNumber, ++m_filedRows, message, std::move(text));
    m_filingOrder.Append(*row);
    return row;
}

void nxLogDataManager::SetRowLimit(size_t rowLimit)
{
    std::lock_guard guard(GetLock());
    m_rowLimit.store(rowLimit, std::memory_order_release);
    const uint64_t droppedBefore = GetNumberOfDroppedRows();
    _DropRowsPastLimit();
    if (GetNumberOfDroppedRows() != droppedBefore)
        _OnEndOfDataUpdate();
}

void nxLogDataManager::_DropRowsPastLimit()
{
    const size_t limit = GetRowLimit();
    if (limit == 0)
        return;
    while (GetDataMap().Size() > limit)
    {
        auto* oldest = static_cast<nxLogDataObject*>(m_filingOrder.GetOldest());
        if (!oldest)
            return;
        _RemoveDataObject(oldest, true, oldest->GetCreatorSubscription());
        m_droppedRows.fetch_add(1, std::memory_order_acq_rel);
    }
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

int32_t nxLogDataManager::_TakeLogSequenceNumber()
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
