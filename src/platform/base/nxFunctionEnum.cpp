#include "platform/base/nxFunctionEnum.h"

namespace
{
constexpr nxEnumEntry kEntries[] = {
    {100006, "SystemManagerAll", "System Manager: all windows"},
    {100919, "SystemManagerServers", "System Manager: server applications and log"},
    {100920, "SystemManagerClients", "System Manager: client applications"},
};
} // namespace

std::span<const nxEnumEntry> nxFunctionEnum::Entries()
{
    return kEntries;
}
std::span<const nxEnumEntry> nxFunctionEnum::GetEntries() const
{
    return kEntries;
}
