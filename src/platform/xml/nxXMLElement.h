#pragma once

#include <string>

#include <pugixml.hpp>

// One element of an XML document, with a reading position among its children:
// GetFirstChildElement and GetNextChildElement remember the child they found, and
// GetNextChildElement continues after it. The element refers to a node of a
// document it does not own; copies share the node but not the position.
class nxXMLElement
{
public:
    nxXMLElement() = default; // not valid
    explicit nxXMLElement(pugi::xml_node node) : m_node(node) {}

    bool IsValid() const { return static_cast<bool>(m_node); }
    std::string GetName() const;

    // The element's own text; empty when it has none or is not valid.
    std::string GetValue() const;
    // False, changing nothing, for a text holding a NUL byte, which no document can hold.
    bool SetValue(const std::string& value);

    // Appends a child element and answers it (not valid when this element is not, when
    // the name is not a valid XML name, or when the child would lie deeper than
    // nxXMLDocument::MaxDepth).
    nxXMLElement AddChildElement(const std::string& name);
    // Appends a child element holding a text and answers it; adds nothing and answers
    // an invalid element for a text holding a NUL byte.
    nxXMLElement AddChildValue(const std::string& name, const std::string& value);

    // The first child of that name, which becomes the current child; not valid when there is none.
    nxXMLElement GetFirstChildElement(const std::string& name);
    // The next child of that name after the current child (from the first child when
    // there is no current child); it becomes the current child when found.
    nxXMLElement GetNextChildElement(const std::string& name);
    bool HasCurrentChild() const { return static_cast<bool>(m_current); }
    void ResetReadingPosition() { m_current = pugi::xml_node(); }

    // Attributes, for layout details that are not keys of their own. A value holding
    // a NUL byte is refused.
    std::string GetAttribute(const std::string& name) const;
    bool SetAttribute(const std::string& name, const std::string& value);

    pugi::xml_node GetNode() const { return m_node; }

private:
    pugi::xml_node m_node;
    pugi::xml_node m_current;
};
