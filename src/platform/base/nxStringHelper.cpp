#include "platform/base/nxStringHelper.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace
{
template <class T> std::string IntegerText(T value)
{
    char buffer[24];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, end);
}

template <class T> bool ReadWhole(std::string_view text, T& value)
{
    T parsed{};
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, parsed);
    if (text.empty() || ec != std::errc() || ptr != end)
        return false;
    value = parsed;
    return true;
}

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
} // namespace

std::string nxStringHelper::GetAsString(int32_t value)
{
    return IntegerText(value);
}
std::string nxStringHelper::GetAsString(uint32_t value)
{
    return IntegerText(value);
}
std::string nxStringHelper::GetAsString(int64_t value)
{
    return IntegerText(value);
}
std::string nxStringHelper::GetAsString(uint64_t value)
{
    return IntegerText(value);
}

std::string nxStringHelper::GetAsString(double value)
{
    if (std::isnan(value))
        return "nan";
    char buffer[32];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, end);
}

std::string nxStringHelper::GetAsString(bool value)
{
    return value ? "true" : "false";
}

bool nxStringHelper::SetFromString(std::string_view text, bool& value)
{
    const std::string lower = ToLower(text);
    if (lower == "true" || lower == "1")
        value = true;
    else if (lower == "false" || lower == "0")
        value = false;
    else
        return false;
    return true;
}

bool nxStringHelper::SetFromString(std::string_view text, int32_t& value)
{
    return ReadWhole(text, value);
}
bool nxStringHelper::SetFromString(std::string_view text, uint32_t& value)
{
    return ReadWhole(text, value);
}
bool nxStringHelper::SetFromString(std::string_view text, int64_t& value)
{
    return ReadWhole(text, value);
}
bool nxStringHelper::SetFromString(std::string_view text, uint64_t& value)
{
    return ReadWhole(text, value);
}
bool nxStringHelper::SetFromString(std::string_view text, double& value)
{
    return ReadWhole(text, value);
}

std::string nxStringHelper::ToLower(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), Lower);
    return result;
}

int nxStringHelper::CompareIgnoreCase(std::string_view a, std::string_view b)
{
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i)
    {
        const unsigned char ca = static_cast<unsigned char>(Lower(a[i]));
        const unsigned char cb = static_cast<unsigned char>(Lower(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}
