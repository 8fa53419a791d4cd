#pragma once

#include <string>
#include <string_view>
#include <type_traits>

#include "model/nxAttributeValueConversion.h"
#include "model/nxNumericAttributeValue.h"
#include "platform/base/nxStringHelper.h"

// The common body of the integer values. W is the value wrapper whose null and
// no-change numbers the value uses. Values compare plainly on their numbers, so
// null and no-change take part as the large numbers that encode them, unless
// SpecialsFirst, which puts them before every ordinary value (no-change first).
template <class W, bool SpecialsFirst> class nxIntegerAttributeValueTemplate : public nxNumericAttributeValue
{
    static_assert(!SpecialsFirst || sizeof(typename W::ValueType) < sizeof(uint64_t),
                  "the order key needs room above the largest number");

public:
    using ValueType = typename W::ValueType;

    ValueType GetValue() const { return m_value; }
    void SetValue(ValueType value) { m_value = value; }
    void SetValue(const nxAttributeValue& other) override { m_value = ReadOther(other).GetValue(); }

    bool IsNull() const override { return m_value == W::NullValue; }
    bool IsNoChange() const override { return m_value == W::NoChangeValue; }
    void SetNull() override { m_value = W::NullValue; }
    void SetNoChange() { m_value = W::NoChangeValue; }

    bool IsEqual(const nxAttributeValue& other, bool) const override
    {
        return m_value == ReadOther(other).GetValue();
    }
    bool IsLess(const nxAttributeValue& other, bool) const override
    {
        return OrderKey(m_value) < OrderKey(ReadOther(other).GetValue());
    }
    bool IsGreater(const nxAttributeValue& other, bool) const override
    {
        return OrderKey(m_value) > OrderKey(ReadOther(other).GetValue());
    }

    // Empty for null and no-change.
    std::string GetAsString() const override
    {
        return W(m_value).HasValue() ? nxStringHelper::GetAsString(m_value) : std::string();
    }
    nxInt32ValueWrapper GetAsInteger32() const override { return Convert<nxInt32ValueWrapper>(); }
    nxUInt32ValueWrapper GetAsUInteger32() const override { return Convert<nxUInt32ValueWrapper>(); }
    nxInt64ValueWrapper GetAsInteger64() const override { return Convert<nxInt64ValueWrapper>(); }
    nxUInt64ValueWrapper GetAsUInteger64() const override { return Convert<nxUInt64ValueWrapper>(); }
    nxDoubleValueWrapper GetAsDoubleValue() const override { return Convert<nxDoubleValueWrapper>(); }

protected:
    explicit nxIntegerAttributeValueTemplate(ValueType value) : m_value(value) {}
    nxIntegerAttributeValueTemplate(const nxIntegerAttributeValueTemplate&) = default;
    nxIntegerAttributeValueTemplate& operator=(const nxIntegerAttributeValueTemplate&) = default;

    bool _SetFromHotFilterText(std::string_view text) override
    {
        return nxStringHelper::SetFromString(text, m_value);
    }

private:
    template <class To> To Convert() const { return nxAttributeValueConversion::Convert<To>(W(m_value)); }

    static W ReadOther(const nxAttributeValue& other)
    {
        if constexpr (std::is_same_v<W, nxInt32ValueWrapper>)
            return other.GetAsInteger32();
        else if constexpr (std::is_same_v<W, nxUInt32ValueWrapper>)
            return other.GetAsUInteger32();
        else if constexpr (std::is_same_v<W, nxInt64ValueWrapper>)
            return other.GetAsInteger64();
        else
            return other.GetAsUInteger64();
    }

    static auto OrderKey(ValueType value)
    {
        if constexpr (SpecialsFirst)
        {
            // No-change 0, null 1, then every ordinary value above them.
            const ValueType firstSpecial = W::NoChangeValue;
            return value >= firstSpecial ? static_cast<uint64_t>(value - firstSpecial)
                                         : static_cast<uint64_t>(value) + 2;
        }
        else
            return value;
    }

    ValueType m_value;
};
