#include "platform/grid/window/nxGridFrameWnd.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "platform/grid/window/CMultiDocTemplate.h"
#include "platform/grid/window/nxGridApp.h"
#include "platform/grid/window/nxGridDocument.h"
#include "platform/grid/window/nxGridView.h"
#include "platform/ui/nxCommandAction.h"
#include "platform/ui/nxCommandIds.h"
#include "platform/ui/nxResourceTable.h"

namespace
{
constexpr int kToolBarIconSize = 20;
constexpr int kDefaultWidth = 1024;
constexpr int kDefaultHeight = 640;
constexpr int kCascadeStep = 32;

QString MruText(size_t index, const std::string& path)
{
    return QString("&%1 %2").arg(index + 1).arg(QFileInfo(QString::fromStdString(path)).fileName());
}
} // namespace

nxGridFrameWnd::nxGridFrameWnd()
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_updateTimer.setInterval(UpdateIntervalMs);
    connect(&m_updateTimer, &QTimer::timeout, this, &nxGridFrameWnd::UpdateAllCommands);
    MapFrameCommands();
}

nxGridFrameWnd::~nxGridFrameWnd()
{
    m_updateTimer.stop();
    if (nxGridApp* app = nxGridApp::GetInstance())
        app->OnFrameDestroyed(this);
    // The view (its grid and interests) goes before the document it shows.
    delete m_view;
    m_view = nullptr;
    m_document.reset();
}

void nxGridFrameWnd::MapFrameCommands()
{
    MapCommand(nxCommand::FileClose, [this] { close(); });
    MapCommand(nxCommand::AppExit, [this] { close(); });
    MapCommand(nxCommand::ViewToolbar,
               [this]
               {
                   if (m_toolBar)
                       m_toolBar->setVisible(!m_toolBar->isVisible());
               });
    MapUpdateCommandUI(nxCommand::ViewToolbar,
                       [this](CCmdUI& ui)
                       {
                           ui.Enable(m_toolBar != nullptr);
                           ui.SetCheck(m_toolBar && !m_toolBar->isHidden());
                       });
    MapCommand(nxCommand::ViewStatusBar, [this] { statusBar()->setVisible(statusBar()->isHidden()); });
    MapUpdateCommandUI(nxCommand::ViewStatusBar,
                       [this](CCmdUI& ui) { ui.SetCheck(!statusBar()->isHidden()); });
}

bool nxGridFrameWnd::LoadFrame(unsigned resourceId, std::unique_ptr<nxGridDocument> document,
                               const ViewFactory& makeView)
{
    if (!PreCreateWindow() || !document || !makeView)
        return false;
    m_resourceId = resourceId;
    m_document = std::move(document);
    m_view = makeView();
    if (!m_view || !m_view->Create(m_document.get(), this))
        return false;
    setCentralWidget(m_view);
    if (OnCreate() == -1)
        return false;
    const std::string icon = nxResourceTable::GetIcon(resourceId);
    if (!icon.empty())
        setWindowIcon(QIcon(QString::fromStdString(icon)));
    if (nxGridApp* app = nxGridApp::GetInstance())
        app->OnFrameCreated(this);
    return true;
}

int nxGridFrameWnd::OnCreate()
{
    if (!nxResourceTable::GetMenu(m_resourceId))
        return -1;
    BuildMenuBar();
    ApplyAccelerators();
    CreateStatusBar();
    return 0;
}

// A new window takes most of a laptop's screen and steps down and right from the
// window opened before it, so that none hides another completely.
void nxGridFrameWnd::PlaceNewWindow()
{
    if (testAttribute(Qt::WA_Resized))
        return;
    const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                          : QRect(0, 0, 1280, 800);
    resize(std::min(kDefaultWidth, screen.width() * 9 / 10), std::min(kDefaultHeight, screen.height() * 9 / 10));
    nxGridApp* app = nxGridApp::GetInstance();
    const std::vector<nxGridFrameWnd*> frames = app ? app->GetFrames() : std::vector<nxGridFrameWnd*>();
    for (auto previous = frames.rbegin(); previous != frames.rend(); ++previous)
        if (*previous != this && (*previous)->isVisible())
        {
            QPoint place = (*previous)->pos() + QPoint(kCascadeStep, kCascadeStep);
            if (!screen.contains(QRect(place, size())))
                place = screen.topLeft();
            move(place);
            return;
        }
}

void nxGridFrameWnd::InitialUpdateFrame(bool show)
{
    PlaceNewWindow();
    m_view->OnInitialUpdate();
    m_document->MarkUnchanged();
    UpdateFrameTitle();
    UpdateAllCommands();
    m_updateTimer.start();
    if (!show)
        return;
    this->show();
    activateWindow();
    m_view->setFocus();
}

std::vector<nxCmdTarget*> nxGridFrameWnd::GetCommandRoute()
{
    return {m_view, m_document.get(), this, nxGridApp::GetInstance()};
}

bool nxGridFrameWnd::OnCommand(unsigned id)
{
    const std::vector<nxCmdTarget*> route = GetCommandRoute();
    if (!nxUpdateCommand(route, id).IsEnabled())
        return false;
    // The command may close this window; the route must not outlive it.
    QPointer<nxGridFrameWnd> alive(this);
    const bool handled = nxRouteCommand(route, id);
    if (alive)
        UpdateAllCommands();
    return handled;
}

QAction* nxGridFrameWnd::GetCommandAction(unsigned id) const
{
    const auto found = m_actions.find(id);
    return found == m_actions.end() ? nullptr : found->second;
}

QAction* nxGridFrameWnd::EnsureAction(unsigned id, const std::string& text)
{
    if (QAction* existing = GetCommandAction(id))
        return existing;
    auto* action = new nxCommandAction(id, text, this);
    // Keys work wherever the focus is in this window, menus closed or not.
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    m_actions[id] = action;
    return action;
}

void nxGridFrameWnd::BuildMenuBar()
{
    const std::optional<nxMenuTemplate> menu = nxResourceTable::GetMenu(m_resourceId);
    for (const nxMenuItemTemplate& popup : menu->popups)
        menuBar()->addMenu(BuildMenu(popup, menuBar()));
}

QMenu* nxGridFrameWnd::BuildMenu(const nxMenuItemTemplate& popup, QWidget* parent)
{
    auto* menu = new QMenu(QString::fromStdString(popup.text), parent);
    // Prompts of items show in the status bar as the pointer passes over them.
    menu->setToolTipsVisible(false);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { UpdateMenu(menu); });
    for (const nxMenuItemTemplate& item : popup.items)
    {
        switch (item.kind)
        {
        case nxMenuItemTemplate::Kind::Separator:
            menu->addSeparator();
            break;
        case nxMenuItemTemplate::Kind::Popup:
            menu->addMenu(BuildMenu(item, menu));
            break;
        case nxMenuItemTemplate::Kind::Command:
            menu->addAction(EnsureAction(item.id, item.text));
            if (item.id == nxCommand::FileMruFirst)
                m_recentFilesAnchor = GetCommandAction(item.id);
            break;
        }
    }
    return menu;
}

void nxGridFrameWnd::ApplyAccelerators()
{
    for (const nxAccelerator& accelerator : nxResourceTable::GetAccelerators(m_resourceId))
    {
        QAction* action = GetCommandAction(accelerator.id);
        if (!action)
        {
            action = EnsureAction(accelerator.id, std::string());
            addAction(action); // a key without a menu item
        }
        QList<QKeySequence> keys = action->shortcuts();
        const QKeySequence key(QString::fromStdString(accelerator.keys));
        if (!keys.contains(key))
            keys.append(key);
        action->setShortcuts(keys);
    }
}

void nxGridFrameWnd::CreateStatusBar()
{
    m_idleMessage = new QLabel(tr("Ready"), statusBar());
    statusBar()->addWidget(m_idleMessage, 1);
}

QToolBar* nxGridFrameWnd::CreateToolBar()
{
    if (!m_toolBar)
    {
        m_toolBar = new QToolBar(tr("Toolbar"), this);
        m_toolBar->setObjectName("ToolBar");
        m_toolBar->setIconSize(QSize(kToolBarIconSize, kToolBarIconSize));
        m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    return m_toolBar;
}

bool nxGridFrameWnd::LoadToolBar(unsigned toolBarId)
{
    const std::optional<std::vector<unsigned>> buttons = nxResourceTable::GetToolBar(toolBarId);
    if (!m_toolBar || !buttons)
        return false;
    for (unsigned id : *buttons)
    {
        if (id == 0)
            m_toolBar->addSeparator();
        else
            m_toolBar->addAction(EnsureAction(id, std::string()));
    }
    return true;
}

bool nxGridFrameWnd::Load24BitToolbarBitmap(unsigned bitmapId, int)
{
    const std::map<unsigned, std::string> images = nxResourceTable::GetToolBarBitmap(bitmapId);
    if (images.empty())
        return false;
    for (const auto& [id, path] : images)
        if (QAction* action = GetCommandAction(id))
            action->setIcon(QIcon(QString::fromStdString(path)));
    return true;
}

void nxGridFrameWnd::DockToolBar()
{
    if (!m_toolBar)
        return;
    m_toolBar->setMovable(false);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void nxGridFrameWnd::UpdateMenu(QMenu* menu)
{
    if (m_recentFilesAnchor && menu->actions().contains(m_recentFilesAnchor.data()))
        FillRecentFiles(menu);
    for (QAction* action : menu->actions())
        UpdateAction(action);
}

void nxGridFrameWnd::UpdateAction(QAction* action)
{
    const unsigned id = nxCommandAction::CommandOf(action);
    if (id == 0)
        return;
    const CCmdUI ui = nxUpdateCommand(GetCommandRoute(), id);
    action->setEnabled(ui.IsEnabled());
    if (ui.GetChecked())
    {
        action->setCheckable(true);
        action->setChecked(*ui.GetChecked());
    }
    if (ui.GetText())
        action->setText(QString::fromStdString(*ui.GetText()));
}

void nxGridFrameWnd::UpdateAllCommands()
{
    for (const auto& [id, action] : m_actions)
        UpdateAction(action);
    for (QAction* action : m_recentFileActions)
        UpdateAction(action);
    UpdateFrameTitle();
}

// The recent files take the place of the "Recent File" item: the first keeps its
// action, the others follow it.
void nxGridFrameWnd::FillRecentFiles(QMenu* menu)
{
    for (QAction* action : m_recentFileActions)
        delete action;
    m_recentFileActions.clear();
    nxGridApp* app = nxGridApp::GetInstance();
    const std::vector<std::string> files =
        app ? app->GetRecentFiles().GetFiles() : std::vector<std::string>();
    QAction* anchor = m_recentFilesAnchor.data();
    anchor->setText(files.empty() ? tr("Recent File") : MruText(0, files[0]));
    anchor->setStatusTip(files.empty() ? QString() : QString::fromStdString(files[0]));
    const QList<QAction*> actions = menu->actions();
    QAction* before = actions.value(actions.indexOf(anchor) + 1);
    const size_t count = std::min<size_t>(files.size(), nxCommand::FileMruLast - nxCommand::FileMruFirst + 1);
    for (size_t index = 1; index < count; ++index)
    {
        const unsigned id = nxCommand::FileMruFirst + static_cast<unsigned>(index);
        auto* action = new nxCommandAction(id, MruText(index, files[index]).toStdString(), menu);
        action->setStatusTip(QString::fromStdString(files[index]));
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        menu->insertAction(before, action);
        m_recentFileActions.push_back(action);
    }
}

void nxGridFrameWnd::UpdateFrameTitle()
{
    if (!m_document)
        return;
    std::string title = m_document->GetTitle() + "[*]";
    if (const CMultiDocTemplate* docTemplate = m_document->GetDocTemplate())
    {
        const std::string typeTitle = docTemplate->GetDocStringField(CMultiDocTemplate::windowTitle);
        if (!typeTitle.empty())
            title += " - " + typeTitle;
    }
    const QString text = QString::fromStdString(title);
    if (windowTitle() != text)
        setWindowTitle(text);
    setWindowModified(m_document->IsModified());
}

nxDoubleValueWrapper nxGridFrameWnd::GetInputInactivityWarningThresholdSeconds() const
{
    return nxDoubleValueWrapper();
}

void nxGridFrameWnd::CloseWithoutAsking()
{
    m_closeWithoutAsking = true;
    close();
}

void nxGridFrameWnd::closeEvent(QCloseEvent* event)
{
    if (!m_closeWithoutAsking && m_document && !m_document->SaveModified())
    {
        event->ignore();
        return;
    }
    event->accept();
    m_closing = true;
    m_updateTimer.stop();
    if (nxGridApp* app = nxGridApp::GetInstance())
        app->OnFrameClosed(this);
}
