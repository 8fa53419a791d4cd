#pragma once

#include <string>
#include <string_view>

#include "model/nxAttributeValue.h"

class nxXMLElement;

// A value that can serve as a column-filter value and be kept in a saved view.
class nxHotFilterableAttributeValue : public nxAttributeValue
{
public:
    nxHotFilterableAttributeValue* CopyInstance() const override = 0;
    nxHotFilterableAttributeValue* CreateInstance() const override = 0;
    nxHotFilterableAttributeValue* CreateHotFilterableCopy() const override { return CopyInstance(); }

    // The name under which filter values of this kind are kept.
    virtual const char* GetHotFilterableClassName() const = 0;

    // Writes the value as the element's text (empty for null). False when the element is not valid.
    virtual bool SaveHotFilterValueToXML(nxXMLElement& element) const;
    // Reads what SaveHotFilterValueToXML wrote. An empty text gives null; a text that
    // does not read as a value of this class also gives null, and the answer is false.
    virtual bool LoadHotFilterValueFromXML(nxXMLElement& element);

protected:
    nxHotFilterableAttributeValue() = default;
    nxHotFilterableAttributeValue(const nxHotFilterableAttributeValue&) = default;
    nxHotFilterableAttributeValue& operator=(const nxHotFilterableAttributeValue&) = default;

    virtual std::string _GetHotFilterText() const { return GetAsString(); }
    // False, leaving the value alone, when the text is not a value of this class.
    virtual bool _SetFromHotFilterText(std::string_view text) = 0;
};
