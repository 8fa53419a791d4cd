#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "nxAppFixture.h"
#include "platform/ui/nxCommandAction.h"
#include "platform/ui/nxCommandIds.h"

namespace
{
// Each item as "id text" (with the shortcut after a tab), "—" for a separator,
// "name >" and indented items for a popup.
void Dump(const QMenu& menu, const std::string& indent, std::vector<std::string>& lines)
{
    for (QAction* action : menu.actions())
    {
        if (action->isSeparator())
            lines.push_back(indent + "—");
        else if (action->menu())
        {
            lines.push_back(indent + action->text().toStdString() + " >");
            Dump(*action->menu(), indent + "  ", lines);
        }
        else
        {
            std::string line = indent + std::to_string(nxCommandAction::CommandOf(action)) + " " +
                               action->text().toStdString();
            if (!action->shortcut().isEmpty())
                line += "\t" + action->shortcut().toString().toStdString();
            lines.push_back(line);
        }
    }
}

std::vector<std::string> MenuBar(nxGridFrameWnd* frame)
{
    std::vector<std::string> lines;
    for (QAction* popup : frame->menuBar()->actions())
    {
        lines.push_back("[" + popup->text().toStdString() + "]");
        Dump(*popup->menu(), "", lines);
    }
    return lines;
}

std::vector<std::string> Concat(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

const std::vector<std::string> kFile = {
    "[&File]",
    "57600 &New\tCtrl+N",
    "57601 &Open...\tCtrl+O",
    "57603 &Save\tCtrl+S",
    "57604 Save &As...",
    "—",
    "40051 Save As &Default",
    "—",
    "Open Workspace >",
    "  40063 Workspace 1",
    "  40064 Workspace 2",
    "  40065 Workspace 3",
    "  40066 Workspace 4",
    "40015 Save Workspace",
    "—",
    "57607 &Print...\tCtrl+P",
    "57609 Print Pre&view",
    "57606 P&rint Setup...",
    "—",
    "57616 Recent File",
    "—",
    "57665 E&xit",
    "40050 Exit All",
    "[&Edit]",
    "57634 &Copy\tCtrl+C",
};
const std::vector<std::string> kControl = {
    "[&Control]",
    "32771 &Stop Application",
    "—",
    "32778 &Configure Schedule Schemes...",
    "32782 &Assign Schedule to Applications...",
    "—",
    "32783 Remove Application",
};
const std::vector<std::string> kView = {
    "[&View]",
    "59392 &Toolbar",
    "59393 &Status Bar",
    "—",
    "40014 Customise this &View...",
    "40013 &Column Picker...",
};
const std::vector<std::string> kHelp = {"[&Help]", "57664 &About VantrelSystemManager..."};

class FrameMenus : public nxAppFixture
{
protected:
    void SetUp() override
    {
        nxAppFixture::SetUp();
        ASSERT_TRUE(Start());
    }

    // Whether each command is enabled as its menu is about to show.
    static std::map<unsigned, bool> Enabling(nxGridFrameWnd* frame)
    {
        std::map<unsigned, bool> enabled;
        for (QAction* popup : frame->menuBar()->actions())
            CollectEnabling(*popup->menu(), enabled);
        return enabled;
    }
    static void CollectEnabling(QMenu& menu, std::map<unsigned, bool>& enabled)
    {
        emit menu.aboutToShow();
        for (QAction* action : menu.actions())
            if (action->menu())
                CollectEnabling(*action->menu(), enabled);
            else if (unsigned id = nxCommandAction::CommandOf(action))
                enabled[id] = action->isEnabled();
    }
};
} // namespace

TEST_F(FrameMenus, EachWindowTypeHasItsMenuWithTheTextsIdsOrderSeparatorsAndKeys)
{
    EXPECT_EQ(Concat({kFile, kControl, kView, {"40017 Sorting..."}, kHelp}), MenuBar(Frame(Servers)));
    EXPECT_EQ(Concat({kFile, kView, {"40017 Sorting..."}, kHelp}), MenuBar(Open(Clients)));
    EXPECT_EQ(Concat({kFile, kView, {"—", "32773 &Filters..."}, kHelp}), MenuBar(Open(Log)));
}

TEST_F(FrameMenus, CommandsAreEnabledByTheSelectionAsTheMenuShows)
{
    nxGridFrameWnd* frame = Frame(Servers);
    Deliver(72, {MakeStatus({.id = "S1", .expected = 8202}), MakeStatus({.id = "S2"}),
                 MakeStatus({.id = "S3", .schedule = "Ignore"})});
    using namespace nxCommand;
    const std::vector<unsigned> always = {
        FileNew,     FileOpen,         FileSave,       FileSaveAs,       SaveAsDefault, SaveWorkspace,
        FilePrint,   FilePrintPreview, FilePrintSetup, AppExit,          ExitAll,       32778,
        ViewToolbar, ViewStatusBar,    ViewCustomise,  ViewColumnPicker, ViewSorting,   AppAbout};
    const std::vector<unsigned> never = {OpenWorkspaceFirst, OpenWorkspaceFirst + 3, FileMruFirst};
    struct Case
    {
        std::vector<int> rows;
        bool copy, stop, assign, remove;
    };
    for (const Case& wanted : {Case{{}, false, false, false, false}, Case{{0}, true, true, true, true},
                               Case{{1}, true, true, true, false}, Case{{2}, true, true, true, true},
                               Case{{0, 2}, true, false, true, false}})
    {
        SelectRows(frame, wanted.rows);
        std::map<unsigned, bool> enabled = Enabling(frame);
        const std::string rows = ::testing::PrintToString(wanted.rows);
        for (unsigned id : always)
            EXPECT_TRUE(enabled[id]) << id << " with rows " << rows;
        for (unsigned id : never)
            EXPECT_FALSE(enabled[id]) << id << " with rows " << rows;
        EXPECT_EQ(wanted.copy, enabled[EditCopy]) << rows;
        EXPECT_EQ(wanted.stop, enabled[32771]) << rows;
        EXPECT_EQ(wanted.assign, enabled[32782]) << rows;
        EXPECT_EQ(wanted.remove, enabled[32783]) << rows;
    }
}

TEST_F(FrameMenus, ToolbarAndStatusBarToggleAndShowTheirState)
{
    nxGridFrameWnd* frame = Frame(Servers);
    QAction* toolbar = frame->GetCommandAction(nxCommand::ViewToolbar);
    QAction* statusBar = frame->GetCommandAction(nxCommand::ViewStatusBar);
    frame->UpdateAllCommands();
    EXPECT_TRUE(toolbar->isChecked());
    EXPECT_TRUE(statusBar->isChecked());
    toolbar->trigger();
    statusBar->trigger();
    EXPECT_TRUE(frame->GetToolBar()->isHidden());
    EXPECT_TRUE(frame->statusBar()->isHidden());
    EXPECT_FALSE(toolbar->isChecked());
    EXPECT_FALSE(statusBar->isChecked());
    toolbar->trigger();
    EXPECT_FALSE(frame->GetToolBar()->isHidden());
}

TEST_F(FrameMenus, ToolbarsHoldTheButtonsInOrderWithIconsAndTooltipsAndNewOffersEachType)
{
    for (unsigned type : {Servers, Clients, Log})
    {
        nxGridFrameWnd* frame = type == Servers ? Frame(Servers) : Open(type);
        std::vector<unsigned> buttons;
        for (QAction* action : frame->GetToolBar()->actions())
        {
            buttons.push_back(nxCommandAction::CommandOf(action));
            if (action->isSeparator())
                continue;
            EXPECT_FALSE(action->icon().isNull()) << buttons.back();
            EXPECT_FALSE(action->toolTip().isEmpty()) << buttons.back();
        }
        EXPECT_EQ((std::vector<unsigned>{57600, 57601, 40015, 0, 57634, 0, 57607}), buttons);
        auto* newButton = qobject_cast<QToolButton*>(
            frame->GetToolBar()->widgetForAction(frame->GetCommandAction(nxCommand::FileNew)));
        ASSERT_NE(nullptr, newButton);
        ASSERT_NE(nullptr, newButton->menu());
        EXPECT_EQ(3, newButton->menu()->actions().size());
    }
    EXPECT_EQ("Copy", Frame(Servers)->GetCommandAction(nxCommand::EditCopy)->toolTip().toStdString());
    EXPECT_EQ("Save Workspace",
              Frame(Servers)->GetCommandAction(nxCommand::SaveWorkspace)->toolTip().toStdString());
}

TEST_F(FrameMenus, TheStatusBarShowsThePromptOfTheItemUnderThePointerAndReadyOtherwise)
{
    nxGridFrameWnd* frame = Frame(Servers);
    EXPECT_EQ("Ready", frame->GetIdleMessage()->text().toStdString());
    EXPECT_EQ("Stop the selected application", frame->GetCommandAction(32771)->statusTip().toStdString());
    EXPECT_EQ("Assign schedule to the selected applications",
              frame->GetCommandAction(32782)->statusTip().toStdString());
    EXPECT_EQ("Remove application from snapshot of running applications",
              frame->GetCommandAction(32783)->statusTip().toStdString());
    EXPECT_TRUE(frame->GetCommandAction(32778)->statusTip().isEmpty());
    frame->GetCommandAction(32783)->showStatusText(frame->menuBar());
    EXPECT_EQ("Remove application from snapshot of running applications",
              frame->statusBar()->currentMessage().toStdString());
    EXPECT_EQ("Filters", Open(Log)->GetCommandAction(32773)->statusTip().toStdString());
}

TEST_F(FrameMenus, CopyAnswersCtrlInsertTooWhereverTheFocusIsInTheWindow)
{
    for (nxGridFrameWnd* frame : {Frame(Servers), Open(Clients), Open(Log)})
    {
        QAction* copy = frame->GetCommandAction(nxCommand::EditCopy);
        ASSERT_NE(nullptr, copy);
        EXPECT_EQ((QList<QKeySequence>{QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Insert")}),
                  copy->shortcuts());
        EXPECT_EQ(Qt::WindowShortcut, copy->shortcutContext());
    }
    nxGridFrameWnd* frame = Frame(Servers);
    Deliver(72, {MakeStatus({.id = "S1"}), MakeStatus({.id = "S2"})});
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    SelectRows(frame, {1});
    frame->UpdateAllCommands();
    QApplication::clipboard()->clear();
    QTest::keyClick(Grid(frame).GetTableView(), Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_NE(std::string::npos, QApplication::clipboard()->text().toStdString().find("S2"));
}
