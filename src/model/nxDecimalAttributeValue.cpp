#include "model/nxDecimalAttributeValue.h"

#include "model/nxAttributeValueConversion.h"

void nxDecimalAttributeValue::SetValue(const nxDecimal& value)
{
    m_value = value;
    m_status = StatusOf(value);
}

void nxDecimalAttributeValue::SetValue(const nxAttributeValue& other)
{
    if (other.IsNoChange())
        SetNoChange();
    else
        SetValue(other.GetAsDecimal());
}

void nxDecimalAttributeValue::SetNull()
{
    m_value.SetNull();
    m_status.SetValue(nxValueStatus::Null);
}

void nxDecimalAttributeValue::SetNoChange()
{
    m_value.SetNull();
    m_status.SetValue(nxValueStatus::NoChange);
}

std::string nxDecimalAttributeValue::GetAsString() const
{
    return IsNoChange() ? std::string() : m_value.GetAsString();
}

nxDoubleValueWrapper nxDecimalAttributeValue::GetAsDoubleValue() const
{
    if (IsNoChange())
        return nxDoubleValueWrapper::NoChangeValue;
    if (m_value.IsNull())
        return nxDoubleValueWrapper::NullValue;
    return m_value.GetAsDouble();
}

nxInt32ValueWrapper nxDecimalAttributeValue::GetAsInteger32() const
{
    return nxAttributeValueConversion::Convert<nxInt32ValueWrapper>(GetAsDoubleValue());
}

nxUInt32ValueWrapper nxDecimalAttributeValue::GetAsUInteger32() const
{
    return nxAttributeValueConversion::Convert<nxUInt32ValueWrapper>(GetAsDoubleValue());
}

nxInt64ValueWrapper nxDecimalAttributeValue::GetAsInteger64() const
{
    return nxAttributeValueConversion::Convert<nxInt64ValueWrapper>(GetAsDoubleValue());
}

nxUInt64ValueWrapper nxDecimalAttributeValue::GetAsUInteger64() const
{
    return nxAttributeValueConversion::Convert<nxUInt64ValueWrapper>(GetAsDoubleValue());
}

bool nxDecimalAttributeValue::_SetFromHotFilterText(std::string_view text)
{
    size_t pos = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
    bool digits = false;
    bool point = false;
    for (; pos < text.size(); ++pos)
    {
        if (text[pos] == '.' && !point)
            point = true;
        else if (text[pos] >= '0' && text[pos] <= '9')
            digits = true;
        else
            return false;
    }
    if (!digits)
        return false;
    SetValue(nxDecimal::FromString(text));
    return true;
}
