#include "platform/base/nxApplicationStatusEnum.h"

namespace
{
constexpr nxEnumEntry kEntries[] = {
    {8001, "Starting", "Starting"}, {8002, "Running", "Running"}, {8003, "Stopping", "Stopping"},
    {8004, "Stopped", "Stopped"},   {8005, "Failed", "Failed"},   {8006, "NotResponding", "Not Responding"},
};
} // namespace

std::span<const nxEnumEntry> nxApplicationStatusEnum::Entries()
{
    return kEntries;
}
std::span<const nxEnumEntry> nxApplicationStatusEnum::GetEntries() const
{
    return kEntries;
}
