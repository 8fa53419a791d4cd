#include "platform/base/nxLogLevelEnum.h"

namespace
{
constexpr nxEnumEntry kEntries[] = {
    {31, "Trace", "Trace"},     {32, "Info", "Information"},    {33, "Notice", "Notice"},
    {34, "Warning", "Warning"}, {35, "Minor", "Minor Problem"}, {36, "Major", "Major Problem"},
    {37, "Error", "Error"},     {38, "Critical", "Critical"},
};
} // namespace

std::span<const nxEnumEntry> nxLogLevelEnum::Entries()
{
    return kEntries;
}
std::span<const nxEnumEntry> nxLogLevelEnum::GetEntries() const
{
    return kEntries;
}
