#pragma once

#include "model/nxIntegerAttributeValueTemplate.h"

// A signed 32-bit number; 0x7FFFFFFF is null and 0x7FFFFFFE no-change.
class nxInt32AttributeValue : public nxIntegerAttributeValueTemplate<nxInt32ValueWrapper, false>
{
public:
    nxInt32AttributeValue() : nxIntegerAttributeValueTemplate(nxInt32ValueWrapper::NullValue) {}
    explicit nxInt32AttributeValue(int32_t value) : nxIntegerAttributeValueTemplate(value) {}
    explicit nxInt32AttributeValue(nxInt32ValueWrapper value)
        : nxIntegerAttributeValueTemplate(value.GetValue())
    {
    }

    nxInt32AttributeValue* CopyInstance() const override { return new nxInt32AttributeValue(*this); }
    nxInt32AttributeValue* CreateInstance() const override { return new nxInt32AttributeValue(); }
    const char* GetClassName() const override { return "nxInt32AttributeValue"; }
    const char* GetHotFilterableClassName() const override { return "nxInt32AttributeValue"; }
};
