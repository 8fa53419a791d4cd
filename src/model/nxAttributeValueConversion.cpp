#include "model/nxAttributeValueConversion.h"

#include <charconv>

namespace
{
size_t SkipBlanks(std::string_view text)
{
    size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || (text[pos] >= '\t' && text[pos] <= '\r')))
        ++pos;
    return pos;
}
} // namespace

int64_t nxAttributeValueConversion::ParseLeadingInteger(std::string_view text)
{
    size_t pos = SkipBlanks(text);
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        negative = text[pos++] == '-';
    // Accumulated as a negative number, which reaches INT64_MIN without overflow.
    int64_t value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos)
    {
        const int digit = text[pos] - '0';
        if (value < (std::numeric_limits<int64_t>::min() + digit) / 10)
            return negative ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max();
        value = value * 10 - digit;
    }
    if (negative)
        return value;
    return value == std::numeric_limits<int64_t>::min() ? std::numeric_limits<int64_t>::max() : -value;
}

double nxAttributeValueConversion::ParseLeadingDouble(std::string_view text)
{
    size_t pos = SkipBlanks(text);
    if (pos < text.size() && text[pos] == '+' && (pos + 1 == text.size() || text[pos + 1] != '-'))
        ++pos;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data() + pos, text.data() + text.size(), value);
    return ec == std::errc() ? value : 0.0;
}
