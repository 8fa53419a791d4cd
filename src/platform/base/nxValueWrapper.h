#pragma once

#include <cstdint>

// A number with two reserved values: null (no value) and no-change (an update
// that leaves the current value alone).
template <class T, T NullV, T NoChangeV> class nxValueWrapper
{
public:
    using ValueType = T;
    static constexpr T NullValue = NullV;
    static constexpr T NoChangeValue = NoChangeV;

    constexpr nxValueWrapper() = default;
    constexpr nxValueWrapper(T value) : m_value(value) {}

    constexpr T GetValue() const { return m_value; }
    constexpr void SetValue(T value) { m_value = value; }
    constexpr bool IsNull() const { return m_value == NullV; }
    constexpr bool IsNoChange() const { return m_value == NoChangeV; }
    constexpr bool HasValue() const { return !IsNull() && !IsNoChange(); }
    constexpr void SetNull() { m_value = NullV; }
    constexpr void SetNoChange() { m_value = NoChangeV; }

    constexpr bool operator==(const nxValueWrapper&) const = default;

private:
    T m_value = NullV;
};

using nxInt32ValueWrapper = nxValueWrapper<int32_t, 0x7FFFFFFF, 0x7FFFFFFE>;
using nxUInt32ValueWrapper = nxValueWrapper<uint32_t, 0xFFFFFFFFu, 0xFFFFFFFEu>;
using nxInt64ValueWrapper = nxValueWrapper<int64_t, 0x7FFFFFFFFFFFFFFF, 0x7FFFFFFFFFFFFFFE>;
using nxUInt64ValueWrapper = nxValueWrapper<uint64_t, 0xFFFFFFFFFFFFFFFFu, 0xFFFFFFFFFFFFFFFEu>;
// 2^52 - 1 and 2^52 - 2: integers a double holds exactly, far above any real reading.
using nxDoubleValueWrapper = nxValueWrapper<double, 4503599627370495.0, 4503599627370494.0>;
