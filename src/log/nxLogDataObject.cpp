#include "log/nxLogDataObject.h"

#include "contracts/nxUserID.h"
#include "log/nxLogDataManager.h"
#include "platform/base/nxBlockPool.h"
#include "platform/base/nxDateTime.h"
#include "platform/base/nxStringHelper.h"
#include "platform/messaging/nxLogMessage.h"

namespace
{
// Never destroyed: a row may outlive everything else at exit.
nxBlockPool& RowPool()
{
    constexpr size_t kRowsPerSlab = 256;
    static nxBlockPool* const pool = new nxBlockPool(sizeof(nxLogDataObject), kRowsPerSlab);
    return *pool;
}
} // namespace

void* nxLogDataObject::operator new(size_t size)
{
    return size == sizeof(nxLogDataObject) ? RowPool().Allocate() : ::operator new(size);
}

void nxLogDataObject::operator delete(void* row, size_t size) noexcept
{
    if (size == sizeof(nxLogDataObject))
        RowPool().Release(row);
    else
        ::operator delete(row, size);
}

nxLogDataObject::nxLogDataObject()
    : nxGridDataObject(SharedLock()), m_logLevel(nxEnumAttributeValue<nxLogLevelEnum>(nxLogLevelEnum(0)))
{
    _SetAttributes(m_attributeList);
}

// A new row has no observers yet, so its values go straight in: filling it
// through the updates would tell no one and change nothing else.
nxLogDataObject::nxLogDataObject(int32_t sequenceNumber, uint64_t filingPlace, const nxLogMessage& message,
                                 std::string text)
    : nxGridDataObject(SharedLock()),
      m_sequenceNumber(nxLogSequenceNumberAttributeValue(sequenceNumber, filingPlace)),
      m_logLevel(nxEnumAttributeValue<nxLogLevelEnum>(FiledLevelOf(message))),
      m_hostName(nxStringAttributeValue(message.GetHostName())),
      m_applicationName(nxStringAttributeValue(message.GetApplicationName())),
      m_logText(nxStringAttributeValue(std::move(text))),
      m_receivedTime(nxDateTimeAttributeValue(nxDateTime())),
      m_destinationNodeName(nxStringAttributeValue(NodeNameOf(message)))
{
    _SetAttributes(m_attributeList);
}

nxLogDataObject::~nxLogDataObject() = default;

std::string nxLogDataObject::GetAsIndexedMapKey(int32_t sequenceNumber)
{
    return nxStringHelper::GetAsString(static_cast<uint32_t>(sequenceNumber));
}

std::string nxLogDataObject::GetAsIndexedMapKey() const
{
    return GetAsIndexedMapKey(GetLogSequenceNumber());
}

nxGridDataManager* nxLogDataObject::GetDataManager() const
{
    return nxLogDataManager::GetInstance();
}

int32_t nxLogDataObject::GetLogSequenceNumber() const
{
    return ValueOf(m_sequenceNumber);
}
std::string nxLogDataObject::GetApplicationName() const
{
    return ValueOf(m_applicationName);
}
std::string nxLogDataObject::GetHostName() const
{
    return ValueOf(m_hostName);
}
std::string nxLogDataObject::GetLogText() const
{
    return ValueOf(m_logText);
}
nxLogLevelEnum nxLogDataObject::GetLogLevel() const
{
    return ValueOf(m_logLevel);
}

nxLogLevelEnum nxLogDataObject::FiledLevelOf(const nxLogMessage& message)
{
    const nxLogLevelEnum& level = message.GetLogLevel();
    return level.IsNoChange() ? nxLogLevelEnum(0) : level;
}

std::string nxLogDataObject::NodeNameOf(const nxLogMessage& message)
{
    const uint32_t destination = message.GetDestinationUserID().GetValue();
    return destination <= 0xFFFFFFFDu ? nxUserID(destination).GetUserNodeName() : std::string();
}

void nxLogDataObject::OnLogUpdate(int32_t sequenceNumber, const nxLogMessage& message)
{
    std::lock_guard guard(GetLock());
    m_sequenceNumber.UpdateAttributeValueWithoutFlashing(
        nxLogSequenceNumberAttributeValue(sequenceNumber, 0));
    m_logLevel.UpdateAttributeValueWithoutFlashing(
        nxEnumAttributeValue<nxLogLevelEnum>(message.GetLogLevel()));
    m_hostName.UpdateAttributeValueWithoutFlashing(nxStringAttributeValue(message.GetHostName()));
    m_applicationName.UpdateAttributeValueWithoutFlashing(
        nxStringAttributeValue(message.GetApplicationName()));
    m_logText.UpdateAttributeValueWithoutFlashing(nxStringAttributeValue(message.GetLogEntry()));
    m_receivedTime.UpdateAttributeValueWithoutFlashing(nxDateTimeAttributeValue(nxDateTime()));
    const uint32_t destination = message.GetDestinationUserID().GetValue();
    if (destination <= 0xFFFFFFFDu)
        m_destinationNodeName.UpdateAttributeValueWithoutFlashing(
            nxStringAttributeValue(nxUserID(destination).GetUserNodeName()));
}
