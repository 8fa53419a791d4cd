#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "model/nxHotFilterableAttributeValue.h"

// A text. The empty text is null; a text has no no-change state.
class nxStringAttributeValue : public nxHotFilterableAttributeValue
{
public:
    nxStringAttributeValue() = default;
    explicit nxStringAttributeValue(std::string value) : m_value(std::move(value)) {}
    // A null pointer gives the null (empty) text.
    explicit nxStringAttributeValue(const char* value) : m_value(value ? value : "") {}
    nxStringAttributeValue(const nxStringAttributeValue&) = default;
    nxStringAttributeValue(nxStringAttributeValue&&) noexcept = default;
    nxStringAttributeValue& operator=(const nxStringAttributeValue&) = default;
    nxStringAttributeValue& operator=(nxStringAttributeValue&&) noexcept = default;

    nxStringAttributeValue* CopyInstance() const override { return new nxStringAttributeValue(*this); }
    nxStringAttributeValue* CreateInstance() const override { return new nxStringAttributeValue(); }
    const char* GetClassName() const override { return "nxStringAttributeValue"; }
    const char* GetHotFilterableClassName() const override { return "nxStringAttributeValue"; }

    const std::string& GetValue() const { return m_value; }
    void SetValue(std::string value) { m_value = std::move(value); }
    void SetValue(const nxAttributeValue& other) override;

    bool IsNull() const override { return m_value.empty(); }
    bool IsNoChange() const override { return false; }
    void SetNull() override { m_value.clear(); }

    // Against a value of another kind, its GetAsString text is compared.
    bool IsEqual(const nxAttributeValue& other, bool ignoreCase) const override;
    bool IsLess(const nxAttributeValue& other, bool ignoreCase) const override;
    bool IsGreater(const nxAttributeValue& other, bool ignoreCase) const override;
    bool IsStringValue() const override { return true; }

    // An empty other text is always contained.
    bool Contains(const nxStringAttributeValue& other) const;
    bool Contains_IgnoreCase(const nxStringAttributeValue& other) const;

    std::string GetAsString() const override { return m_value; }
    // Lenient like atoi: the leading number, 0 when there is none (the empty text included).
    nxInt32ValueWrapper GetAsInteger32() const override;
    nxUInt32ValueWrapper GetAsUInteger32() const override;
    nxInt64ValueWrapper GetAsInteger64() const override;
    nxUInt64ValueWrapper GetAsUInteger64() const override;
    nxDoubleValueWrapper GetAsDoubleValue() const override;
    nxDecimal GetAsDecimal() const override;

    // Case-insensitive order in which texts that differ only in case are not
    // equal: at the first differing byte the larger byte comes first, so
    // "abc" < "ABC". Only byte-identical texts answer 0.
    static int _CaseInsensitiveCompare_RetainDifferentCaseEqualValues(std::string_view a, std::string_view b);

protected:
    bool _SetFromHotFilterText(std::string_view text) override;

private:
    // <0, 0, >0 comparing this text with the other's.
    int Compare(const nxAttributeValue& other, bool ignoreCase) const;

    std::string m_value;
};
