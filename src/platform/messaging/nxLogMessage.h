#pragma once

#include <string>

#include "platform/base/nxDateTime.h"
#include "platform/base/nxLogLevelEnum.h"
#include "platform/base/nxValueWrapper.h"

// One log message of a platform application, as the control service delivers it.
class nxLogMessage
{
public:
    nxLogMessage() = default;
    virtual ~nxLogMessage();

    const nxLogLevelEnum& GetLogLevel() const { return m_level; }
    const std::string& GetHostName() const { return m_hostName; }
    const std::string& GetApplicationName() const { return m_applicationName; }
    const std::string& GetLogEntry() const { return m_logEntry; }
    // The user the message is addressed to; null (0xFFFFFFFF) when it is for everyone.
    const nxUInt32ValueWrapper& GetDestinationUserID() const { return m_destinationUserId; }
    // When the application wrote the message.
    const nxDateTime& GetTimeStamp() const { return m_timeStamp; }

    void SetLogLevel(const nxLogLevelEnum& level) { m_level = level; }
    void SetHostName(std::string name) { m_hostName = std::move(name); }
    void SetApplicationName(std::string name) { m_applicationName = std::move(name); }
    void SetLogEntry(std::string text) { m_logEntry = std::move(text); }
    // The text moved out, leaving the message's empty: for the one who owns the
    // message and files it, so a long text is not copied.
    std::string TakeLogEntry() { return std::move(m_logEntry); }
    void SetDestinationUserID(const nxUInt32ValueWrapper& id) { m_destinationUserId = id; }
    void SetTimeStamp(const nxDateTime& time) { m_timeStamp = time; }

private:
    nxLogLevelEnum m_level;
    std::string m_hostName;
    std::string m_applicationName;
    std::string m_logEntry;
    nxUInt32ValueWrapper m_destinationUserId;
    nxDateTime m_timeStamp = nxDateTime::Null();
};
