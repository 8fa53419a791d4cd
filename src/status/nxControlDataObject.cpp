#include "status/nxControlDataObject.h"

#include <mutex>

#include "contracts/nxApplicationStatus.h"
#include "status/nxControlDataManager.h"

nxControlDataObject::nxControlDataObject()
{
    AddAttributes({&m_applicationId, &m_applicationName, &m_hostName, &m_userName, &m_applicationStatus,
                   &m_processId, &m_applicationType, &m_startTime, &m_instanceName, &m_ftState, &m_version,
                   &m_heartbeatLatency, &m_averageHeartbeatLatency, &m_expectedStatus, &m_scheduleName,
                   &m_location, &m_heartbeatDelta});
}

nxControlDataObject::~nxControlDataObject()
{
    delete m_status;
}

std::string nxControlDataObject::GetAsIndexedMapKey(const std::string& applicationId,
                                                    const nxClientServerEnum& clientServer)
{
    std::string key;
    key.reserve(applicationId.size() + 8);
    key += applicationId.empty() ? "*" : applicationId;
    key += '^';
    key += clientServer.IsUndefined() ? std::string("*") : clientServer.GetAsString();
    return key;
}

std::string nxControlDataObject::GetAsIndexedMapKey() const
{
    std::lock_guard guard(GetLock());
    if (!m_status)
        return GetAsIndexedMapKey(std::string(), nxClientServerEnum());
    return GetAsIndexedMapKey(m_status->GetApplicationID().GetApplicationID(),
                              m_status->GetApplicationType().GetClientServer());
}

nxApplicationID nxControlDataObject::GetApplicationID() const
{
    std::lock_guard guard(GetLock());
    return m_status ? m_status->GetApplicationID() : nxApplicationID();
}

nxClientServerEnum nxControlDataObject::GetClientServer() const
{
    std::lock_guard guard(GetLock());
    return m_status ? m_status->GetApplicationType().GetClientServer() : nxClientServerEnum();
}

nxExpectedApplicationStatusEnum nxControlDataObject::GetExpectedApplicationStatus() const
{
    std::lock_guard guard(GetLock());
    return m_expectedStatus.GetValueCopy().GetValue();
}

std::string nxControlDataObject::GetApplicationScheduleName() const
{
    std::lock_guard guard(GetLock());
    return m_scheduleName.GetValueCopy().GetValue();
}

nxAttributeHighlightBitMask nxControlDataObject::ComputeHighlight(const nxApplicationStatus& status)
{
    nxAttributeHighlightBitMask mask = 0;
    switch (status.GetExpectedApplicationStatus().GetValue())
    {
    case nxExpectedStatus::OK:
        mask |= nxControlHighlight::ExpectedOK;
        break;
    case nxExpectedStatus::Missing:
        mask |= nxControlHighlight::ExpectedMissing;
        break;
    case nxExpectedStatus::Unexpected:
        mask |= nxControlHighlight::ExpectedUnexpected;
        break;
    case nxExpectedStatus::FTState:
        mask |= nxControlHighlight::ExpectedFTState;
        break;
    default:
        break;
    }
    const uint32_t delta = status.GetHeartbeatDelta().GetValue();
    if (delta >= 1 && delta <= 0xFFFFFFFDu)
        mask |= nxControlHighlight::HeartbeatLate;
    return mask;
}

void nxControlDataObject::OnApplicationStatusUpdate(const nxApplicationStatus& status, bool withoutFlashing)
{
    std::lock_guard guard(GetLock());
    delete m_status;
    m_status = status.CopyInstance();

    const nxAttributeHighlightBitMask mask = ComputeHighlight(status);
    const bool flag = withoutFlashing;

    m_applicationId.UpdateAttributeHighlight(mask);
    m_applicationId.UpdateAttributeValueWithoutFlashing(
        nxStringAttributeValue(status.GetApplicationID().GetApplicationID()));
    m_applicationName.UpdateAttributeHighlight(mask);
    m_applicationName.UpdateAttributeValueWithoutFlashing(
        nxStringAttributeValue(status.GetApplicationName()));
    m_hostName.UpdateAttributeHighlight(mask);
    m_hostName.UpdateAttributeValueWithoutFlashing(nxStringAttributeValue(status.GetHostName()));
    m_userName.UpdateAttributeHighlight(mask);
    m_userName.UpdateAttributeValueWithoutFlashing(nxStringAttributeValue(status.GetUserName()));
    m_applicationStatus.UpdateAttributeHighlight(mask);
    m_applicationStatus.UpdateAttributeValue(
        nxEnumAttributeValue<nxApplicationStatusEnum>(status.GetApplicationStatus()), flag);
    m_processId.UpdateAttributeHighlight(mask);
    m_processId.UpdateAttributeValueWithoutFlashing(nxUInt32AttributeValue(status.GetProcessID()));
    m_applicationType.UpdateAttributeHighlight(mask);
    m_applicationType.UpdateAttributeValueWithoutFlashing(
        nxEnumAttributeValue<nxApplicationTypeEnum>(status.GetApplicationType()));
    m_startTime.UpdateAttributeHighlight(mask);
    m_startTime.UpdateAttributeValueWithoutFlashing(nxDateTimeAttributeValue(status.GetStartTime()));
    m_instanceName.UpdateAttributeHighlight(mask);
    m_instanceName.UpdateAttributeValueWithoutFlashing(
        nxStringAttributeValue(status.GetApplicationInstanceName()));
    m_ftState.UpdateAttributeHighlight(mask);
    m_ftState.UpdateAttributeValueWithoutFlashing(nxEnumAttributeValue<nxFTStateEnum>(status.GetFTState()));
    m_version.UpdateAttributeHighlight(mask);
    m_version.UpdateAttributeValueWithoutFlashing(
        nxStringAttributeValue(status.GetApplicationVersionNumber()));
    m_heartbeatLatency.UpdateAttributeHighlight(mask);
    m_heartbeatLatency.UpdateAttributeValueWithoutFlashing(
        nxDoubleAttributeValue(status.GetHeartbeatLatency()));
    m_averageHeartbeatLatency.UpdateAttributeHighlight(mask);
    m_averageHeartbeatLatency.UpdateAttributeValueWithoutFlashing(
        nxDoubleAttributeValue(status.GetAverageHeartbeatLatency()));
    m_expectedStatus.UpdateAttributeHighlight(mask);
    m_expectedStatus.UpdateAttributeValue(
        nxEnumAttributeValue<nxExpectedApplicationStatusEnum>(status.GetExpectedApplicationStatus()), flag);
    m_scheduleName.UpdateAttributeHighlight(mask);
    m_scheduleName.UpdateAttributeValue(nxStringAttributeValue(status.GetApplicationScheduleName()), flag);
    m_location.UpdateAttributeHighlight(mask);
    m_location.UpdateAttributeValue(nxStringAttributeValue(status.GetLocation()), flag);
    m_heartbeatDelta.UpdateAttributeHighlight(mask);
    // The raw number: its two reserved values are the cell's null and no-change.
    m_heartbeatDelta.UpdateAttributeValue(nxUInt32AttributeValue(status.GetHeartbeatDelta().GetValue()),
                                          flag);
}

void nxControlDataObject::OnServerApplicationStatusDisconnectDetected()
{
    std::lock_guard guard(GetLock());
    // Every cell carries the same mask, so the first stands for the row.
    const nxAttributeHighlightBitMask mask =
        m_applicationId.GetAttributeHighlight() | nxControlHighlight::Stale;
    ForEachAttribute([mask](auto& attribute) { attribute.UpdateAttributeHighlight(mask); });
}

nxGridDataManager* nxControlDataObject::GetDataManager() const
{
    return nxControlDataManager::GetInstance();
}
