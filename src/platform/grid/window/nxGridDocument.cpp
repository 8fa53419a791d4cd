#include "platform/grid/window/nxGridDocument.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStatusBar>

#include "platform/base/nxLog.h"
#include "platform/base/nxMessageBox.h"
#include "platform/grid/nxGridManager.h"
#include "platform/grid/window/CMultiDocTemplate.h"
#include "platform/grid/window/nxGridApp.h"
#include "platform/grid/window/nxGridFrameWnd.h"
#include "platform/grid/window/nxGridView.h"
#include "platform/ui/nxCommandIds.h"
#include "platform/ui/nxQtMessageBox.h"
#include "platform/xml/nxXMLDocument.h"

namespace
{
constexpr const char* kFileTypeAttribute = "FileType";
constexpr int kStatusMessageMs = 5000;

std::string FileNameOf(const std::string& path)
{
    return QFileInfo(QString::fromStdString(path)).fileName().toStdString();
}
} // namespace

nxGridDocument::nxGridDocument()
{
    MapCommand(nxCommand::FileSave, [this] { DoFileSave(); });
    MapCommand(nxCommand::FileSaveAs, [this] { DoSave(std::string()); });
    MapCommand(nxCommand::SaveAsDefault, [this] { OnSaveAsDefault(); });
}

nxGridDocument::~nxGridDocument() = default;

void nxGridDocument::SetPathName(const std::string& path)
{
    m_pathName = path;
    SetTitle(FileNameOf(path));
    if (nxGridApp* app = nxGridApp::GetInstance())
        app->GetRecentFiles().Add(path);
}

void nxGridDocument::SetTitle(const std::string& title)
{
    m_title = title;
    UpdateFrameTitle();
}

void nxGridDocument::UpdateFrameTitle() const
{
    if (m_view)
        if (nxGridFrameWnd* frame = m_view->GetParentFrame())
            frame->UpdateFrameTitle();
}

bool nxGridDocument::IsModified() const
{
    return m_modified || LayoutText() != m_savedLayout;
}

void nxGridDocument::SetModifiedFlag(bool modified)
{
    m_modified = modified;
    UpdateFrameTitle();
}

void nxGridDocument::MarkUnchanged()
{
    m_savedLayout = LayoutText();
    m_modified = false;
    UpdateFrameTitle();
}

std::string nxGridDocument::LayoutText() const
{
    nxXMLDocument document(LayoutElementName);
    nxXMLElement root = document.GetRootElement();
    SaveLayout(root);
    return document.SaveToString();
}

nxErrorEnum nxGridDocument::SaveLayout(nxXMLElement& element) const
{
    nxGridManager* manager = m_view ? m_view->GetGridManager() : nullptr;
    if (!manager)
        return nxErrorEnum(nxErrorEnum::InvalidArgument, "The window has no grid to save");
    return manager->SaveToXML(element);
}

nxXMLDocument nxGridDocument::MakeFileDocument() const
{
    nxXMLDocument document(RootElementName);
    nxXMLElement root = document.GetRootElement();
    if (m_template)
        root.SetAttribute(kFileTypeAttribute,
                          m_template->GetDocStringField(CMultiDocTemplate::regFileTypeId));
    nxXMLElement layout = root.AddChildElement(LayoutElementName);
    SaveLayout(layout);
    return document;
}

std::string nxGridDocument::CheckFileDocument(nxXMLDocument& file, const CMultiDocTemplate& docTemplate,
                                              const std::string& path)
{
    nxXMLElement root = file.GetRootElement();
    if (!root.IsValid() || root.GetName() != RootElementName)
        return "The file '" + path + "' is not a window document of this program.";
    const std::string fileType = root.GetAttribute(kFileTypeAttribute);
    const std::string expected = docTemplate.GetDocStringField(CMultiDocTemplate::regFileTypeId);
    if (fileType != expected)
        return "The file '" + path + "' holds a window of type '" + fileType + "', not the '" +
               docTemplate.GetDocStringField(CMultiDocTemplate::windowTitle) + "' window its name promises.";
    if (!root.GetFirstChildElement(LayoutElementName).IsValid())
        return "The file '" + path + "' holds no grid layout.";
    return std::string();
}

bool nxGridDocument::OnNewDocument()
{
    nxGridApp* app = nxGridApp::GetInstance();
    if (!app || !m_template || !m_view)
        return m_view != nullptr;
    const std::string path = app->GetDefaultLayoutPath(*m_template);
    if (!QFileInfo::exists(QString::fromStdString(path)))
        return true;
    nxXMLDocument file;
    nxErrorEnum loaded = file.LoadFromFile(path);
    std::string problem =
        loaded.IsOK() ? CheckFileDocument(file, *m_template, path) : loaded.GetLongDescription();
    if (!problem.empty())
    {
        // A damaged default costs the operator nothing: the window starts plain.
        nxLog(nxLogLevelEnum(nxLogLevel::Warning), "nxGridDocument") << "Default layout ignored: " << problem;
        return true;
    }
    nxXMLElement layout = file.GetRootElement().GetFirstChildElement(LayoutElementName);
    m_view->GetGridManager()->LoadFromXML(layout);
    return true;
}

bool nxGridDocument::OnOpenDocument(const std::string& path, nxXMLElement& layout)
{
    if (!m_view || !m_view->GetGridManager())
        return false;
    m_view->GetGridManager()->LoadFromXML(layout);
    if (!path.empty())
        SetPathName(path);
    return true;
}

nxErrorEnum nxGridDocument::SaveToFile(const std::string& path) const
{
    return MakeFileDocument().SaveToFile(path);
}

bool nxGridDocument::DoFileSave()
{
    return DoSave(m_pathName);
}

bool nxGridDocument::DoSave(const std::string& path, bool replace)
{
    const std::string target = path.empty() ? AskForPathName() : path;
    if (target.empty())
        return false;
    const nxErrorEnum saved = SaveToFile(target);
    if (!saved.IsOK())
    {
        nxMessageBox(nxWindowRefOf(m_view ? m_view->window() : nullptr),
                     "The window could not be saved.\n\n" + saved.GetLongDescription(), "Save",
                     MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (replace)
    {
        SetPathName(target);
        MarkUnchanged();
    }
    return true;
}

std::string nxGridDocument::AskForPathName() const
{
    std::string extension, filterName;
    if (m_template)
    {
        m_template->GetDocString(extension, CMultiDocTemplate::filterExt);
        m_template->GetDocString(filterName, CMultiDocTemplate::filterName);
    }
    const QString suggested = QString::fromStdString(m_pathName.empty() ? m_title + extension : m_pathName);
    const QString filter = QString::fromStdString(filterName + " (*" + extension + ")");
    QString chosen = QFileDialog::getSaveFileName(m_view ? m_view->window() : nullptr, QObject::tr("Save As"),
                                                  suggested, filter);
    if (chosen.isEmpty())
        return std::string();
    if (!extension.empty() && !chosen.endsWith(QString::fromStdString(extension), Qt::CaseInsensitive))
        chosen += QString::fromStdString(extension);
    return chosen.toStdString();
}

bool nxGridDocument::SaveModified()
{
    if (!IsModified())
        return true;
    const int answer =
        nxMessageBox(nxWindowRefOf(m_view ? m_view->window() : nullptr), "Save changes to " + m_title + "?",
                     std::string(), MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDYES)
        return DoFileSave();
    return answer == IDNO;
}

void nxGridDocument::OnSaveAsDefault()
{
    nxGridApp* app = nxGridApp::GetInstance();
    if (!app || !m_template)
        return;
    const nxErrorEnum saved = MakeFileDocument().SaveToFile(app->GetDefaultLayoutPath(*m_template));
    QWidget* window = m_view ? m_view->window() : nullptr;
    if (!saved.IsOK())
    {
        nxMessageBox(nxWindowRefOf(window),
                     "The default layout could not be saved.\n\n" + saved.GetLongDescription(),
                     "Save As Default", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (auto* frame = qobject_cast<nxGridFrameWnd*>(window))
        frame->statusBar()->showMessage(
            QObject::tr("New %1 windows will start with this layout")
                .arg(QString::fromStdString(m_template->GetDocStringField(CMultiDocTemplate::windowTitle))),
            kStatusMessageMs);
}
