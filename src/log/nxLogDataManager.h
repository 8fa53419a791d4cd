#pragma once

#include <atomic>
#include <cstdint>

#include "log/nxLogDataObject.h"
#include "platform/grid/data/nxGridDataManagerTemplate.h"

class nxLogDataInterest;
class nxLogMessage;
class nxLogSubscription;

// The one store of log rows, keyed by sequence number. Each message becomes a row
// offered to the log views; a row that no view shows is dropped at once unless it
// comes from "ControlServer" or has the highest level.
//
// Sequence numbers count down from 0 so that the newest row sorts first. Past the
// lowest 32-bit number the count goes on from 2147483645 (the two numbers above it
// are the attribute's null and no-change values) down to 1 and then 0 again: the
// newest rows then sort last, but every key stays unique for 2^32 - 2 messages.
// From the second round on, a number whose key a stored row still holds is
// skipped, so keys stay unique for as long as the store holds fewer rows than
// there are numbers.
class nxLogDataManager : public nxGridDataManagerTemplate<nxLogDataObject, 1, '.'>
{
public:
    nxLogDataManager();
    ~nxLogDataManager() override;

    static nxLogDataManager* GetInstance();

    nxErrorEnum AttachLogDataInterest(nxLogDataInterest* interest);
    nxErrorEnum DetachLogDataInterest(nxLogDataInterest* interest);
    nxErrorEnum FetchLogDataObjects(nxLogDataInterest* interest);
    void OnLogUpdate(const nxLogMessage& message, nxLogSubscription* subscription);

    // The number the next message gets, unless a stored row still holds its key.
    int32_t GetLogSequenceNumber() const;
    static int32_t NextLogSequenceNumber(int32_t sequenceNumber);

protected:
    void _CreateDataMapIndexes() override {}
    bool _OnCreated() override { return true; }
    bool _OnDestroyed() override { return true; }

    // Continues the numbering from the given number, as if it had counted there.
    void _SetLogSequenceNumber(int32_t sequenceNumber);

private:
    int32_t TakeLogSequenceNumber();

    static std::atomic<nxLogDataManager*> _soleInstance;

    int32_t m_logSequenceNumber = 0;
    // Set once the count has come back to 0: from then on a number may still be in use.
    bool m_sequenceWrapped = false;
};
