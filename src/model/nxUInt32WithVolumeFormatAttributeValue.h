#pragma once

#include "model/nxUInt32AttributeValue.h"
#include "model/nxVolumeFormatParameters.h"

// An unsigned 32-bit volume with display parameters for the grid; compares and converts as its base.
class nxUInt32WithVolumeFormatAttributeValue : public nxUInt32AttributeValue
{
public:
    using nxUInt32AttributeValue::nxUInt32AttributeValue;

    nxUInt32WithVolumeFormatAttributeValue* CopyInstance() const override
    {
        return new nxUInt32WithVolumeFormatAttributeValue(*this);
    }
    // Null, with the same parameters.
    nxUInt32WithVolumeFormatAttributeValue* CreateInstance() const override
    {
        auto* value = new nxUInt32WithVolumeFormatAttributeValue();
        value->m_parameters = m_parameters;
        return value;
    }
    const char* GetClassName() const override { return "nxUInt32WithVolumeFormatAttributeValue"; }

    const nxVolumeFormatParameters& GetVolumeFormatParameters() const { return m_parameters; }
    void SetVolumeFormatParameters(const nxVolumeFormatParameters& parameters) { m_parameters = parameters; }

private:
    nxVolumeFormatParameters m_parameters;
};
