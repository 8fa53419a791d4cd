#pragma once

#include <cstdint>
#include <mutex>
#include <string>

#include "model/nxDateTimeAttributeValue.h"
#include "model/nxEnumAttributeValue.h"
#include "model/nxInt32AttributeValue.h"
#include "model/nxObservedAttributeTemplate.h"
#include "model/nxStringAttributeValue.h"
#include "platform/base/nxLogLevelEnum.h"
#include "platform/grid/data/nxGridDataObject.h"

class nxLogMessage;

// One log message as a row: its sequence number, level, host, application, text,
// the time this console filed it and the node of the user it is addressed to.
// Filled once and never changed afterwards.
class nxLogDataObject : public nxGridDataObject
{
public:
    nxLogDataObject();
    ~nxLogDataObject() override;

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

private:
    // A copy of the attribute's value, taken under its lock.
    template <class A> auto ValueOf(const A& attribute) const
    {
        std::lock_guard rowGuard(GetLock());
        std::lock_guard guard(attribute.GetLock());
        return attribute.GetAttributeValue().GetValue();
    }

    nxObservedAttributeTemplate<10001, nxInt32AttributeValue> m_sequenceNumber;
    nxObservedAttributeTemplate<10002, nxEnumAttributeValue<nxLogLevelEnum>> m_logLevel;
    nxObservedAttributeTemplate<10003, nxStringAttributeValue> m_hostName;
    nxObservedAttributeTemplate<10004, nxStringAttributeValue> m_applicationName;
    nxObservedAttributeTemplate<10006, nxStringAttributeValue> m_logText;
    nxObservedAttributeTemplate<10007, nxDateTimeAttributeValue> m_receivedTime;
    nxObservedAttributeTemplate<10008, nxStringAttributeValue> m_destinationNodeName;
};
