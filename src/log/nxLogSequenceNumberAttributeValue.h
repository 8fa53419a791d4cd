#pragma once

#include <cstdint>
#include <typeinfo>

#include "model/nxInt32AttributeValue.h"

// A log row's sequence number (attribute 10001) together with the row's place in
// the order of filing, which a 64-bit count gives and which never wraps. The
// number counts down, so the newest row has the smallest, until the 32-bit count
// wraps and starts again from the top; two such values therefore order by
// filing, the newer first, which is what the number's own order says before the
// wrap and stays right after it. A grid sorting 10001 ascending through these
// values (as copies of them keep their place too) shows the newest row first.
// Against a plain number, or a value without a place, it orders as a number.
class nxLogSequenceNumberAttributeValue : public nxInt32AttributeValue
{
public:
    nxLogSequenceNumberAttributeValue() = default;
    // filingPlace 0: no place, ordered by the number alone.
    nxLogSequenceNumberAttributeValue(int32_t sequenceNumber, uint64_t filingPlace)
        : nxInt32AttributeValue(sequenceNumber), m_filingPlace(filingPlace)
    {
    }

    nxLogSequenceNumberAttributeValue* CopyInstance() const override
    {
        return new nxLogSequenceNumberAttributeValue(*this);
    }
    nxLogSequenceNumberAttributeValue* CreateInstance() const override
    {
        return new nxLogSequenceNumberAttributeValue();
    }

    uint64_t GetFilingPlace() const { return m_filingPlace; }

    bool IsEqual(const nxAttributeValue& other, bool ignoreCase) const override
    {
        const uint64_t otherPlace = PlaceOf(other);
        return nxInt32AttributeValue::IsEqual(other, ignoreCase) &&
               (m_filingPlace == 0 || otherPlace == 0 || m_filingPlace == otherPlace);
    }
    bool IsLess(const nxAttributeValue& other, bool ignoreCase) const override
    {
        const uint64_t otherPlace = PlaceOf(other);
        if (m_filingPlace == 0 || otherPlace == 0)
            return nxInt32AttributeValue::IsLess(other, ignoreCase);
        return m_filingPlace > otherPlace;
    }
    bool IsGreater(const nxAttributeValue& other, bool ignoreCase) const override
    {
        const uint64_t otherPlace = PlaceOf(other);
        if (m_filingPlace == 0 || otherPlace == 0)
            return nxInt32AttributeValue::IsGreater(other, ignoreCase);
        return m_filingPlace < otherPlace;
    }

private:
    static uint64_t PlaceOf(const nxAttributeValue& other)
    {
        // Sorting compares often; the exact class is cheaper to ask than a cast.
        return typeid(other) == typeid(nxLogSequenceNumberAttributeValue)
                   ? static_cast<const nxLogSequenceNumberAttributeValue&>(other).m_filingPlace
                   : 0;
    }

    uint64_t m_filingPlace = 0;
};
