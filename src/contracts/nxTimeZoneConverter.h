#pragma once

#include <string>
#include <vector>

// The time-zone rules of the service library, read from a CSV table.
class nxTimeZoneConverter
{
public:
    // Never null: without an installed implementation it never initialises.
    static nxTimeZoneConverter* GetInstance();
    static nxTimeZoneConverter* SetInstance(nxTimeZoneConverter* instance);

    virtual ~nxTimeZoneConverter() = default;

    virtual bool IsInitialised() const = 0;
    // Reads the table at path; on failure answers false with a text for the operator.
    virtual bool Initialise(std::string& errorText, const std::string& path) = 0;
    virtual void GetTimeZoneRegions(std::vector<std::string>& regions) const = 0;
};
