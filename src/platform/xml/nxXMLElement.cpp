#include "platform/xml/nxXMLElement.h"

#include "platform/xml/nxXMLDocument.h"

namespace
{
// Names that would make the written document unreadable are refused, so a save
// can always be loaded again.
bool IsValidName(const std::string& name)
{
    if (name.empty())
        return false;
    const auto isStart = [](unsigned char c)
    { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || c >= 0x80; };
    if (!isStart(static_cast<unsigned char>(name.front())))
        return false;
    for (const char ch : name)
    {
        const auto c = static_cast<unsigned char>(ch);
        if (!isStart(c) && !(c >= '0' && c <= '9') && c != '-' && c != '.')
            return false;
    }
    return true;
}

// The document stores C strings: a NUL byte would silently end the text there.
bool HoldsNul(const std::string& text)
{
    return text.find('\0') != std::string::npos;
}

// Depth of the node below the document: its root element is at depth 1.
int DepthOf(pugi::xml_node node)
{
    int depth = 0;
    for (; node && node.type() != pugi::node_document; node = node.parent())
        ++depth;
    return depth;
}

pugi::xml_node FindElement(pugi::xml_node from, const std::string& name)
{
    for (pugi::xml_node node = from; node; node = node.next_sibling())
    {
        if (node.type() == pugi::node_element && name == node.name())
            return node;
    }
    return pugi::xml_node();
}
} // namespace

std::string nxXMLElement::GetName() const
{
    return m_node.name();
}

std::string nxXMLElement::GetValue() const
{
    return m_node.text().get();
}

bool nxXMLElement::SetValue(const std::string& value)
{
    if (m_node.type() != pugi::node_element || HoldsNul(value))
        return false;
    // The text goes into a plain text node: a loaded CDATA section would not
    // write a carriage return as a reference.
    if (pugi::xml_node text = m_node.text().data(); text.type() == pugi::node_cdata)
        m_node.remove_child(text);
    return m_node.text().set(value.c_str());
}

nxXMLElement nxXMLElement::AddChildElement(const std::string& name)
{
    // A document node takes one child: its root element.
    const bool canHoldChild =
        m_node.type() == pugi::node_element ||
        (m_node.type() == pugi::node_document &&
         !m_node.find_child([](pugi::xml_node child) { return child.type() == pugi::node_element; }));
    if (!canHoldChild || !IsValidName(name) || DepthOf(m_node) >= nxXMLDocument::MaxDepth)
        return nxXMLElement();
    return nxXMLElement(m_node.append_child(name.c_str()));
}

nxXMLElement nxXMLElement::AddChildValue(const std::string& name, const std::string& value)
{
    if (HoldsNul(value))
        return nxXMLElement();
    nxXMLElement child = AddChildElement(name);
    child.SetValue(value);
    return child;
}

nxXMLElement nxXMLElement::GetFirstChildElement(const std::string& name)
{
    const pugi::xml_node found = FindElement(m_node.first_child(), name);
    if (found)
        m_current = found;
    return nxXMLElement(found);
}

nxXMLElement nxXMLElement::GetNextChildElement(const std::string& name)
{
    const pugi::xml_node found =
        FindElement(m_current ? m_current.next_sibling() : m_node.first_child(), name);
    if (found)
        m_current = found;
    return nxXMLElement(found);
}

std::string nxXMLElement::GetAttribute(const std::string& name) const
{
    return m_node.attribute(name.c_str()).value();
}

bool nxXMLElement::SetAttribute(const std::string& name, const std::string& value)
{
    if (m_node.type() != pugi::node_element || !IsValidName(name) || HoldsNul(value))
        return false;
    pugi::xml_attribute attribute = m_node.attribute(name.c_str());
    if (!attribute)
        attribute = m_node.append_attribute(name.c_str());
    return attribute.set_value(value.c_str());
}
