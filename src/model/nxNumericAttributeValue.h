#pragma once

#include "model/nxHotFilterableAttributeValue.h"

// Root of the number values.
class nxNumericAttributeValue : public nxHotFilterableAttributeValue
{
public:
    nxNumericAttributeValue* CopyInstance() const override = 0;
    nxNumericAttributeValue* CreateInstance() const override = 0;

protected:
    nxNumericAttributeValue() = default;
    nxNumericAttributeValue(const nxNumericAttributeValue&) = default;
    nxNumericAttributeValue& operator=(const nxNumericAttributeValue&) = default;
};
