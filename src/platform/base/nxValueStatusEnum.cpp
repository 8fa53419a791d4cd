#include "platform/base/nxValueStatusEnum.h"

namespace
{
constexpr nxEnumEntry kEntries[] = {
    {241, "Valid", "Valid"},
    {242, "Null", "Null"},
    {243, "NoChange", "No Change"},
};
} // namespace

std::span<const nxEnumEntry> nxValueStatusEnum::Entries()
{
    return kEntries;
}
std::span<const nxEnumEntry> nxValueStatusEnum::GetEntries() const
{
    return kEntries;
}
