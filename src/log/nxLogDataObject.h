#pragma once

#include <array>
#include <cstdint>
#include <mutex>
#include <string>

#include "log/nxLogFilingOrder.h"
#include "log/nxLogSequenceNumberAttributeValue.h"
#include "model/nxDateTimeAttributeValue.h"
#include "model/nxEnumAttributeValue.h"
#include "model/nxObservedAttributeTemplate.h"
#include "model/nxSharedAttributeLock.h"
#include "model/nxStringAttributeValue.h"
#include "platform/base/nxLogLevelEnum.h"
#include "platform/grid/data/nxGridDataObject.h"

class nxLogMessage;

// One log message as a row: its sequence number, level, host, application, text,
// the time this console filed it and the node of the user it is addressed to.
// Filled once and never changed afterwards.
//
// A store keeps rows like this by the hundred thousand, so a row carries no lock
// of its own: its lock and its attributes' locks come from the shared pools
// (nxSharedLockPool), its attributes are listed in the row itself, it holds
// its place in the store's order of filing, and its memory comes from a pool.
class nxLogDataObject : public nxGridDataObject, public nxLogFilingOrder::Place
{
public:
    nxLogDataObject();
    // Filled from the message, as OnLogUpdate fills a new row, with the message's
    // text given apart (a copy, or the text taken from it); filingPlace orders
    // the row among the others (nxLogSequenceNumberAttributeValue).
    nxLogDataObject(int32_t sequenceNumber, uint64_t filingPlace, const nxLogMessage& message,
                    std::string text);
    ~nxLogDataObject() override;

    // Rows come from a pool of their own (nxBlockPool); a class derived from this
    // one, of another size, from the general heap.
    static void* operator new(size_t size);
    static void operator delete(void* row, size_t size) noexcept;

    // The sequence number read as unsigned: 0, then 4294967295 for -1, and so on.
    static std::string GetAsIndexedMapKey(int32_t sequenceNumber);
    virtual std::string GetAsIndexedMapKey() const;
    nxGridDataManager* GetDataManager() const override;

    int32_t GetLogSequenceNumber() const;
    std::string GetApplicationName() const;
    std::string GetHostName() const;
    std::string GetLogText() const;
    nxLogLevelEnum GetLogLevel() const;

    // Fills the row without flashing. The node name is looked up only for a real
    // user id, not for the null or no-change id.
    void OnLogUpdate(int32_t sequenceNumber, const nxLogMessage& message);

    // The level a row filled from the message holds: an update that says
    // no-change leaves a new row's level 0.
    static nxLogLevelEnum FiledLevelOf(const nxLogMessage& message);

private:
    template <nxAttributeID ID, class T>
    using Attribute = nxObservedAttributeTemplate<ID, T, nxSharedAttributeLock>;

    // A copy of the attribute's value, taken under its lock.
    template <class A> auto ValueOf(const A& attribute) const
    {
        std::lock_guard rowGuard(GetLock());
        std::lock_guard guard(attribute.GetLock());
        return attribute.GetAttributeValue().GetValue();
    }

    static std::string NodeNameOf(const nxLogMessage& message);

    Attribute<10001, nxLogSequenceNumberAttributeValue> m_sequenceNumber;
    Attribute<10002, nxEnumAttributeValue<nxLogLevelEnum>> m_logLevel;
    Attribute<10003, nxStringAttributeValue> m_hostName;
    Attribute<10004, nxStringAttributeValue> m_applicationName;
    Attribute<10006, nxStringAttributeValue> m_logText;
    Attribute<10007, nxDateTimeAttributeValue> m_receivedTime;
    Attribute<10008, nxStringAttributeValue> m_destinationNodeName;
    const std::array<nxObservedAttribute*, 7> m_attributeList{
        &m_sequenceNumber, &m_logLevel,     &m_hostName,           &m_applicationName,
        &m_logText,        &m_receivedTime, &m_destinationNodeName};
};
