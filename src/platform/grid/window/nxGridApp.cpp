#include "platform/grid/window/nxGridApp.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <atomic>

#include "platform/base/nxLog.h"
#include "platform/base/nxMessageBox.h"
#include "platform/grid/data/nxGridDataManager.h"
#include "platform/grid/window/CMultiDocTemplate.h"
#include "platform/grid/window/CNewTypeDlg.h"
#include "platform/grid/window/CSaveWorkspaceDlg.h"
#include "platform/grid/window/nxGridDocument.h"
#include "platform/grid/window/nxGridFrameWnd.h"
#include "platform/grid/window/nxGridWorkspace.h"
#include "platform/grid/window/nxInputInactivityMonitor.h"
#include "platform/ui/nxCommandAction.h"
#include "platform/ui/nxCommandIds.h"
#include "platform/ui/nxQtMessageBox.h"
#include "platform/ui/nxResourceTable.h"
#include "platform/ui/nxStringTable.h"
#include "platform/xml/nxXMLDocument.h"

namespace
{
std::atomic<nxGridApp*> g_instance{nullptr};
constexpr int kStatusMessageMs = 5000;

std::string Lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool SameFile(const std::string& first, const std::string& second)
{
    const QFileInfo a(QString::fromStdString(first)), b(QString::fromStdString(second));
    return a.absoluteFilePath() == b.absoluteFilePath();
}
} // namespace

nxGridApp::nxGridApp()
{
    g_instance.store(this, std::memory_order_release);
    MapApplicationCommands();
}

nxGridApp::~nxGridApp()
{
    if (m_dataManager)
        ExitInstance();
    nxGridApp* self = this;
    g_instance.compare_exchange_strong(self, nullptr, std::memory_order_acq_rel);
}

nxGridApp* nxGridApp::GetInstance()
{
    return g_instance.load(std::memory_order_acquire);
}

void nxGridApp::MapApplicationCommands()
{
    using namespace nxCommand;
    MapCommandRange(OpenWorkspaceFirst, OpenWorkspaceLast,
                    [this](unsigned id) { OpenWorkspace(static_cast<int>(id - OpenWorkspaceFirst) + 1); });
    MapUpdateCommandUIRange(OpenWorkspaceFirst, OpenWorkspaceLast,
                            [this](CCmdUI& ui)
                            {
                                const int number = static_cast<int>(ui.m_nID - OpenWorkspaceFirst) + 1;
                                ui.Enable(
                                    QFileInfo::exists(QString::fromStdString(GetWorkspacePath(number))));
                            });
    MapCommand(nxCommand::SaveWorkspace, [this] { OnSaveWorkspace(); });
    MapCommand(ExitAll, [this] { OnExitAll(); });
    MapCommandRange(FileMruFirst, FileMruLast,
                    [this](unsigned id)
                    {
                        const std::vector<std::string>& files = m_recentFiles.GetFiles();
                        if (id - FileMruFirst < files.size())
                            OpenDocumentFile(std::string(files[id - FileMruFirst]));
                    });
    MapUpdateCommandUIRange(FileMruFirst, FileMruLast,
                            [this](CCmdUI& ui)
                            { ui.Enable(ui.m_nID - FileMruFirst < m_recentFiles.GetFiles().size()); });
}

int nxGridApp::InitInstance()
{
    if (nxStringTable::Has(nxStringTable::AppTitleId))
        nxSetApplicationTitle(nxStringTable::Get(nxStringTable::AppTitleId));
    const nxErrorEnum permitted = CheckIfUserPermissionedToStartApplication();
    if (!permitted.IsOK())
    {
        ShowError(_GetStartRefusedText(permitted), std::string());
        return 0;
    }
    if (!_CreateDocumentTemplates() || m_templates.empty())
    {
        ShowError("The program could not prepare its windows and has to stop.", std::string());
        return 0;
    }
    if (!CreateDataManager())
    {
        ShowError("The program could not create its data store and has to stop.", std::string());
        return 0;
    }
    m_recentFiles.SetStorePath(ConfigFolder() + "/" + GetApplicationName() + "_RecentFiles.xml");
    m_inactivity = std::make_unique<nxInputInactivityMonitor>([this] { return GetFrames(); });
    return OpenFirstWindow() ? 1 : 0;
}

bool nxGridApp::CreateDataManager()
{
    m_dataManager.reset(_CreateDataManager());
    return m_dataManager && m_dataManager->Create();
}

bool nxGridApp::OpenFirstWindow()
{
    if (!m_startupDocument.empty() && OpenDocumentFile(m_startupDocument))
        return true;
    if (m_startupWorkspace > 0 && OpenWorkspace(m_startupWorkspace))
        return true;
    CMultiDocTemplate* first = m_defaultTemplate ? m_defaultTemplate : m_templates.front().get();
    return OpenNewWindow(*first) != nullptr;
}

int nxGridApp::ExitInstance()
{
    m_inactivity.reset();
    // Every view lets go of its interests before the data they show goes.
    for (const QPointer<nxGridFrameWnd>& frame : std::vector<QPointer<nxGridFrameWnd>>(m_frames))
        delete frame.data();
    m_frames.clear();
    if (m_dataManager)
    {
        m_dataManager->Destroy();
        m_dataManager.reset();
    }
    return 0;
}

int nxGridApp::Run()
{
    QApplication::setQuitOnLastWindowClosed(false);
    if (!InitInstance())
    {
        ExitInstance();
        return 1;
    }
    m_running = true;
    const int status = QApplication::exec();
    m_running = false;
    ExitInstance();
    return status;
}

std::string nxGridApp::GetAboutBoxVersionText() const
{
    return nxGetApplicationTitle() + " Version " + QCoreApplication::applicationVersion().toStdString();
}

std::string nxGridApp::_GetStartRefusedText(const nxErrorEnum& error) const
{
    return "You may not start " + nxGetApplicationTitle() + ".\n\n" + error.GetLongDescription();
}

void nxGridApp::ShowError(const std::string& text, const std::string& caption) const
{
    nxMessageBox(nxWindowRefOf(GetMainWnd()), text, caption, MB_OK | MB_ICONEXCLAMATION);
}

void nxGridApp::AddDocTemplate(CMultiDocTemplate* docTemplate)
{
    if (docTemplate)
        m_templates.emplace_back(docTemplate);
}

CMultiDocTemplate* nxGridApp::FindTemplateForFile(const std::string& path) const
{
    const std::string lowered = Lowered(path);
    for (const auto& docTemplate : m_templates)
    {
        const std::string extension = Lowered(docTemplate->GetDocStringField(CMultiDocTemplate::filterExt));
        if (!extension.empty() && lowered.size() > extension.size() &&
            lowered.compare(lowered.size() - extension.size(), extension.size(), extension) == 0)
            return docTemplate.get();
    }
    return nullptr;
}

std::vector<nxGridFrameWnd*> nxGridApp::GetFrames() const
{
    std::vector<nxGridFrameWnd*> frames;
    for (const QPointer<nxGridFrameWnd>& frame : m_frames)
        if (frame && !frame->IsClosing())
            frames.push_back(frame.data());
    return frames;
}

nxGridFrameWnd* nxGridApp::GetMainWnd() const
{
    const std::vector<nxGridFrameWnd*> frames = GetFrames();
    return frames.empty() ? nullptr : frames.front();
}

void nxGridApp::OnFrameCreated(nxGridFrameWnd* frame)
{
    m_frames.emplace_back(frame);
}

void nxGridApp::OnFrameClosed(nxGridFrameWnd*)
{
    if (m_running && !m_replacingWindows && GetFrames().empty())
        QCoreApplication::exit(0);
}

void nxGridApp::OnFrameDestroyed(nxGridFrameWnd* frame)
{
    std::erase_if(m_frames, [frame](const QPointer<nxGridFrameWnd>& known)
                  { return known.isNull() || known.data() == frame; });
}

void nxGridApp::OnFileNew()
{
    if (CMultiDocTemplate* chosen = ChooseTemplate())
        OpenNewWindow(*chosen);
}

CMultiDocTemplate* nxGridApp::ChooseTemplate()
{
    if (m_templates.size() == 1)
        return m_templates.front().get();
    std::vector<std::string> names;
    int initial = 0;
    for (const auto& docTemplate : m_templates)
    {
        if (docTemplate.get() == m_defaultTemplate)
            initial = static_cast<int>(names.size());
        names.push_back(docTemplate->GetDocStringField(CMultiDocTemplate::fileNewName));
    }
    CNewTypeDlg dialog(names, initial, GetMainWnd());
    if (dialog.DoModal() != IDOK)
        return nullptr;
    return m_templates[static_cast<size_t>(dialog.GetSelection())].get();
}

nxGridFrameWnd* nxGridApp::OpenNewWindow(CMultiDocTemplate& docTemplate)
{
    nxGridFrameWnd* frame = docTemplate.OpenDocumentFile(std::string(), nullptr);
    if (!frame)
        ShowError("The new window could not be made.", "New");
    return frame;
}

void nxGridApp::OnFileOpen()
{
    QStringList patterns, filters;
    for (const auto& docTemplate : m_templates)
    {
        const QString pattern =
            "*" + QString::fromStdString(docTemplate->GetDocStringField(CMultiDocTemplate::filterExt));
        patterns << pattern;
        filters << QString::fromStdString(docTemplate->GetDocStringField(CMultiDocTemplate::filterName)) +
                       " (" + pattern + ")";
    }
    filters.prepend(QObject::tr("Window documents (%1)").arg(patterns.join(' ')));
    const QString chosen =
        QFileDialog::getOpenFileName(GetMainWnd(), QObject::tr("Open"), QString(), filters.join(";;"));
    if (!chosen.isEmpty())
        OpenDocumentFile(chosen.toStdString());
}

nxGridFrameWnd* nxGridApp::OpenDocumentFile(const std::string& path)
{
    for (nxGridFrameWnd* frame : GetFrames())
        if (!frame->GetActiveDocument()->GetPathName().empty() &&
            SameFile(frame->GetActiveDocument()->GetPathName(), path))
        {
            frame->activateWindow();
            frame->raise();
            return frame;
        }
    CMultiDocTemplate* docTemplate = FindTemplateForFile(path);
    if (!docTemplate)
    {
        std::string allowed;
        for (const auto& known : m_templates)
            allowed +=
                (allowed.empty() ? "" : ", ") + known->GetDocStringField(CMultiDocTemplate::windowTitle);
        ShowError("Cannot open '" + path + "'.\n\nIt is not a document of a window type you may open (" +
                      allowed + ").",
                  "Open");
        return nullptr;
    }
    nxXMLDocument file;
    const nxErrorEnum loaded = file.LoadFromFile(path);
    const std::string problem = loaded.IsOK() ? nxGridDocument::CheckFileDocument(file, *docTemplate, path)
                                              : loaded.GetLongDescription();
    if (!problem.empty())
    {
        ShowError("Cannot open '" + path + "'.\n\n" + problem, "Open");
        return nullptr;
    }
    nxXMLElement layout = file.GetRootElement().GetFirstChildElement(nxGridDocument::LayoutElementName);
    nxGridFrameWnd* frame = docTemplate->OpenDocumentFile(path, &layout);
    if (!frame)
        ShowError("Cannot open '" + path + "': its window could not be made.", "Open");
    return frame;
}

QPrinter& nxGridApp::GetPrinter()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>();
    return *m_printer;
}

void nxGridApp::OnFilePrintSetup()
{
    QPageSetupDialog dialog(&GetPrinter(), GetMainWnd());
    dialog.exec();
}

std::string nxGridApp::ConfigFolder() const
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(folder);
    return folder.toStdString();
}

std::string nxGridApp::GetWorkspacePath(int number) const
{
    return ConfigFolder() + "/" + GetApplicationName() + "_" + GetWorkspaceName() + std::to_string(number) +
           ".xml";
}

std::string nxGridApp::GetDefaultLayoutPath(const CMultiDocTemplate& docTemplate) const
{
    return ConfigFolder() + "/" + GetApplicationName() + "_Default_" +
           docTemplate.GetDocStringField(CMultiDocTemplate::regFileTypeId) + ".xml";
}

bool nxGridApp::SaveWorkspace(int number)
{
    const std::string path = GetWorkspacePath(number);
    const nxErrorEnum saved = nxGridWorkspace::Capture(GetFrames(), *this).SaveToFile(path);
    if (!saved.IsOK())
    {
        ShowError("The workspace could not be saved.\n\n" + saved.GetLongDescription(), "Save Workspace");
        return false;
    }
    m_currentWorkspace = number;
    if (nxGridFrameWnd* main = GetMainWnd())
        main->statusBar()->showMessage(QObject::tr("Saved as Workspace %1").arg(number), kStatusMessageMs);
    return true;
}

void nxGridApp::OnSaveWorkspace()
{
    std::vector<bool> saved;
    for (int number = 1; number <= WorkspaceCount; ++number)
        saved.push_back(QFileInfo::exists(QString::fromStdString(GetWorkspacePath(number))));
    CSaveWorkspaceDlg dialog(saved, m_currentWorkspace, GetMainWnd());
    if (dialog.DoModal() == IDOK)
        SaveWorkspace(dialog.GetWorkspace());
}

bool nxGridApp::OpenWorkspace(int number)
{
    const std::string path = GetWorkspacePath(number);
    if (!QFileInfo::exists(QString::fromStdString(path)))
    {
        ShowError("Workspace " + std::to_string(number) + " has not been saved yet.", "Open Workspace");
        return false;
    }
    nxXMLDocument file;
    const nxErrorEnum loaded = file.LoadFromFile(path);
    std::vector<nxGridWorkspace::Window> windows;
    const std::string problem =
        loaded.IsOK() ? nxGridWorkspace::Read(file, *this, path, windows) : loaded.GetLongDescription();
    if (!problem.empty())
    {
        ShowError("Workspace " + std::to_string(number) + " cannot be opened.\n\n" + problem,
                  "Open Workspace");
        return false;
    }
    if (!AskToSaveAll())
        return false;
    m_replacingWindows = true;
    CloseFramesWithoutAsking();
    for (nxGridWorkspace::Window& window : windows)
        if (!nxGridWorkspace::Restore(window))
            nxLog(nxLogLevelEnum(nxLogLevel::Warning), "nxGridApp")
                << "Workspace " << number << ": a window could not be made";
    m_replacingWindows = false;
    m_currentWorkspace = number;
    if (GetFrames().empty())
        return OpenNewWindow(m_defaultTemplate ? *m_defaultTemplate : *m_templates.front()) != nullptr;
    return true;
}

bool nxGridApp::AskToSaveAll()
{
    for (nxGridFrameWnd* frame : GetFrames())
        if (!frame->GetActiveDocument()->SaveModified())
            return false;
    return true;
}

void nxGridApp::CloseFramesWithoutAsking()
{
    for (nxGridFrameWnd* frame : GetFrames())
        frame->CloseWithoutAsking();
}

bool nxGridApp::CloseAllFrames()
{
    if (!AskToSaveAll())
        return false;
    CloseFramesWithoutAsking();
    return true;
}

void nxGridApp::OnExitAll()
{
    CloseAllFrames();
}

void nxGridApp::CustomizeNewFileButton(QToolBar* toolBar, bool showTypes)
{
    if (!toolBar || !showTypes || m_templates.size() < 2)
        return;
    QAction* newAction = nullptr;
    for (QAction* action : toolBar->actions())
        if (nxCommandAction::CommandOf(action) == nxCommand::FileNew)
            newAction = action;
    auto* button = newAction ? qobject_cast<QToolButton*>(toolBar->widgetForAction(newAction)) : nullptr;
    if (!button)
        return;
    auto* menu = new QMenu(button);
    for (const auto& docTemplate : m_templates)
    {
        CMultiDocTemplate* type = docTemplate.get();
        QAction* item =
            menu->addAction(QIcon(QString::fromStdString(nxResourceTable::GetIcon(type->GetResourceID()))),
                            QString::fromStdString(type->GetDocStringField(CMultiDocTemplate::fileNewName)));
        QObject::connect(item, &QAction::triggered, menu, [this, type] { OpenNewWindow(*type); });
    }
    button->setMenu(menu);
    button->setPopupMode(QToolButton::MenuButtonPopup);
}
