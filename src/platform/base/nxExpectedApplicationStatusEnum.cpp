#include "platform/base/nxExpectedApplicationStatusEnum.h"

namespace
{
constexpr nxEnumEntry kEntries[] = {
    {8201, "OK", "OK"},
    {8202, "Missing", "Missing"},
    {8203, "Unexpected", "Unexpected"},
    {8204, "FTState", "FT State"},
};
} // namespace

std::span<const nxEnumEntry> nxExpectedApplicationStatusEnum::Entries()
{
    return kEntries;
}
std::span<const nxEnumEntry> nxExpectedApplicationStatusEnum::GetEntries() const
{
    return kEntries;
}
