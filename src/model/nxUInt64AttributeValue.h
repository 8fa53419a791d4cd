#pragma once

#include "model/nxIntegerAttributeValueTemplate.h"

// An unsigned 64-bit number; 0xFFFFFFFFFFFFFFFF is null and 0xFFFFFFFFFFFFFFFE no-change.
class nxUInt64AttributeValue : public nxIntegerAttributeValueTemplate<nxUInt64ValueWrapper, false>
{
public:
    nxUInt64AttributeValue() : nxIntegerAttributeValueTemplate(nxUInt64ValueWrapper::NullValue) {}
    explicit nxUInt64AttributeValue(uint64_t value) : nxIntegerAttributeValueTemplate(value) {}
    explicit nxUInt64AttributeValue(nxUInt64ValueWrapper value)
        : nxIntegerAttributeValueTemplate(value.GetValue())
    {
    }

    nxUInt64AttributeValue* CopyInstance() const override { return new nxUInt64AttributeValue(*this); }
    nxUInt64AttributeValue* CreateInstance() const override { return new nxUInt64AttributeValue(); }
    const char* GetClassName() const override { return "nxUInt64AttributeValue"; }
    const char* GetHotFilterableClassName() const override { return "nxUInt64AttributeValue"; }
};
