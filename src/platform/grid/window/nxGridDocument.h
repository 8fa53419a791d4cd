#pragma once

#include <string>

#include "platform/base/nxErrorEnum.h"
#include "platform/ui/nxCmdTarget.h"

class CMultiDocTemplate;
class nxGridView;
class nxXMLDocument;
class nxXMLElement;

// The document of a grid window: what the window shows and how (its grid layout
// and data interests, through the grid manager's XML), the file it is saved to
// and whether it changed since. It handles Save, Save As and Save As Default.
//
// A file is a "GridDocument" element naming its window type (the document
// string's file type id) around the grid's layout. Every save writes a temporary
// file and renames it over the old one.
class nxGridDocument : public nxCmdTarget
{
public:
    static constexpr const char* RootElementName = "GridDocument";
    static constexpr const char* LayoutElementName = "Grid";

    nxGridDocument();
    ~nxGridDocument() override;
    nxGridDocument(const nxGridDocument&) = delete;
    nxGridDocument& operator=(const nxGridDocument&) = delete;

    CMultiDocTemplate* GetDocTemplate() const { return m_template; }
    void SetDocTemplate(CMultiDocTemplate* docTemplate) { m_template = docTemplate; }
    nxGridView* GetView() const { return m_view; }
    void SetView(nxGridView* view) { m_view = view; }

    const std::string& GetPathName() const { return m_pathName; }
    // The title becomes the file's name; the file joins the recent files.
    void SetPathName(const std::string& path);
    const std::string& GetTitle() const { return m_title; }
    void SetTitle(const std::string& title);

    // Changed since it was opened or last saved: marked so, or its layout differs.
    bool IsModified() const;
    void SetModifiedFlag(bool modified = true);

    // A new window starts from the layout saved as its type's default, if any.
    virtual bool OnNewDocument();
    // The window takes the layout; path is the file it came from (empty for a
    // workspace's window that was never saved).
    virtual bool OnOpenDocument(const std::string& path, nxXMLElement& layout);
    // Called once the view has had its initial update: what it shows now is unchanged.
    void MarkUnchanged();

    // Save: to its file, or asking for one. False when nothing was saved.
    bool DoFileSave();
    bool DoSave(const std::string& path, bool replace = true);
    nxErrorEnum SaveToFile(const std::string& path) const;
    // Asks Save / Discard / Cancel when modified; false to stay open.
    bool SaveModified();
    void OnSaveAsDefault();

    // The grid's layout and interests, into a "GridDocument" element or a bare one.
    nxErrorEnum SaveLayout(nxXMLElement& element) const;
    nxXMLDocument MakeFileDocument() const;

    // Checks that a file's document holds a window of this type; empty when it does.
    static std::string CheckFileDocument(nxXMLDocument& file, const CMultiDocTemplate& docTemplate,
                                         const std::string& path);

private:
    std::string LayoutText() const;
    std::string AskForPathName() const;
    void UpdateFrameTitle() const;

    CMultiDocTemplate* m_template = nullptr;
    nxGridView* m_view = nullptr;
    std::string m_pathName;
    std::string m_title;
    std::string m_savedLayout;
    bool m_modified = false;
};
