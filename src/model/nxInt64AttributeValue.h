#pragma once

#include "model/nxIntegerAttributeValueTemplate.h"

// A signed 64-bit number; 0x7FFFFFFFFFFFFFFF is null and 0x7FFFFFFFFFFFFFFE no-change.
class nxInt64AttributeValue : public nxIntegerAttributeValueTemplate<nxInt64ValueWrapper, false>
{
public:
    nxInt64AttributeValue() : nxIntegerAttributeValueTemplate(nxInt64ValueWrapper::NullValue) {}
    explicit nxInt64AttributeValue(int64_t value) : nxIntegerAttributeValueTemplate(value) {}
    explicit nxInt64AttributeValue(nxInt64ValueWrapper value)
        : nxIntegerAttributeValueTemplate(value.GetValue())
    {
    }

    nxInt64AttributeValue* CopyInstance() const override { return new nxInt64AttributeValue(*this); }
    nxInt64AttributeValue* CreateInstance() const override { return new nxInt64AttributeValue(); }
    const char* GetClassName() const override { return "nxInt64AttributeValue"; }
    const char* GetHotFilterableClassName() const override { return "nxInt64AttributeValue"; }
};
