#pragma once

#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "platform/base/nxErrorEnum.h"
#include "platform/grid/window/nxRecentFileList.h"
#include "platform/ui/nxCmdTarget.h"

class CMultiDocTemplate;
class QPrinter;
class QToolBar;
class nxGridDataManager;
class nxGridFrameWnd;
class nxInputInactivityMonitor;
class nxXMLDocument;

// The application object of a grid program: the window types it may open, its
// top-level windows, the one data manager, workspaces and recent files.
//
// Start-up (InitInstance) asks, in this order: may the user start the program
// (CheckIfUserPermissionedToStartApplication), the data manager
// (_CreateDataManager, then its Create), the window types
// (_CreateDocumentTemplates), and then opens the first window: the file or
// workspace asked for, else a new window of the default type. A refusal is shown
// in a message box and start-up fails. Exit closes every window, then destroys
// the data manager.
//
// Workspaces 1 to 4 and the default layouts live in the user's configuration
// folder, named from GetApplicationName() and GetWorkspaceName().
class nxGridApp : public nxCmdTarget
{
public:
    static constexpr int WorkspaceCount = 4;

    nxGridApp();
    ~nxGridApp() override;
    nxGridApp(const nxGridApp&) = delete;
    nxGridApp& operator=(const nxGridApp&) = delete;

    static nxGridApp* GetInstance();

    // What start-up opens instead of a new window of the default type.
    void SetStartupDocument(const std::string& path) { m_startupDocument = path; }
    void SetStartupWorkspace(int number) { m_startupWorkspace = number; }

    // Non-zero when start-up succeeded.
    virtual int InitInstance();
    // Closes every window without asking and destroys the data manager; the exit status.
    virtual int ExitInstance();
    // InitInstance, the event loop until the last window closes, ExitInstance.
    int Run();

    virtual nxErrorEnum CheckIfUserPermissionedToStartApplication() { return nxErrorEnum(); }
    virtual std::string GetApplicationName() const = 0;
    virtual std::string GetWorkspaceName() const = 0;
    // "<title> Version <version>" for the About box.
    virtual std::string GetAboutBoxVersionText() const;

    // Window types. The application owns what it is given.
    void AddDocTemplate(CMultiDocTemplate* docTemplate);
    const std::vector<std::unique_ptr<CMultiDocTemplate>>& GetDocTemplates() const { return m_templates; }
    CMultiDocTemplate* GetDefaultTemplate() const { return m_defaultTemplate; }
    void SetDefaultTemplate(CMultiDocTemplate* docTemplate) { m_defaultTemplate = docTemplate; }
    // By a file's extension (".KVRSysMgr", any case); null when no type has it.
    CMultiDocTemplate* FindTemplateForFile(const std::string& path) const;

    nxGridDataManager* GetDataManager() const { return m_dataManager.get(); }

    // Top-level windows, oldest first; the main window is the oldest still open.
    std::vector<nxGridFrameWnd*> GetFrames() const;
    nxGridFrameWnd* GetMainWnd() const;
    void OnFrameCreated(nxGridFrameWnd* frame);
    // A window closed; the program ends with the last one.
    void OnFrameClosed(nxGridFrameWnd* frame);
    void OnFrameDestroyed(nxGridFrameWnd* frame);

    // New: the default type when it is the only one, else the operator chooses.
    void OnFileNew();
    nxGridFrameWnd* OpenNewWindow(CMultiDocTemplate& docTemplate);
    void OnFileOpen();
    // Refuses, with a message naming the file, a file that cannot be read or parsed
    // or holds a window type this user may not open; nothing open is touched then.
    nxGridFrameWnd* OpenDocumentFile(const std::string& path);
    void OnFilePrintSetup();
    QPrinter& GetPrinter();

    // Workspaces: every open window with its geometry and document.
    std::string GetWorkspacePath(int number) const;
    int GetCurrentWorkspace() const { return m_currentWorkspace; }
    bool SaveWorkspace(int number);
    // Replaces the open windows by the workspace's; a workspace that cannot be used
    // is refused with a message and the open windows stay.
    bool OpenWorkspace(int number);
    void OnSaveWorkspace();

    // Save As Default: new windows of a type start from the layout saved for it.
    std::string GetDefaultLayoutPath(const CMultiDocTemplate& docTemplate) const;

    nxRecentFileList& GetRecentFiles() { return m_recentFiles; }

    // Asks every modified document, then closes every window; false when the
    // operator cancelled (nothing is closed then).
    bool CloseAllFrames();
    void OnExitAll();

    // The toolbar's New button also offers each window type from a drop-down.
    void CustomizeNewFileButton(QToolBar* toolBar, bool showTypes);

    nxInputInactivityMonitor* GetInputInactivityMonitor() const { return m_inactivity.get(); }

protected:
    virtual bool _CreateDocumentTemplates() = 0;
    virtual nxGridDataManager* _CreateDataManager() { return nullptr; }
    // The text shown when the user may not start the program.
    virtual std::string _GetStartRefusedText(const nxErrorEnum& error) const;

    void MapApplicationCommands();

private:
    bool CreateDataManager();
    bool OpenFirstWindow();
    bool AskToSaveAll();
    void CloseFramesWithoutAsking();
    std::string ConfigFolder() const;
    CMultiDocTemplate* ChooseTemplate();
    void ShowError(const std::string& text, const std::string& caption) const;

    std::vector<std::unique_ptr<CMultiDocTemplate>> m_templates;
    CMultiDocTemplate* m_defaultTemplate = nullptr;
    std::unique_ptr<nxGridDataManager> m_dataManager;
    std::vector<QPointer<nxGridFrameWnd>> m_frames;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<nxInputInactivityMonitor> m_inactivity;
    nxRecentFileList m_recentFiles;
    std::string m_startupDocument;
    int m_startupWorkspace = 0;
    int m_currentWorkspace = 1;
    bool m_running = false;
    bool m_replacingWindows = false;
};
