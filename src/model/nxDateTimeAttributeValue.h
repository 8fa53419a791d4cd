#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/nxHotFilterableAttributeValue.h"

// A date and time. Null is the date-time's own null; no-change is a flag of its own.
// Against another date-time value it compares as a date-time; against any other
// kind of value the two texts are compared.
class nxDateTimeAttributeValue : public nxHotFilterableAttributeValue
{
public:
    nxDateTimeAttributeValue() = default;
    explicit nxDateTimeAttributeValue(const nxDateTime& value) : m_value(value) {}

    nxDateTimeAttributeValue* CopyInstance() const override { return new nxDateTimeAttributeValue(*this); }
    nxDateTimeAttributeValue* CreateInstance() const override { return new nxDateTimeAttributeValue(); }
    const char* GetClassName() const override { return "nxDateTimeAttributeValue"; }
    const char* GetHotFilterableClassName() const override { return "nxDateTimeAttributeValue"; }

    const nxDateTime& GetValue() const { return m_value; }
    void SetValue(const nxDateTime& value)
    {
        m_value = value;
        m_noChange = 0;
    }
    void SetValue(const nxAttributeValue& other) override;

    bool IsNull() const override { return m_noChange == 0 && m_value.IsNull(); }
    bool IsNoChange() const override { return m_noChange == 1; }
    void SetNull() override { SetValue(nxDateTime::Null()); }
    void SetNoChange() { m_noChange = 1; }

    bool IsEqual(const nxAttributeValue& other, bool) const override;
    bool IsLess(const nxAttributeValue& other, bool) const override;
    bool IsGreater(const nxAttributeValue& other, bool) const override;
    bool IsDateTimeValue() const override { return true; }

    // Empty for null and no-change.
    std::string GetAsString() const override;
    nxDateTime GetAsDateTime() const override { return IsNoChange() ? nxDateTime::Null() : m_value; }
    const char* GetDefaultDateTimeFormat() const override { return "%Y-%m-%d %H:%M:%S"; }

protected:
    // Microseconds since 1970-01-01, which keeps the full precision and reads back exactly.
    std::string _GetHotFilterText() const override;
    bool _SetFromHotFilterText(std::string_view text) override;

private:
    // <0, 0, >0 comparing this value with the other.
    int Compare(const nxAttributeValue& other) const;

    nxDateTime m_value = nxDateTime::Null();
    uint8_t m_noChange = 0;
};
