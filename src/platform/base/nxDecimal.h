#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

// A fixed-point decimal: a 64-bit mantissa and a count of decimal places (0..18),
// or null. Used for prices and other values that must not suffer binary rounding.
class nxDecimal
{
public:
    static constexpr int MaxScale = 18;

    nxDecimal() = default; // null
    nxDecimal(int64_t mantissa, int scale);

    static nxDecimal FromDouble(double value, int places);
    // Reads an optional sign, digits and a '.' with decimals, stopping at the first
    // other character; an empty or unreadable text gives 0, never null.
    static nxDecimal FromString(std::string_view text);

    bool IsNull() const { return m_null; }
    void SetNull() { *this = nxDecimal(); }
    int64_t GetMantissa() const { return m_mantissa; }
    int GetScale() const { return m_scale; }

    double GetAsDouble() const;
    // '.' as the point and exactly GetScale() decimals; empty when null.
    std::string GetAsString() const;

    bool operator==(const nxDecimal& other) const { return (*this <=> other) == 0; }
    // Null orders before every value; values compare by amount, whatever their scales.
    std::strong_ordering operator<=>(const nxDecimal& other) const;

private:
    int64_t m_mantissa = 0;
    uint8_t m_scale = 0;
    bool m_null = true;
};
