#pragma once

#include <concepts>
#include <cstdint>
#include <string>

#include "model/nxAttributeValue.h"
#include "model/nxAttributeValueConversion.h"
#include "model/nxUInt32AttributeValue.h"
#include "platform/base/nxEnum.h"

// An enum of class E. Undefined is null. Values compare plainly on their numbers
// (undefined and no-change as the large numbers that encode them), and filter
// columns see them as unsigned 32-bit numbers.
template <class E>
requires std::derived_from<E, nxEnum>
class nxEnumAttributeValue : public nxAttributeValue
{
public:
    nxEnumAttributeValue() = default;
    explicit nxEnumAttributeValue(const E& value) : m_value(value) {}
    explicit nxEnumAttributeValue(uint32_t value) : m_value(value) {}

    nxEnumAttributeValue* CopyInstance() const override { return new nxEnumAttributeValue(*this); }
    nxEnumAttributeValue* CreateInstance() const override { return new nxEnumAttributeValue(); }
    nxUInt32AttributeValue* CreateHotFilterableCopy() const override
    {
        return new nxUInt32AttributeValue(m_value.GetValue());
    }
    const char* GetClassName() const override { return "nxEnumAttributeValue"; }

    const E& GetValue() const { return m_value; }
    void SetValue(const E& value) { m_value = value; }
    void SetValue(const nxAttributeValue& other) override
    {
        m_value.SetValue(other.GetAsUInteger32().GetValue());
    }

    bool IsNull() const override { return m_value.IsUndefined(); }
    bool IsNoChange() const override { return m_value.IsNoChange(); }
    void SetNull() override { m_value.SetUndefined(); }
    void SetNoChange() { m_value.SetNoChange(); }

    bool IsEqual(const nxAttributeValue& other, bool) const override
    {
        return m_value.GetValue() == other.GetAsUInteger32().GetValue();
    }
    bool IsLess(const nxAttributeValue& other, bool) const override
    {
        return m_value.GetValue() < other.GetAsUInteger32().GetValue();
    }
    bool IsGreater(const nxAttributeValue& other, bool) const override
    {
        return m_value.GetValue() > other.GetAsUInteger32().GetValue();
    }

    // The long description; empty when undefined or no-change.
    std::string GetAsString() const override { return m_value.GetLongDescription(); }
    nxUInt32ValueWrapper GetAsUInteger32() const override { return m_value.GetValue(); }
    nxInt32ValueWrapper GetAsInteger32() const override { return Convert<nxInt32ValueWrapper>(); }
    nxInt64ValueWrapper GetAsInteger64() const override { return Convert<nxInt64ValueWrapper>(); }
    nxUInt64ValueWrapper GetAsUInteger64() const override { return Convert<nxUInt64ValueWrapper>(); }
    nxDoubleValueWrapper GetAsDoubleValue() const override { return Convert<nxDoubleValueWrapper>(); }

private:
    template <class To> To Convert() const
    {
        return nxAttributeValueConversion::Convert<To>(nxUInt32ValueWrapper(m_value.GetValue()));
    }

    E m_value;
};
