#pragma once

#include <string>
#include <string_view>

#include "model/nxNumericAttributeValue.h"
#include "platform/base/nxValueStatusEnum.h"

// A fixed-point decimal. Null is the decimal's own null; no-change is marked by
// the status (nxValueStatus::NoChange). Values compare by amount, null first.
class nxDecimalAttributeValue : public nxNumericAttributeValue
{
public:
    nxDecimalAttributeValue() = default;
    explicit nxDecimalAttributeValue(const nxDecimal& value) : m_value(value), m_status(StatusOf(value)) {}

    nxDecimalAttributeValue* CopyInstance() const override { return new nxDecimalAttributeValue(*this); }
    nxDecimalAttributeValue* CreateInstance() const override { return new nxDecimalAttributeValue(); }
    const char* GetClassName() const override { return "nxDecimalAttributeValue"; }
    const char* GetHotFilterableClassName() const override { return "nxDecimalAttributeValue"; }

    const nxDecimal& GetValue() const { return m_value; }
    const nxValueStatusEnum& GetValueStatus() const { return m_status; }
    void SetValue(const nxDecimal& value);
    void SetValue(const nxAttributeValue& other) override;

    bool IsNull() const override { return !IsNoChange() && m_value.IsNull(); }
    bool IsNoChange() const override { return m_status.GetValue() == nxValueStatus::NoChange; }
    void SetNull() override;
    void SetNoChange();

    bool IsEqual(const nxAttributeValue& other, bool) const override
    {
        return m_value == other.GetAsDecimal();
    }
    bool IsLess(const nxAttributeValue& other, bool) const override { return m_value < other.GetAsDecimal(); }
    bool IsGreater(const nxAttributeValue& other, bool) const override
    {
        return m_value > other.GetAsDecimal();
    }

    // '.' as the point; empty for null and no-change.
    std::string GetAsString() const override;
    nxInt32ValueWrapper GetAsInteger32() const override;
    nxUInt32ValueWrapper GetAsUInteger32() const override;
    nxInt64ValueWrapper GetAsInteger64() const override;
    nxUInt64ValueWrapper GetAsUInteger64() const override;
    nxDoubleValueWrapper GetAsDoubleValue() const override;
    // Null for no-change.
    nxDecimal GetAsDecimal() const override { return IsNoChange() ? nxDecimal() : m_value; }

protected:
    // Digits with an optional sign and one '.'; anything else does not read.
    bool _SetFromHotFilterText(std::string_view text) override;

private:
    static nxValueStatusEnum StatusOf(const nxDecimal& value)
    {
        return nxValueStatusEnum(value.IsNull() ? nxValueStatus::Null : nxValueStatus::Valid);
    }

    nxDecimal m_value;
    nxValueStatusEnum m_status{nxValueStatus::Null};
};
