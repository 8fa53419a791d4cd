#pragma once

#include <string>

#include "contracts/nxApplicationID.h"
#include "model/nxDateTimeAttributeValue.h"
#include "model/nxDoubleAttributeValue.h"
#include "model/nxEnumAttributeValue.h"
#include "model/nxObservedAttributeTemplateWithHightlight.h"
#include "model/nxStringAttributeValue.h"
#include "model/nxUInt32AttributeValue.h"
#include "platform/base/nxApplicationStatusEnum.h"
#include "platform/base/nxApplicationTypeEnum.h"
#include "platform/base/nxClientServerEnum.h"
#include "platform/base/nxExpectedApplicationStatusEnum.h"
#include "platform/base/nxFTStateEnum.h"
#include "platform/grid/data/nxGridDataObject.h"

class nxApplicationStatus;

namespace nxControlHighlight
{
inline constexpr nxAttributeHighlightBitMask ExpectedOK = 0x100;
inline constexpr nxAttributeHighlightBitMask ExpectedUnexpected = 0x200;
inline constexpr nxAttributeHighlightBitMask ExpectedFTState = 0x400;
inline constexpr nxAttributeHighlightBitMask ExpectedMissing = 0x800;
inline constexpr nxAttributeHighlightBitMask HeartbeatLate = 0x10;
inline constexpr nxAttributeHighlightBitMask Stale = 0x1000000000000000ull;
} // namespace nxControlHighlight

// One row of an application view: the latest status of one platform application
// as seventeen observed attributes, highlighted by expected status and heartbeat,
// and marked stale when the server feed falls silent.
class nxControlDataObject : public nxGridDataObject
{
public:
    nxControlDataObject();
    ~nxControlDataObject() override;
    nxControlDataObject(const nxControlDataObject&) = delete;
    nxControlDataObject& operator=(const nxControlDataObject&) = delete;

    // The application id ("*" when empty), "^", and the kind's text ("*" when undefined).
    static std::string GetAsIndexedMapKey(const std::string& applicationId,
                                          const nxClientServerEnum& clientServer);
    virtual std::string GetAsIndexedMapKey() const;

    nxApplicationID GetApplicationID() const;
    nxClientServerEnum GetClientServer() const;
    nxExpectedApplicationStatusEnum GetExpectedApplicationStatus() const;
    std::string GetApplicationScheduleName() const;

    // Applies one status; with the flag set, changes are recorded without flashing.
    void OnApplicationStatusUpdate(const nxApplicationStatus& status, bool withoutFlashing);
    // Marks every cell stale; values stay as they are until the next status.
    void OnServerApplicationStatusDisconnectDetected();

    nxGridDataManager* GetDataManager() const override;

    static nxAttributeHighlightBitMask ComputeHighlight(const nxApplicationStatus& status);

private:
    template <nxAttributeID ID, class T> using Attribute = nxObservedAttributeTemplateWithHightlight<ID, T>;

    // In id order, 9001 to 9017.
    template <class F> void ForEachAttribute(F&& apply)
    {
        apply(m_applicationId), apply(m_applicationName), apply(m_hostName), apply(m_userName);
        apply(m_applicationStatus), apply(m_processId), apply(m_applicationType), apply(m_startTime);
        apply(m_instanceName), apply(m_ftState), apply(m_version), apply(m_heartbeatLatency);
        apply(m_averageHeartbeatLatency), apply(m_expectedStatus), apply(m_scheduleName), apply(m_location);
        apply(m_heartbeatDelta);
    }

    nxApplicationStatus* m_status = nullptr;
    Attribute<9001, nxStringAttributeValue> m_applicationId;
    Attribute<9002, nxStringAttributeValue> m_applicationName;
    Attribute<9003, nxStringAttributeValue> m_hostName;
    Attribute<9004, nxStringAttributeValue> m_userName;
    Attribute<9005, nxEnumAttributeValue<nxApplicationStatusEnum>> m_applicationStatus;
    Attribute<9006, nxUInt32AttributeValue> m_processId;
    Attribute<9007, nxEnumAttributeValue<nxApplicationTypeEnum>> m_applicationType;
    Attribute<9008, nxDateTimeAttributeValue> m_startTime;
    Attribute<9009, nxStringAttributeValue> m_instanceName;
    Attribute<9010, nxEnumAttributeValue<nxFTStateEnum>> m_ftState;
    Attribute<9011, nxStringAttributeValue> m_version;
    Attribute<9012, nxDoubleAttributeValue> m_heartbeatLatency;
    Attribute<9013, nxDoubleAttributeValue> m_averageHeartbeatLatency;
    Attribute<9014, nxEnumAttributeValue<nxExpectedApplicationStatusEnum>> m_expectedStatus;
    Attribute<9015, nxStringAttributeValue> m_scheduleName;
    Attribute<9016, nxStringAttributeValue> m_location;
    Attribute<9017, nxUInt32AttributeValue> m_heartbeatDelta;
};
