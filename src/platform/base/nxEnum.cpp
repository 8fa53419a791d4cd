#include "platform/base/nxEnum.h"

#include <charconv>

const nxEnumEntry* nxEnum::Find(uint32_t value) const
{
    for (const nxEnumEntry& entry : GetEntries())
        if (entry.value == value)
            return &entry;
    return nullptr;
}

std::string nxEnum::GetShortDescription() const
{
    if (IsUndefined() || IsNoChange())
        return {};
    const nxEnumEntry* entry = Find(m_value);
    return entry ? std::string(entry->shortText) : std::to_string(m_value);
}

std::string nxEnum::GetLongDescription() const
{
    if (IsUndefined() || IsNoChange())
        return {};
    const nxEnumEntry* entry = Find(m_value);
    return entry ? std::string(entry->longText) : std::to_string(m_value);
}

bool nxEnum::SetFromShortDescriptionString(std::string_view text)
{
    for (const nxEnumEntry& entry : GetEntries())
    {
        if (text == entry.shortText)
        {
            m_value = entry.value;
            return true;
        }
    }
    // Also accept a named value written as its number, as hand-edited files sometimes have it.
    uint32_t number = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, number);
    if (!text.empty() && ec == std::errc() && ptr == end && Find(number))
    {
        m_value = number;
        return true;
    }
    m_value = UndefinedValue;
    return false;
}
