#pragma once

#include <cstdint>
#include <string>

#include "contracts/nxApplicationID.h"
#include "platform/base/nxApplicationStatusEnum.h"
#include "platform/base/nxApplicationTypeEnum.h"
#include "platform/base/nxDateTime.h"
#include "platform/base/nxExpectedApplicationStatusEnum.h"
#include "platform/base/nxFTStateEnum.h"
#include "platform/base/nxValueWrapper.h"

// The latest known status of one platform application, as the control service
// sends it in status batches and snapshots.
class nxApplicationStatus
{
public:
    nxApplicationStatus() = default;
    virtual ~nxApplicationStatus();

    // A copy of the same dynamic class; the caller owns it.
    virtual nxApplicationStatus* CopyInstance() const;

    const nxApplicationID& GetApplicationID() const { return m_applicationId; }
    const std::string& GetApplicationName() const { return m_applicationName; }
    const std::string& GetApplicationInstanceName() const { return m_instanceName; }
    const std::string& GetHostName() const { return m_hostName; }
    const std::string& GetUserName() const { return m_userName; }
    const std::string& GetLocation() const { return m_location; }
    const std::string& GetApplicationVersionNumber() const { return m_version; }
    const std::string& GetApplicationScheduleName() const { return m_scheduleName; }
    const nxApplicationTypeEnum& GetApplicationType() const { return m_type; }
    const nxApplicationStatusEnum& GetApplicationStatus() const { return m_status; }
    const nxExpectedApplicationStatusEnum& GetExpectedApplicationStatus() const { return m_expectedStatus; }
    const nxFTStateEnum& GetFTState() const { return m_ftState; }
    uint32_t GetProcessID() const { return m_processId; }
    // Seconds since the last heartbeat; 0xFFFFFFFF and 0xFFFFFFFE are reserved.
    const nxUInt32ValueWrapper& GetHeartbeatDelta() const { return m_heartbeatDelta; }
    double GetHeartbeatLatency() const { return m_heartbeatLatency; }
    double GetAverageHeartbeatLatency() const { return m_averageHeartbeatLatency; }
    const nxDateTime& GetStartTime() const { return m_startTime; }

    void SetApplicationID(const nxApplicationID& id) { m_applicationId = id; }
    void SetApplicationName(std::string value) { m_applicationName = std::move(value); }
    void SetApplicationInstanceName(std::string value) { m_instanceName = std::move(value); }
    void SetHostName(std::string value) { m_hostName = std::move(value); }
    void SetUserName(std::string value) { m_userName = std::move(value); }
    void SetLocation(std::string value) { m_location = std::move(value); }
    void SetApplicationVersionNumber(std::string value) { m_version = std::move(value); }
    void SetApplicationScheduleName(std::string value) { m_scheduleName = std::move(value); }
    void SetApplicationType(const nxApplicationTypeEnum& value) { m_type = value; }
    void SetApplicationStatus(const nxApplicationStatusEnum& value) { m_status = value; }
    void SetExpectedApplicationStatus(const nxExpectedApplicationStatusEnum& value)
    {
        m_expectedStatus = value;
    }
    void SetFTState(const nxFTStateEnum& value) { m_ftState = value; }
    void SetProcessID(uint32_t value) { m_processId = value; }
    void SetHeartbeatDelta(const nxUInt32ValueWrapper& value) { m_heartbeatDelta = value; }
    void SetHeartbeatLatency(double value) { m_heartbeatLatency = value; }
    void SetAverageHeartbeatLatency(double value) { m_averageHeartbeatLatency = value; }
    void SetStartTime(const nxDateTime& value) { m_startTime = value; }

protected:
    nxApplicationStatus(const nxApplicationStatus&) = default;
    nxApplicationStatus& operator=(const nxApplicationStatus&) = default;

private:
    nxApplicationID m_applicationId;
    std::string m_applicationName;
    std::string m_instanceName;
    std::string m_hostName;
    std::string m_userName;
    std::string m_location;
    std::string m_version;
    std::string m_scheduleName;
    nxApplicationTypeEnum m_type;
    nxApplicationStatusEnum m_status;
    nxExpectedApplicationStatusEnum m_expectedStatus;
    nxFTStateEnum m_ftState;
    uint32_t m_processId = 0;
    nxUInt32ValueWrapper m_heartbeatDelta;
    double m_heartbeatLatency = 0.0;
    double m_averageHeartbeatLatency = 0.0;
    nxDateTime m_startTime = nxDateTime::Null();
};
