#pragma once

#include "model/nxDateTimeAttributeValue.h"

// A date-time shown as its date only; compares as any date-time.
class nxDateTimeAttributeValue_DateOnlyFormat : public nxDateTimeAttributeValue
{
public:
    using nxDateTimeAttributeValue::nxDateTimeAttributeValue;

    nxDateTimeAttributeValue_DateOnlyFormat* CopyInstance() const override
    {
        return new nxDateTimeAttributeValue_DateOnlyFormat(*this);
    }
    nxDateTimeAttributeValue_DateOnlyFormat* CreateInstance() const override
    {
        return new nxDateTimeAttributeValue_DateOnlyFormat();
    }
    const char* GetClassName() const override { return "nxDateTimeAttributeValue_DateOnlyFormat"; }
    const char* GetDefaultDateTimeFormat() const override { return "%d %b %Y"; }
};
