#pragma once

#include <functional>
#include <string>

class nxGridDocument;
class nxGridFrameWnd;
class nxGridView;
class nxXMLElement;

// A window type: its resource id (menu, accelerators, toolbar, icon and document
// string share it), its document string and how to make its document, frame and
// view. OpenDocumentFile makes one window of the type.
class CMultiDocTemplate
{
public:
    // The fields of the document string, in its order.
    enum DocStringIndex
    {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName,
    };

    using DocumentFactory = std::function<nxGridDocument*()>;
    using FrameFactory = std::function<nxGridFrameWnd*()>;
    using ViewFactory = std::function<nxGridView*()>;

    CMultiDocTemplate(unsigned resourceId, std::string docString, DocumentFactory document,
                      FrameFactory frame, ViewFactory view);

    // A template of the three classes, each made by its default constructor.
    template <class Document, class Frame, class View>
    static CMultiDocTemplate* Make(unsigned resourceId, std::string docString)
    {
        return new CMultiDocTemplate(
            resourceId, std::move(docString), [] { return new Document(); }, [] { return new Frame(); },
            [] { return new View(); });
    }

    unsigned GetResourceID() const { return m_resourceId; }
    const std::string& GetDocString() const { return m_docString; }
    // False, leaving the text empty, when the field is empty.
    bool GetDocString(std::string& text, DocStringIndex index) const;
    std::string GetDocStringField(DocStringIndex index) const;
    // The title of a new document: the document name (or "Untitled") and a number.
    std::string MakeUntitledTitle();

    // Makes a window of this type: a new document, or one restored from a grid
    // layout (a file's or a workspace's), with the path it is saved to (empty for
    // none), shown unless told otherwise. Null when a part cannot be made; nothing
    // is left behind then.
    nxGridFrameWnd* OpenDocumentFile(const std::string& path, nxXMLElement* layout, bool show = true);

private:
    unsigned m_resourceId;
    std::string m_docString;
    DocumentFactory m_makeDocument;
    FrameFactory m_makeFrame;
    ViewFactory m_makeView;
    int m_untitledCount = 0;
};
