#include "model/nxNanosecondTimeAndSequenceNumberAttributeValue.h"

#include <tuple>

#include "platform/base/nxStringHelper.h"

void nxNanosecondTimeAndSequenceNumberAttributeValue::SetValue(const nxAttributeValue& other)
{
    if (const auto* same = dynamic_cast<const nxNanosecondTimeAndSequenceNumberAttributeValue*>(&other))
    {
        SetValue(same->m_time, same->m_sequence);
        return;
    }
    const nxUInt64ValueWrapper time = other.GetAsUInteger64();
    if (time.IsNull())
        SetNull();
    else if (time.IsNoChange())
        SetNoChange();
    else
        SetValue(time.GetValue(), 0);
}

int nxNanosecondTimeAndSequenceNumberAttributeValue::Compare(const nxAttributeValue& other) const
{
    if (const auto* same = dynamic_cast<const nxNanosecondTimeAndSequenceNumberAttributeValue*>(&other))
    {
        const auto mine = std::tie(m_time, m_sequence);
        const auto theirs = std::tie(same->m_time, same->m_sequence);
        return mine < theirs ? -1 : (theirs < mine ? 1 : 0);
    }
    const int result = GetAsString().compare(other.GetAsString());
    return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

std::string nxNanosecondTimeAndSequenceNumberAttributeValue::GetAsString() const
{
    if (IsNull() || IsNoChange())
        return {};
    return nxStringHelper::GetAsString(m_time) + ":" + nxStringHelper::GetAsString(m_sequence);
}

nxUInt64ValueWrapper nxNanosecondTimeAndSequenceNumberAttributeValue::GetAsUInteger64() const
{
    if (IsNull())
        return nxUInt64ValueWrapper::NullValue;
    if (IsNoChange())
        return nxUInt64ValueWrapper::NoChangeValue;
    return m_time;
}
