#include "platform/grid/data/nxAttributeCatalogue.h"

#include <string>

namespace
{
constexpr nxAttributeCategory kStatus = nxAttributeCategories::ApplicationStatus;
constexpr nxAttributeCategory kLog = nxAttributeCategories::LogMessage;

constexpr nxAttributeInfo kAttributes[] = {
    {9001, "Application ID", kStatus, "nxStringAttributeValue"},
    {9002, "Application Name", kStatus, "nxStringAttributeValue"},
    {9003, "Host Name", kStatus, "nxStringAttributeValue"},
    {9004, "User Name", kStatus, "nxStringAttributeValue"},
    {9005, "Status", kStatus, "nxEnumAttributeValue"},
    {9006, "Process ID", kStatus, "nxUInt32AttributeValue"},
    {9007, "Application Type", kStatus, "nxEnumAttributeValue"},
    {9008, "Start Time", kStatus, "nxDateTimeAttributeValue"},
    {9009, "Instance Name", kStatus, "nxStringAttributeValue"},
    {9010, "FT State", kStatus, "nxEnumAttributeValue"},
    {9011, "Version", kStatus, "nxStringAttributeValue"},
    {9012, "Heartbeat Latency", kStatus, "nxDoubleAttributeValue"},
    {9013, "Average Heartbeat Latency", kStatus, "nxDoubleAttributeValue"},
    {9014, "Expected Status", kStatus, "nxEnumAttributeValue"},
    {9015, "Schedule", kStatus, "nxStringAttributeValue"},
    {9016, "Location", kStatus, "nxStringAttributeValue"},
    {9017, "Heartbeat Delta", kStatus, "nxUInt32AttributeValue"},
    {10001, "Sequence", kLog, "nxInt32AttributeValue"},
    {10002, "Level", kLog, "nxEnumAttributeValue"},
    {10003, "Host Name", kLog, "nxStringAttributeValue"},
    {10004, "Application Name", kLog, "nxStringAttributeValue"},
    {10006, "Log Text", kLog, "nxStringAttributeValue"},
    {10007, "Received", kLog, "nxDateTimeAttributeValue"},
    {10008, "Destination Node", kLog, "nxStringAttributeValue"},
};
} // namespace

const nxAttributeInfo* nxAttributeCatalogue::Find(nxAttributeID id)
{
    for (const nxAttributeInfo& info : kAttributes)
        if (info.id == id)
            return &info;
    return nullptr;
}

std::vector<nxAttributeID> nxAttributeCatalogue::GetAttributeIDs(nxAttributeCategory category)
{
    std::vector<nxAttributeID> ids;
    for (const nxAttributeInfo& info : kAttributes)
        if (info.category == category)
            ids.push_back(info.id);
    return ids;
}

std::string nxAttributeCatalogue::GetHeading(nxAttributeID id)
{
    const nxAttributeInfo* info = Find(id);
    return info ? std::string(info->heading) : std::to_string(id);
}
