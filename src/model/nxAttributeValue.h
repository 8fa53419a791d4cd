#pragma once

#include <string>

#include "platform/base/nxDateTime.h"
#include "platform/base/nxDecimal.h"
#include "platform/base/nxValueWrapper.h"

// A typed datum shown in a grid cell. Besides its ordinary values every value has
// two special states encoded in the value itself: null (no value) and no-change
// (an update that leaves the current value alone).
//
// CopyInstance, CreateInstance and CreateHotFilterableCopy answer new objects that
// the caller owns.
class nxAttributeValue
{
public:
    virtual ~nxAttributeValue() = default;

    virtual nxAttributeValue* CopyInstance() const = 0;
    // A new null value of the same class.
    virtual nxAttributeValue* CreateInstance() const = 0;
    // The value as a column-filter value; plain values answer a copy.
    virtual nxAttributeValue* CreateHotFilterableCopy() const { return CopyInstance(); }
    virtual const char* GetClassName() const = 0;

    virtual bool IsNull() const = 0;
    virtual bool IsNoChange() const = 0;
    virtual void SetNull() = 0;

    // ignoreCase is honoured by string values only.
    virtual bool IsEqual(const nxAttributeValue& other, bool ignoreCase) const = 0;
    virtual bool IsLess(const nxAttributeValue& other, bool ignoreCase) const = 0;
    virtual bool IsGreater(const nxAttributeValue& other, bool ignoreCase) const = 0;

    virtual bool IsStringValue() const { return false; }
    virtual bool IsDateTimeValue() const { return false; }

    virtual std::string GetAsString() const = 0;
    // Values without a numeric reading answer null.
    virtual nxInt32ValueWrapper GetAsInteger32() const { return {}; }
    virtual nxUInt32ValueWrapper GetAsUInteger32() const { return {}; }
    virtual nxInt64ValueWrapper GetAsInteger64() const { return {}; }
    virtual nxUInt64ValueWrapper GetAsUInteger64() const { return {}; }
    virtual nxDoubleValueWrapper GetAsDoubleValue() const { return {}; }
    // The double reading with 4 decimal places.
    virtual nxDecimal GetAsDecimal() const;
    virtual nxDateTime GetAsDateTime() const { return nxDateTime::Null(); }
    // strftime format of date-time values; null for other values.
    virtual const char* GetDefaultDateTimeFormat() const { return nullptr; }
    // Decimal places shown for seconds.
    virtual int GetDefaultTimePrecision() const { return 0; }

    // Takes the other's value through the conversion matching this class.
    virtual void SetValue(const nxAttributeValue& other) = 0;

    bool operator==(const nxAttributeValue& other) const { return IsEqual(other, false); }
    bool operator!=(const nxAttributeValue& other) const { return !IsEqual(other, false); }
    bool operator<(const nxAttributeValue& other) const { return IsLess(other, false); }
    bool operator>(const nxAttributeValue& other) const { return IsGreater(other, false); }

protected:
    nxAttributeValue() = default;
    nxAttributeValue(const nxAttributeValue&) = default;
    nxAttributeValue& operator=(const nxAttributeValue&) = default;
};
