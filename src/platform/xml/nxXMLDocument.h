#pragma once

#include <functional>
#include <memory>
#include <string>

#include <pugixml.hpp>

#include "platform/base/nxErrorEnum.h"
#include "platform/xml/nxXMLElement.h"

// An XML document in memory, read from and written to documents and workspaces.
// Errors carry a text for the operator that names the file and the reason.
class nxXMLDocument
{
public:
    // Deeper than any document the console writes; deeper ones are refused.
    static constexpr int MaxDepth = 64;

    // A document without a root element.
    nxXMLDocument();
    // A document holding only an empty root element; no root when the name is not valid.
    explicit nxXMLDocument(const std::string& rootName);
    ~nxXMLDocument();
    // A moved-from document is empty: it has no root and saves as empty text.
    nxXMLDocument(nxXMLDocument&&) noexcept;
    nxXMLDocument& operator=(nxXMLDocument&&) noexcept;

    // A failed load leaves the document as it was. A successful one replaces it, and
    // elements taken from the old contents must no longer be used.
    nxErrorEnum LoadFromFile(const std::string& path);
    nxErrorEnum LoadFromString(const std::string& text);

    std::string SaveToString() const;
    // Writes a temporary file beside the target and renames it over the target, so
    // the file holds either the old or the new document, never part of one.
    nxErrorEnum SaveToFile(const std::string& path) const;

    // Fault injection for tests: called once the temporary file is written, before
    // it is renamed; answering false stops the save there, as a crash would, and
    // leaves the temporary file behind. An empty function removes it.
    using SaveInterruption = std::function<bool(const std::string& temporaryPath)>;
    static void SetSaveInterruption(SaveInterruption interruption);

    // Not valid when the document has no root element.
    nxXMLElement GetRootElement();

private:
    nxErrorEnum Load(const std::string& text, const std::string& source);

    std::unique_ptr<pugi::xml_document> m_document;
};
