#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/base/nxValueWrapper.h"
#include "platform/ui/nxCmdTarget.h"
#include "platform/ui/nxMenuTemplate.h"

class QLabel;
class QMenu;
class QToolBar;
class nxGridDocument;
class nxGridView;

// The top-level window of one grid: menu bar, toolbar and status bar from the
// resources of its window type, its view in the middle, and its document.
//
// Commands go along the route active view (then its grid window), document,
// frame, application; the first that handles one runs it. Whether a command is
// enabled is asked along the same route when a menu is about to show and, for the
// toolbar and keys, on a short timer. The status bar shows the prompt of the item
// under the pointer and "Ready" otherwise.
class nxGridFrameWnd : public QMainWindow, public nxCmdTarget
{
    Q_OBJECT

public:
    using ViewFactory = std::function<nxGridView*()>;
    static constexpr int UpdateIntervalMs = 200;

    nxGridFrameWnd();
    ~nxGridFrameWnd() override;

    // Builds the window of the resource id around the document, with a view made by
    // the factory; false when a part cannot be made.
    virtual bool LoadFrame(unsigned resourceId, std::unique_ptr<nxGridDocument> document,
                           const ViewFactory& makeView);
    // The view's initial update, then the title; shows the window when asked.
    void InitialUpdateFrame(bool show = true);

    // Closes the window without asking to save its document.
    void CloseWithoutAsking();
    // Closed, waiting to be deleted.
    bool IsClosing() const { return m_closing; }

    unsigned GetResourceID() const { return m_resourceId; }
    nxGridView* GetActiveView() const { return m_view; }
    nxGridDocument* GetActiveDocument() const { return m_document.get(); }
    QToolBar* GetToolBar() const { return m_toolBar; }
    QLabel* GetIdleMessage() const { return m_idleMessage; }

    std::vector<nxCmdTarget*> GetCommandRoute();
    // Runs the command when it is enabled; false when it is not or nobody handles it.
    bool OnCommand(unsigned id);
    // The action of a command of this window (menu item, button or key); null if none.
    QAction* GetCommandAction(unsigned id) const;
    // Asks the route for the state of every command of the window now.
    void UpdateAllCommands();
    void UpdateFrameTitle();

    // Seconds without input after which the application calls OnInputInactivityWarning;
    // null for none.
    virtual nxDoubleValueWrapper GetInputInactivityWarningThresholdSeconds() const;
    virtual void OnInputInactivityWarning() {}

    // The toolbar (one per frame, command id 59392): made, filled from a toolbar
    // resource, given the images of a bitmap resource, and docked at the top.
    QToolBar* CreateToolBar();
    bool LoadToolBar(unsigned toolBarId);
    bool Load24BitToolbarBitmap(unsigned bitmapId, int reserved);
    void DockToolBar();

protected:
    virtual bool PreCreateWindow() { return true; }
    // Menus, keys, status bar and view; derived frames add their toolbar. -1 on failure.
    virtual int OnCreate();

    void closeEvent(QCloseEvent* event) override;

private:
    void PlaceNewWindow();
    QAction* EnsureAction(unsigned id, const std::string& text);
    void BuildMenuBar();
    QMenu* BuildMenu(const nxMenuItemTemplate& popup, QWidget* parent);
    void ApplyAccelerators();
    void CreateStatusBar();
    void UpdateMenu(QMenu* menu);
    void UpdateAction(QAction* action);
    void FillRecentFiles(QMenu* menu);
    void MapFrameCommands();

    unsigned m_resourceId = 0;
    std::unique_ptr<nxGridDocument> m_document;
    nxGridView* m_view = nullptr;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_idleMessage = nullptr;
    std::map<unsigned, QAction*> m_actions;
    QPointer<QAction> m_recentFilesAnchor;
    std::vector<QAction*> m_recentFileActions;
    QTimer m_updateTimer;
    bool m_closing = false;
    bool m_closeWithoutAsking = false;
};
