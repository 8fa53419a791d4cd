#pragma once

#include "model/nxInt64AttributeValue.h"
#include "model/nxVolumeFormatParameters.h"

// A signed 64-bit volume with display parameters for the grid; compares and converts as its base.
class nxInt64WithVolumeFormatAttributeValue : public nxInt64AttributeValue
{
public:
    using nxInt64AttributeValue::nxInt64AttributeValue;

    nxInt64WithVolumeFormatAttributeValue* CopyInstance() const override
    {
        return new nxInt64WithVolumeFormatAttributeValue(*this);
    }
    // Null, with the same parameters.
    nxInt64WithVolumeFormatAttributeValue* CreateInstance() const override
    {
        auto* value = new nxInt64WithVolumeFormatAttributeValue();
        value->m_parameters = m_parameters;
        return value;
    }
    const char* GetClassName() const override { return "nxInt64WithVolumeFormatAttributeValue"; }

    const nxVolumeFormatParameters& GetVolumeFormatParameters() const { return m_parameters; }
    void SetVolumeFormatParameters(const nxVolumeFormatParameters& parameters) { m_parameters = parameters; }

private:
    nxVolumeFormatParameters m_parameters;
};
