#include "model/nxDoubleAttributeValue.h"

#include "model/nxAttributeValueConversion.h"
#include "platform/base/nxStringHelper.h"

bool nxDoubleAttributeValue::IsLess(const nxAttributeValue& other, bool) const
{
    const double theirs = other.GetAsDoubleValue().GetValue();
    return !AreClose(m_value, theirs) && m_value < theirs;
}

bool nxDoubleAttributeValue::IsGreater(const nxAttributeValue& other, bool) const
{
    const double theirs = other.GetAsDoubleValue().GetValue();
    return !AreClose(m_value, theirs) && m_value > theirs;
}

std::string nxDoubleAttributeValue::GetAsString() const
{
    if (IsNull() || IsNoChange())
        return {};
    return nxStringHelper::GetAsString(m_value);
}

nxInt32ValueWrapper nxDoubleAttributeValue::GetAsInteger32() const
{
    return nxAttributeValueConversion::Convert<nxInt32ValueWrapper>(nxDoubleValueWrapper(m_value));
}

nxUInt32ValueWrapper nxDoubleAttributeValue::GetAsUInteger32() const
{
    return nxAttributeValueConversion::Convert<nxUInt32ValueWrapper>(nxDoubleValueWrapper(m_value));
}

nxInt64ValueWrapper nxDoubleAttributeValue::GetAsInteger64() const
{
    return nxAttributeValueConversion::Convert<nxInt64ValueWrapper>(nxDoubleValueWrapper(m_value));
}

nxUInt64ValueWrapper nxDoubleAttributeValue::GetAsUInteger64() const
{
    return nxAttributeValueConversion::Convert<nxUInt64ValueWrapper>(nxDoubleValueWrapper(m_value));
}

bool nxDoubleAttributeValue::_SetFromHotFilterText(std::string_view text)
{
    double value = 0.0;
    if (!nxStringHelper::SetFromString(text, value) || std::isnan(value))
        return false;
    m_value = value;
    return true;
}
