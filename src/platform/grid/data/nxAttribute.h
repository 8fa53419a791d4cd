#pragma once

#include <string>

#include "platform/grid/data/nxExtendedAttributeHighlightBitMask.h"
#include "platform/grid/data/nxGridDataTypes.h"

class nxAttributeValue;

// A typed datum that a grid shows in a cell, known by its attribute id.
class nxAttribute
{
public:
    virtual ~nxAttribute() = default;

    // Attributes are not copied this way: the answer is null.
    virtual nxAttribute* CopyInstance() const { return nullptr; }
    // A new attribute of the same class holding a null value.
    virtual nxAttribute* CreateInstance() const = 0;
    virtual nxAttributeID GetAttributeID() const = 0;
    virtual const nxAttributeValue& GetAttributeValue() const = 0;
    virtual nxAttributeValue& GetAttributeValue() = 0;
    virtual nxAttributeHighlightBitMask GetAttributeHighlight() const { return 0; }
    virtual nxExtendedAttributeHighlightBitMask GetExtendedAttributeHighlight() const { return {}; }
    virtual bool IsEqual(const nxAttribute& other) const = 0;
    virtual bool IsLess(const nxAttribute& other) const = 0;
    virtual bool IsGreater(const nxAttribute& other) const = 0;
    // The value's text, read under the attribute's lock where it has one.
    virtual std::string GetAttributeValueAsString() const { return {}; }
    virtual bool IsFlashSuppressed() const { return false; }
    // 0x7FFFFFFF, the null of a signed 32-bit value: no flash time is pending.
    virtual int32_t GetUnconsumedFlashTimeMilliseconds() const { return 0x7FFFFFFF; }

    // The name of a subscription category, the first part of subscription keys.
    static std::string GetSubscriptionCategoryLongName(nxSubscriptionCategory category);

protected:
    nxAttribute() = default;
    nxAttribute(const nxAttribute&) = default;
    nxAttribute& operator=(const nxAttribute&) = default;
};
