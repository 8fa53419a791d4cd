#pragma once

#include "model/nxIntegerAttributeValueTemplate.h"

// An unsigned 32-bit number; 0xFFFFFFFF is null and 0xFFFFFFFE no-change. Both order
// before every ordinary number, so an empty cell sorts first.
class nxUInt32AttributeValue : public nxIntegerAttributeValueTemplate<nxUInt32ValueWrapper, true>
{
public:
    nxUInt32AttributeValue() : nxIntegerAttributeValueTemplate(nxUInt32ValueWrapper::NullValue) {}
    explicit nxUInt32AttributeValue(uint32_t value) : nxIntegerAttributeValueTemplate(value) {}
    explicit nxUInt32AttributeValue(nxUInt32ValueWrapper value)
        : nxIntegerAttributeValueTemplate(value.GetValue())
    {
    }

    nxUInt32AttributeValue* CopyInstance() const override { return new nxUInt32AttributeValue(*this); }
    nxUInt32AttributeValue* CreateInstance() const override { return new nxUInt32AttributeValue(); }
    const char* GetClassName() const override { return "nxUInt32AttributeValue"; }
    const char* GetHotFilterableClassName() const override { return "nxUInt32AttributeValue"; }
};
