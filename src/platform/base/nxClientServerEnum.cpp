#include "platform/base/nxClientServerEnum.h"

namespace
{
constexpr nxEnumEntry kEntries[] = {
    {71, "Client", "Client Applications"},
    {72, "Server", "Server Applications"},
};
} // namespace

std::span<const nxEnumEntry> nxClientServerEnum::Entries()
{
    return kEntries;
}
std::span<const nxEnumEntry> nxClientServerEnum::GetEntries() const
{
    return kEntries;
}
