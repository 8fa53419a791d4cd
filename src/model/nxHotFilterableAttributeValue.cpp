#include "model/nxHotFilterableAttributeValue.h"

#include "platform/xml/nxXMLElement.h"

bool nxHotFilterableAttributeValue::SaveHotFilterValueToXML(nxXMLElement& element) const
{
    return element.SetValue(_GetHotFilterText());
}

bool nxHotFilterableAttributeValue::LoadHotFilterValueFromXML(nxXMLElement& element)
{
    const std::string text = element.GetValue();
    if (text.empty())
    {
        SetNull();
        return true;
    }
    if (_SetFromHotFilterText(text))
        return true;
    SetNull();
    return false;
}
