#include "platform/base/nxFTStateEnum.h"

namespace
{
constexpr nxEnumEntry kEntries[] = {
    {8101, "Primary", "Primary"},
    {8102, "Backup", "Backup"},
    {8103, "Standalone", "Standalone"},
    {8104, "FailingOver", "Failing Over"},
};
} // namespace

std::span<const nxEnumEntry> nxFTStateEnum::Entries()
{
    return kEntries;
}
std::span<const nxEnumEntry> nxFTStateEnum::GetEntries() const
{
    return kEntries;
}
