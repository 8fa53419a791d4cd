#pragma once

#include "model/nxDecimalAttributeValue.h"
#include "model/nxPriceFormatParameters.h"

// A price with display parameters for the grid; compares and converts as a plain decimal.
class nxDecimalWithPriceFormatAttributeValue : public nxDecimalAttributeValue
{
public:
    using nxDecimalAttributeValue::nxDecimalAttributeValue;

    nxDecimalWithPriceFormatAttributeValue* CopyInstance() const override
    {
        return new nxDecimalWithPriceFormatAttributeValue(*this);
    }
    // Null, with the same parameters.
    nxDecimalWithPriceFormatAttributeValue* CreateInstance() const override
    {
        auto* value = new nxDecimalWithPriceFormatAttributeValue();
        value->m_parameters = m_parameters;
        return value;
    }
    const char* GetClassName() const override { return "nxDecimalWithPriceFormatAttributeValue"; }

    const nxPriceFormatParameters& GetPriceFormatParameters() const { return m_parameters; }
    void SetPriceFormatParameters(const nxPriceFormatParameters& parameters) { m_parameters = parameters; }

private:
    nxPriceFormatParameters m_parameters;
};
