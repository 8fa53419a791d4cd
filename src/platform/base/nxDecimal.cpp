#include "platform/base/nxDecimal.h"

#include <algorithm>
#include <cmath>

namespace
{
__int128 Pow10(int exponent)
{
    __int128 result = 1;
    for (int i = 0; i < exponent; ++i)
        result *= 10;
    return result;
}
} // namespace

nxDecimal::nxDecimal(int64_t mantissa, int scale)
    : m_mantissa(mantissa), m_scale(static_cast<uint8_t>(std::clamp(scale, 0, MaxScale))), m_null(false)
{
}

nxDecimal nxDecimal::FromDouble(double value, int places)
{
    places = std::clamp(places, 0, MaxScale);
    const long double scaled =
        std::round(static_cast<long double>(value) * static_cast<long double>(Pow10(places)));
    if (!std::isfinite(value) || std::fabs(scaled) >= 9.2e18L)
        return nxDecimal();
    return nxDecimal(static_cast<int64_t>(scaled), places);
}

nxDecimal nxDecimal::FromString(std::string_view text)
{
    size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        negative = text[pos++] == '-';
    __int128 mantissa = 0;
    int scale = 0;
    bool afterPoint = false;
    for (; pos < text.size(); ++pos)
    {
        const char c = text[pos];
        if (c == '.' && !afterPoint)
        {
            afterPoint = true;
            continue;
        }
        if (c < '0' || c > '9')
            break;
        if (afterPoint && scale == MaxScale)
            continue; // further decimals cannot be held
        const __int128 next = mantissa * 10 + (c - '0');
        if (next > INT64_MAX)
            break;
        mantissa = next;
        if (afterPoint)
            ++scale;
    }
    return nxDecimal(static_cast<int64_t>(negative ? -mantissa : mantissa), scale);
}

double nxDecimal::GetAsDouble() const
{
    if (m_null)
        return 0.0;
    return static_cast<double>(static_cast<long double>(m_mantissa) /
                               static_cast<long double>(Pow10(m_scale)));
}

std::string nxDecimal::GetAsString() const
{
    if (m_null)
        return {};
    const bool negative = m_mantissa < 0;
    const unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(m_mantissa)
                                                  : static_cast<unsigned long long>(m_mantissa);
    std::string digits = std::to_string(magnitude);
    if (m_scale > 0)
    {
        if (digits.size() <= m_scale)
            digits.insert(0, m_scale + 1 - digits.size(), '0');
        digits.insert(digits.size() - m_scale, 1, '.');
    }
    return negative ? "-" + digits : digits;
}

std::strong_ordering nxDecimal::operator<=>(const nxDecimal& other) const
{
    if (m_null || other.m_null)
        return other.m_null <=> m_null;
    const int scale = std::max(m_scale, other.m_scale);
    const __int128 a = static_cast<__int128>(m_mantissa) * Pow10(scale - m_scale);
    const __int128 b = static_cast<__int128>(other.m_mantissa) * Pow10(scale - other.m_scale);
    return a <=> b;
}
