#include "log/nxLogDataObject.h"

#include "contracts/nxUserID.h"
#include "log/nxLogDataManager.h"
#include "platform/base/nxDateTime.h"
#include "platform/base/nxStringHelper.h"
#include "platform/messaging/nxLogMessage.h"

nxLogDataObject::nxLogDataObject() : m_logLevel(nxEnumAttributeValue<nxLogLevelEnum>(nxLogLevelEnum(0)))
{
    AddAttributes({&m_sequenceNumber, &m_logLevel, &m_hostName, &m_applicationName, &m_logText,
                   &m_receivedTime, &m_destinationNodeName});
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

void nxLogDataObject::OnLogUpdate(int32_t sequenceNumber, const nxLogMessage& message)
{
    std::lock_guard guard(GetLock());
    m_sequenceNumber.UpdateAttributeValueWithoutFlashing(nxInt32AttributeValue(sequenceNumber));
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
