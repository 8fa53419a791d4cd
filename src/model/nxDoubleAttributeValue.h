#pragma once

#include <cmath>
#include <string>
#include <string_view>

#include "model/nxNumericAttributeValue.h"

// A double; 2^52 - 1 is null and 2^52 - 2 no-change. Two values closer than 1e-8
// are equal, and only unequal values order. A NaN is stored as null, since it
// would compare unequal to itself and report a change on every update.
class nxDoubleAttributeValue : public nxNumericAttributeValue
{
public:
    static constexpr double Tolerance = 1e-8;

    nxDoubleAttributeValue() = default;
    explicit nxDoubleAttributeValue(double value) : m_value(Sanitize(value)) {}
    explicit nxDoubleAttributeValue(nxDoubleValueWrapper value) : m_value(Sanitize(value.GetValue())) {}

    nxDoubleAttributeValue* CopyInstance() const override { return new nxDoubleAttributeValue(*this); }
    nxDoubleAttributeValue* CreateInstance() const override { return new nxDoubleAttributeValue(); }
    const char* GetClassName() const override { return "nxDoubleAttributeValue"; }
    const char* GetHotFilterableClassName() const override { return "nxDoubleAttributeValue"; }

    double GetValue() const { return m_value; }
    void SetValue(double value) { m_value = Sanitize(value); }
    void SetValue(const nxAttributeValue& other) override { SetValue(other.GetAsDoubleValue().GetValue()); }

    bool IsNull() const override { return m_value == nxDoubleValueWrapper::NullValue; }
    bool IsNoChange() const override { return m_value == nxDoubleValueWrapper::NoChangeValue; }
    void SetNull() override { m_value = nxDoubleValueWrapper::NullValue; }
    void SetNoChange() { m_value = nxDoubleValueWrapper::NoChangeValue; }

    bool IsEqual(const nxAttributeValue& other, bool) const override
    {
        return AreClose(m_value, other.GetAsDoubleValue().GetValue());
    }
    bool IsLess(const nxAttributeValue& other, bool) const override;
    bool IsGreater(const nxAttributeValue& other, bool) const override;

    // Empty for null and no-change.
    std::string GetAsString() const override;
    nxInt32ValueWrapper GetAsInteger32() const override;
    nxUInt32ValueWrapper GetAsUInteger32() const override;
    nxInt64ValueWrapper GetAsInteger64() const override;
    nxUInt64ValueWrapper GetAsUInteger64() const override;
    nxDoubleValueWrapper GetAsDoubleValue() const override { return m_value; }

protected:
    bool _SetFromHotFilterText(std::string_view text) override;

private:
    static double Sanitize(double value)
    {
        return std::isnan(value) ? nxDoubleValueWrapper::NullValue : value;
    }
    // a == b lets an infinity equal itself.
    static bool AreClose(double a, double b) { return a == b || (a - b < Tolerance && b - a < Tolerance); }

    double m_value = nxDoubleValueWrapper::NullValue;
};
