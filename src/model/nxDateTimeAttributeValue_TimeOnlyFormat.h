#pragma once

#include "model/nxDateTimeAttributeValue.h"

// A date-time shown as its time of day only; compares as any date-time.
class nxDateTimeAttributeValue_TimeOnlyFormat : public nxDateTimeAttributeValue
{
public:
    using nxDateTimeAttributeValue::nxDateTimeAttributeValue;

    nxDateTimeAttributeValue_TimeOnlyFormat* CopyInstance() const override
    {
        return new nxDateTimeAttributeValue_TimeOnlyFormat(*this);
    }
    nxDateTimeAttributeValue_TimeOnlyFormat* CreateInstance() const override
    {
        return new nxDateTimeAttributeValue_TimeOnlyFormat();
    }
    const char* GetClassName() const override { return "nxDateTimeAttributeValue_TimeOnlyFormat"; }
    const char* GetDefaultDateTimeFormat() const override { return "%H:%M:%S"; }
};
