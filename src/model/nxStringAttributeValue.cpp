#include "model/nxStringAttributeValue.h"

#include <algorithm>

#include "model/nxAttributeValueConversion.h"
#include "platform/base/nxStringHelper.h"

namespace
{
int CompareTexts(std::string_view a, std::string_view b, bool ignoreCase)
{
    if (ignoreCase)
        return nxStringAttributeValue::_CaseInsensitiveCompare_RetainDifferentCaseEqualValues(a, b);
    const int result = a.compare(b);
    return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

bool TextsEqual(std::string_view a, std::string_view b, bool ignoreCase)
{
    return ignoreCase ? nxStringHelper::CompareIgnoreCase(a, b) == 0 : a == b;
}
} // namespace

int nxStringAttributeValue::_CaseInsensitiveCompare_RetainDifferentCaseEqualValues(std::string_view a,
                                                                                   std::string_view b)
{
    const int result = nxStringHelper::CompareIgnoreCase(a, b);
    if (result != 0)
        return result;
    // Same length here, since the case-insensitive comparison found the texts equal.
    const auto [ita, itb] = std::mismatch(a.begin(), a.end(), b.begin());
    if (ita == a.end())
        return 0;
    return static_cast<unsigned char>(*ita) > static_cast<unsigned char>(*itb) ? -1 : 1;
}

int nxStringAttributeValue::Compare(const nxAttributeValue& other, bool ignoreCase) const
{
    if (other.IsStringValue())
        return CompareTexts(m_value, static_cast<const nxStringAttributeValue&>(other).m_value, ignoreCase);
    return CompareTexts(m_value, other.GetAsString(), ignoreCase);
}

bool nxStringAttributeValue::IsEqual(const nxAttributeValue& other, bool ignoreCase) const
{
    if (other.IsStringValue())
        return TextsEqual(m_value, static_cast<const nxStringAttributeValue&>(other).m_value, ignoreCase);
    return TextsEqual(m_value, other.GetAsString(), ignoreCase);
}

bool nxStringAttributeValue::IsLess(const nxAttributeValue& other, bool ignoreCase) const
{
    return Compare(other, ignoreCase) < 0;
}

bool nxStringAttributeValue::IsGreater(const nxAttributeValue& other, bool ignoreCase) const
{
    return Compare(other, ignoreCase) > 0;
}

bool nxStringAttributeValue::Contains(const nxStringAttributeValue& other) const
{
    return m_value.find(other.m_value) != std::string::npos;
}

bool nxStringAttributeValue::Contains_IgnoreCase(const nxStringAttributeValue& other) const
{
    return nxStringHelper::ToLower(m_value).find(nxStringHelper::ToLower(other.m_value)) != std::string::npos;
}

void nxStringAttributeValue::SetValue(const nxAttributeValue& other)
{
    if (&other == this)
        return;
    if (other.IsStringValue())
        m_value = static_cast<const nxStringAttributeValue&>(other).m_value;
    else
        m_value = other.GetAsString();
}

nxInt32ValueWrapper nxStringAttributeValue::GetAsInteger32() const
{
    const int64_t number = nxAttributeValueConversion::ParseLeadingInteger(m_value);
    return static_cast<int32_t>(std::clamp<int64_t>(number, INT32_MIN, INT32_MAX));
}

nxUInt32ValueWrapper nxStringAttributeValue::GetAsUInteger32() const
{
    return static_cast<uint32_t>(GetAsInteger32().GetValue());
}

nxInt64ValueWrapper nxStringAttributeValue::GetAsInteger64() const
{
    return nxAttributeValueConversion::ParseLeadingInteger(m_value);
}

nxUInt64ValueWrapper nxStringAttributeValue::GetAsUInteger64() const
{
    return static_cast<uint64_t>(nxAttributeValueConversion::ParseLeadingInteger(m_value));
}

nxDoubleValueWrapper nxStringAttributeValue::GetAsDoubleValue() const
{
    return nxAttributeValueConversion::ParseLeadingDouble(m_value);
}

nxDecimal nxStringAttributeValue::GetAsDecimal() const
{
    return nxDecimal::FromString(m_value);
}

bool nxStringAttributeValue::_SetFromHotFilterText(std::string_view text)
{
    m_value.assign(text);
    return true;
}
