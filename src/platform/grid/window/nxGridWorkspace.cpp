#include "platform/grid/window/nxGridWorkspace.h"

#include <QStatusBar>
#include <QToolBar>

#include "platform/base/nxStringHelper.h"
#include "platform/grid/window/CMultiDocTemplate.h"
#include "platform/grid/window/nxGridApp.h"
#include "platform/grid/window/nxGridDocument.h"
#include "platform/grid/window/nxGridFrameWnd.h"
#include "platform/xml/nxXMLDocument.h"

namespace
{
constexpr const char* kWindow = "Window";

std::string Flag(bool value)
{
    return value ? "1" : "0";
}

bool ReadInt(const nxXMLElement& element, const char* name, int& value)
{
    return nxStringHelper::SetFromString(element.GetAttribute(name), value);
}
} // namespace

nxXMLDocument nxGridWorkspace::Capture(const std::vector<nxGridFrameWnd*>& frames, const nxGridApp& app)
{
    nxXMLDocument document(RootElementName);
    nxXMLElement root = document.GetRootElement();
    root.SetAttribute("Application", app.GetApplicationName());
    root.SetAttribute("Workspace", app.GetWorkspaceName());
    for (nxGridFrameWnd* frame : frames)
    {
        nxXMLElement window = root.AddChildElement(kWindow);
        CaptureFrame(*frame, window);
    }
    return document;
}

void nxGridWorkspace::CaptureFrame(nxGridFrameWnd& frame, nxXMLElement& element)
{
    nxGridDocument* document = frame.GetActiveDocument();
    const CMultiDocTemplate* docTemplate = document->GetDocTemplate();
    element.SetAttribute("FileType", docTemplate->GetDocStringField(CMultiDocTemplate::regFileTypeId));
    element.SetAttribute("Path", document->GetPathName());
    element.SetAttribute("Modified", Flag(document->IsModified()));
    const QRect place = frame.isMaximized() ? frame.normalGeometry() : frame.geometry();
    element.SetAttribute("X", std::to_string(place.x()));
    element.SetAttribute("Y", std::to_string(place.y()));
    element.SetAttribute("Width", std::to_string(place.width()));
    element.SetAttribute("Height", std::to_string(place.height()));
    element.SetAttribute("Maximized", Flag(frame.isMaximized()));
    element.SetAttribute("ToolBar", Flag(frame.GetToolBar() && !frame.GetToolBar()->isHidden()));
    element.SetAttribute("StatusBar", Flag(!frame.statusBar()->isHidden()));
    nxXMLElement layout = element.AddChildElement(nxGridDocument::LayoutElementName);
    document->SaveLayout(layout);
}

std::string nxGridWorkspace::Read(nxXMLDocument& document, const nxGridApp& app, const std::string& path,
                                  std::vector<Window>& windows)
{
    windows.clear();
    nxXMLElement root = document.GetRootElement();
    if (root.GetName() != RootElementName)
        return "The file '" + path + "' is not a workspace of this program.";
    std::vector<Window> read;
    for (nxXMLElement element = root.GetFirstChildElement(kWindow); element.IsValid();
         element = root.GetNextChildElement(kWindow))
    {
        Window window;
        if (std::string problem = ReadWindow(element, app, window); !problem.empty())
            return "The workspace '" + path + "' cannot be opened: " + problem;
        read.push_back(window);
    }
    if (read.empty())
        return "The workspace '" + path + "' holds no windows.";
    windows = std::move(read);
    return std::string();
}

std::string nxGridWorkspace::ReadWindow(nxXMLElement& element, const nxGridApp& app, Window& window)
{
    const std::string fileType = element.GetAttribute("FileType");
    for (const auto& docTemplate : app.GetDocTemplates())
        if (docTemplate->GetDocStringField(CMultiDocTemplate::regFileTypeId) == fileType)
            window.docTemplate = docTemplate.get();
    if (!window.docTemplate)
        return "it holds a window of type '" + fileType +
               "', which is not among the window types you may open.";
    int x = 0, y = 0, width = 0, height = 0;
    if (!ReadInt(element, "X", x) || !ReadInt(element, "Y", y) || !ReadInt(element, "Width", width) ||
        !ReadInt(element, "Height", height) || width <= 0 || height <= 0)
        return "a window's place or size is missing or not a number.";
    window.geometry = QRect(x, y, width, height);
    window.path = element.GetAttribute("Path");
    window.maximized = element.GetAttribute("Maximized") == "1";
    window.toolBar = element.GetAttribute("ToolBar") != "0";
    window.statusBar = element.GetAttribute("StatusBar") != "0";
    window.modified = element.GetAttribute("Modified") == "1";
    window.layout = element.GetFirstChildElement(nxGridDocument::LayoutElementName);
    if (!window.layout.IsValid())
        return "a window has no grid layout.";
    return std::string();
}

nxGridFrameWnd* nxGridWorkspace::Restore(Window& window)
{
    nxGridFrameWnd* frame = window.docTemplate->OpenDocumentFile(window.path, &window.layout, false);
    if (!frame)
        return nullptr;
    frame->setGeometry(window.geometry);
    if (frame->GetToolBar())
        frame->GetToolBar()->setVisible(window.toolBar);
    frame->statusBar()->setVisible(window.statusBar);
    if (window.modified)
        frame->GetActiveDocument()->SetModifiedFlag(true);
    if (window.maximized)
        frame->showMaximized();
    else
        frame->show();
    return frame;
}
