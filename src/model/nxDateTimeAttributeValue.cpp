#include "model/nxDateTimeAttributeValue.h"

#include "platform/base/nxStringHelper.h"

void nxDateTimeAttributeValue::SetValue(const nxAttributeValue& other)
{
    if (other.IsDateTimeValue())
    {
        const auto& dateTime = static_cast<const nxDateTimeAttributeValue&>(other);
        m_value = dateTime.m_value;
        m_noChange = dateTime.m_noChange;
    }
    else
        SetValue(other.GetAsDateTime());
}

int nxDateTimeAttributeValue::Compare(const nxAttributeValue& other) const
{
    if (other.IsDateTimeValue())
    {
        const nxDateTime& theirs = static_cast<const nxDateTimeAttributeValue&>(other).m_value;
        return m_value < theirs ? -1 : (theirs < m_value ? 1 : 0);
    }
    const int result = GetAsString().compare(other.GetAsString());
    return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

bool nxDateTimeAttributeValue::IsEqual(const nxAttributeValue& other, bool) const
{
    return Compare(other) == 0;
}
bool nxDateTimeAttributeValue::IsLess(const nxAttributeValue& other, bool) const
{
    return Compare(other) < 0;
}
bool nxDateTimeAttributeValue::IsGreater(const nxAttributeValue& other, bool) const
{
    return Compare(other) > 0;
}

std::string nxDateTimeAttributeValue::GetAsString() const
{
    return IsNoChange() ? std::string() : m_value.Format(GetDefaultDateTimeFormat());
}

std::string nxDateTimeAttributeValue::_GetHotFilterText() const
{
    if (IsNull() || IsNoChange())
        return {};
    return nxStringHelper::GetAsString(m_value.GetMicroseconds());
}

bool nxDateTimeAttributeValue::_SetFromHotFilterText(std::string_view text)
{
    int64_t microseconds = 0;
    if (!nxStringHelper::SetFromString(text, microseconds))
        return false;
    SetValue(nxDateTime::FromMicroseconds(microseconds));
    return true;
}
