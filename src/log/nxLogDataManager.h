#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "log/nxLogDataObject.h"
#include "log/nxLogFilingOrder.h"
#include "platform/grid/data/nxGridDataManagerTemplate.h"

class nxLogDataInterest;
class nxLogMessage;
class nxLogSubscription;

// The one store of log rows, keyed by sequence number. Each message becomes a row
// offered to the log views; a row that no view shows is dropped at once unless it
// comes from "ControlServer" or has the highest level. Whether any view accepts a
// message is asked before its row is built, so a message no one keeps costs only
// its number and the filters' tests.
//
// The store keeps at most a limit of rows (250,000 unless set; 0 for none): when
// a new row takes it past the limit the oldest rows go, from the store and from
// every view, always-kept rows like any other.
//
// Sequence numbers count down from 0 so that the newest row sorts first. Past the
// lowest 32-bit number the count goes on from 2147483645 (the two numbers above it
// are the attribute's null and no-change values) down to 1 and then 0 again; the
// rows' sequence values keep ordering newest first (nxLogSequenceNumberAttributeValue),
// and every key stays unique for 2^32 - 2 messages. From the second round on, a
// number whose key a stored row still holds is skipped, so keys stay unique for as
// long as the store holds fewer rows than there are numbers.
class nxLogDataManager : public nxGridDataManagerTemplate<nxLogDataObject, 1, '.'>
{
public:
    static constexpr size_t DefaultRowLimit = 250000;

    nxLogDataManager();
    ~nxLogDataManager() override;

    static nxLogDataManager* GetInstance();

    nxErrorEnum AttachLogDataInterest(nxLogDataInterest* interest);
    nxErrorEnum DetachLogDataInterest(nxLogDataInterest* interest);
    nxErrorEnum FetchLogDataObjects(nxLogDataInterest* interest);
    void OnLogUpdate(const nxLogMessage& message, nxLogSubscription* subscription);
    // The same for a message the caller owns and is done with: a row filed for
    // it takes its text rather than a copy, which leaves the message's text empty.
    void OnLogUpdate(nxLogMessage&& message, nxLogSubscription* subscription);

    // Lowering the limit below the rows held drops the oldest at once. Both
    // getters may be asked from any thread at any time, without the store's lock.
    void SetRowLimit(size_t rowLimit);
    size_t GetRowLimit() const { return m_rowLimit.load(std::memory_order_acquire); }
    // Rows dropped for the limit so far (not those that left with their subscription).
    uint64_t GetNumberOfDroppedRows() const { return m_droppedRows.load(std::memory_order_acquire); }

    // The number the next message gets, unless a stored row still holds its key.
    int32_t GetLogSequenceNumber() const;
    static int32_t NextLogSequenceNumber(int32_t sequenceNumber);
    // "ControlServer" messages and those of the highest level stay in the store
    // whether a view shows them or not.
    static bool IsAlwaysKept(const nxLogMessage& message);

protected:
    void _CreateDataMapIndexes() override {}
    bool _OnCreated() override { return true; }
    bool _OnDestroyed() override { return true; }

    // Continues the numbering from the given number, as if it had counted there.
    void _SetLogSequenceNumber(int32_t sequenceNumber);

    // The steps of filing, with the store locked: the message's number; a row for
    // it, newest in the order of filing; and, once the row is in the store, the
    // oldest rows dropped past the limit.
    int32_t _TakeLogSequenceNumber();
    // The row's text is given apart: the message's own, taken from it, or a copy.
    nxLogDataObject* _NewRow(int32_t sequenceNumber, const nxLogMessage& message, std::string text);
    void _DropRowsPastLimit();

private:
    // Both OnLogUpdate: the row, when one is filed, takes textDonor's text.
    void File(const nxLogMessage& message, nxLogMessage* textDonor, nxLogSubscription* subscription);
    // The views of the subscription (or of the store, without one) that show the
    // message; false when a view's filter is of a class of its own and only a row can tell.
    bool CollectAcceptingInterests(const nxLogMessage& message, nxLogSubscription* subscription,
                                   std::vector<nxGridDataInterest*>& accepting);
    void FileRow(int32_t sequenceNumber, const nxLogMessage& message, std::string text,
                 nxLogSubscription* subscription, const std::vector<nxGridDataInterest*>& accepting);
    void FileRowForEveryView(int32_t sequenceNumber, const nxLogMessage& message, std::string text,
                             nxLogSubscription* subscription);
    void KeepOrDrop(nxLogDataObject* row, const nxLogMessage& message, nxLogSubscription* subscription);

    static std::atomic<nxLogDataManager*> _soleInstance;

    int32_t m_logSequenceNumber = 0;
    // Set once the count has come back to 0: from then on a number may still be in use.
    bool m_sequenceWrapped = false;
    uint64_t m_filedRows = 0;
    nxLogFilingOrder m_filingOrder;
    std::atomic<size_t> m_rowLimit{DefaultRowLimit};
    std::atomic<uint64_t> m_droppedRows{0};
    // Kept between messages so that asking the views allocates nothing.
    std::vector<nxGridDataInterest*> m_interests;
    // Which of the subscription's interest lists m_interests holds (0: none known).
    uint64_t m_interestsVersion = 0;
    // Whether every one of m_interests is a plain nxLogDataInterest.
    bool m_interestsAllPlain = false;
    std::vector<nxGridDataInterest*> m_accepting;
};
