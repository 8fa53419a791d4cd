#pragma once

#include <string>

#include "contracts/nxApplicationID.h"

// Gives one application a schedule scheme; an empty name removes its scheme.
class nxApplicationScheduleAssignment
{
public:
    const nxApplicationID& GetApplicationID() const { return m_applicationId; }
    void SetApplicationID(const nxApplicationID& id) { m_applicationId = id; }
    const std::string& GetApplicationScheduleName() const { return m_scheduleName; }
    void SetApplicationScheduleName(std::string name) { m_scheduleName = std::move(name); }

private:
    nxApplicationID m_applicationId;
    std::string m_scheduleName;
};
