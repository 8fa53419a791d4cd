#pragma once

#include "model/nxQuantumParameterFormatSettings.h"
#include "model/nxStringAttributeValue.h"

// A text with display settings for the grid; compares and converts as a plain text.
class nxStringWithQuantumParameterFormatAttributeValue : public nxStringAttributeValue
{
public:
    using nxStringAttributeValue::nxStringAttributeValue;

    nxStringWithQuantumParameterFormatAttributeValue* CopyInstance() const override
    {
        return new nxStringWithQuantumParameterFormatAttributeValue(*this);
    }
    // Null, with the same settings.
    nxStringWithQuantumParameterFormatAttributeValue* CreateInstance() const override
    {
        auto* value = new nxStringWithQuantumParameterFormatAttributeValue();
        value->m_settings = m_settings;
        return value;
    }
    const char* GetClassName() const override { return "nxStringWithQuantumParameterFormatAttributeValue"; }

    const nxQuantumParameterFormatSettings& GetQuantumParameterFormatSettings() const { return m_settings; }
    void SetQuantumParameterFormatSettings(const nxQuantumParameterFormatSettings& settings)
    {
        m_settings = settings;
    }

private:
    nxQuantumParameterFormatSettings m_settings;
};
