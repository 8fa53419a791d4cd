#include <QFile>
#include <QFileDialog>
#include <QStatusBar>
#include <QToolBar>

#include "log/nxLogDataInterest.h"
#include "nxAppFixture.h"
#include "nxModalDriver.h"
#include "platform/grid/data/CGridLockGuard.h"
#include "platform/grid/nxGridManager.h"
#include "platform/grid/nxGridSortOptions.h"
#include "platform/ui/nxCommandIds.h"
#include "platform/xml/nxXMLDocument.h"
#include "status/nxControlDataInterest.h"

namespace
{
class Documents : public nxAppFixture
{
protected:
    void SetUp() override
    {
        nxAppFixture::SetUp();
        ASSERT_TRUE(Start());
    }

    std::string PathOf(const char* name) const { return m_config.filePath(name).toStdString(); }

    static nxGridManager& Manager(nxGridFrameWnd* frame) { return *frame->GetActiveView()->GetGridManager(); }

    // Columns, widths and the sort order an operator might have chosen.
    static void ChangeLayout(nxGridFrameWnd* frame, nxAttributeID sortKey)
    {
        nxGridManager& grid = Manager(frame);
        std::vector<nxGridManager::ColumnSetting> columns = grid.GetColumnSettings();
        if (!columns.empty())
            columns[0].width = 211;
        if (columns.size() > 1)
            columns[1].visible = false;
        nxGridManager::ColumnSetting added;
        added.attributeId = frame->GetResourceID() == Log ? 10006 : 9005;
        added.order = static_cast<int>(columns.size());
        added.width = 97;
        columns.push_back(added);
        grid.SetColumnSettings(columns);
        {
            CGridLockGuard guard(grid.GetSortOptionsLock());
            grid.GetSortOptions()->SetRowSortAttributes({nxAttributeSortOptions(sortKey, false)});
        }
        grid.ApplySortOptions();
        Grid(frame).FlushNow();
    }

    static std::vector<nxAttributeSortOptions> SortKeys(nxGridFrameWnd* frame)
    {
        CGridLockGuard guard(Manager(frame).GetSortOptionsLock());
        return Manager(frame).GetSortOptions()->GetRowSortAttributes();
    }

    static nxLogDataInterest* LogInterest(nxGridFrameWnd* frame)
    {
        const std::vector<nxGridDataInterest*> interests = Manager(frame).GetDataInterests();
        EXPECT_EQ(1u, interests.size()) << "one interest, never a default one beside a restored one";
        return interests.empty() ? nullptr : dynamic_cast<nxLogDataInterest*>(interests.front());
    }

    static uint32_t ControlKind(nxGridFrameWnd* frame)
    {
        const std::vector<nxGridDataInterest*> interests = Manager(frame).GetDataInterests();
        EXPECT_EQ(1u, interests.size());
        auto* control = interests.empty() ? nullptr : dynamic_cast<nxControlDataInterest*>(interests.front());
        return control ? control->GetClientServer().GetValue() : 0;
    }

    void CloseAndForget(nxGridFrameWnd* frame)
    {
        frame->CloseWithoutAsking();
        DeleteClosedWindows();
    }

    static std::string ReadFile(const std::string& path)
    {
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }
};
} // namespace

TEST_F(Documents, ASavedDocumentReopensWithItsInterestColumnsAndSort)
{
    for (unsigned type : {Servers, Clients, Log})
    {
        nxGridFrameWnd* frame = Open(type);
        if (type == Log)
            EXPECT_EQ(nxLogDataInterest::Filter(), LogInterest(frame)->GetFilter())
                << "a new one shows everything";
        else
            EXPECT_EQ(type == Servers ? 72u : 71u, ControlKind(frame));
        ChangeLayout(frame, type == Log ? 10004 : 9002);
        if (type == Log)
        {
            nxLogDataInterest::Filter filter;
            filter.applicationName = "OrderRouter";
            filter.logLevels = {nxLogLevelEnum(37), nxLogLevelEnum(38)};
            filter.regexFilter = "timeout|refused";
            LogInterest(frame)->SetFilter(filter);
        }
        const std::string extension = Template(type).GetDocStringField(CMultiDocTemplate::filterExt);
        const std::string path = PathOf(("window" + std::to_string(type) + extension).c_str());
        const auto columns = Manager(frame).GetColumnSettings();
        const auto sort = SortKeys(frame);
        ASSERT_TRUE(frame->GetActiveDocument()->DoSave(path));
        EXPECT_FALSE(frame->GetActiveDocument()->IsModified());
        CloseAndForget(frame);

        nxGridFrameWnd* reopened = m_app->OpenDocumentFile(path);
        ASSERT_NE(nullptr, reopened) << path;
        EXPECT_EQ(type, reopened->GetResourceID());
        EXPECT_EQ(columns, Manager(reopened).GetColumnSettings());
        EXPECT_EQ(sort, SortKeys(reopened));
        EXPECT_FALSE(reopened->GetActiveDocument()->IsModified());
        EXPECT_EQ(path, reopened->GetActiveDocument()->GetPathName());
        EXPECT_EQ("window" + std::to_string(type) + extension + "[*] - " +
                      Template(type).GetDocStringField(CMultiDocTemplate::windowTitle),
                  reopened->windowTitle().toStdString());
        if (type == Log)
        {
            ASSERT_NE(nullptr, LogInterest(reopened));
            EXPECT_EQ("OrderRouter", LogInterest(reopened)->GetApplicationName());
            EXPECT_EQ("timeout|refused", LogInterest(reopened)->GetRegexFilter());
            EXPECT_EQ(2u, LogInterest(reopened)->GetLogLevels().size());
        }
        else
            EXPECT_EQ(type == Servers ? 72u : 71u, ControlKind(reopened));
    }
    EXPECT_EQ(0u, m_boxes.Count());
}

TEST_F(Documents, DesktopNotificationsSurviveASaveAndReopenAndAreAbsentWhileOff)
{
    for (unsigned type : {Servers, Log})
        for (bool on : {false, true})
        {
            nxGridFrameWnd* frame = Open(type);
            Manager(frame).SetDesktopNotificationsEnabled(on);
            const std::string path = PathOf(("notify" + std::to_string(type) + (on ? "on" : "off") +
                                             Template(type).GetDocStringField(CMultiDocTemplate::filterExt))
                                                .c_str());
            ASSERT_TRUE(frame->GetActiveDocument()->DoSave(path));
            EXPECT_EQ(ReadFile(path).find("DesktopNotifications") != std::string::npos, on) << path;
            CloseAndForget(frame);
            nxGridFrameWnd* reopened = m_app->OpenDocumentFile(path);
            ASSERT_NE(nullptr, reopened) << path;
            EXPECT_EQ(Manager(reopened).AreDesktopNotificationsEnabled(), on) << path;
            CloseAndForget(reopened);
            if (!on)
                continue;
            // A value it does not understand leaves them off and the rest of the document as it was.
            std::string text = ReadFile(path);
            text.replace(text.find(">1</DesktopNotifications>"), 2, ">maybe");
            QFile file(QString::fromStdString(path));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(text.data(), static_cast<qint64>(text.size()));
            file.close();
            reopened = m_app->OpenDocumentFile(path);
            ASSERT_NE(nullptr, reopened) << path;
            EXPECT_FALSE(Manager(reopened).AreDesktopNotificationsEnabled());
            CloseAndForget(reopened);
        }
    EXPECT_EQ(0u, m_boxes.Count());
}

TEST_F(Documents, SaveAsAsksForANameAndAddsTheExtension)
{
    nxGridFrameWnd* frame = Frame(Servers);
    const QString chosen = QString::fromStdString(PathOf("chosen"));
    nxModalDriver driver(
        [&](QWidget* modal)
        {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(nullptr, dialog);
            dialog->selectFile(chosen);
            static_cast<QDialog*>(dialog)->accept();
        });
    EXPECT_TRUE(frame->OnCommand(nxCommand::FileSaveAs));
    EXPECT_TRUE(driver.Ran());
    EXPECT_EQ(PathOf("chosen.KVRSysMgr"), frame->GetActiveDocument()->GetPathName());
    EXPECT_TRUE(QFile::exists(chosen + ".KVRSysMgr"));
    ASSERT_FALSE(m_app->GetRecentFiles().GetFiles().empty());
    EXPECT_EQ(PathOf("chosen.KVRSysMgr"), m_app->GetRecentFiles().GetFiles().front());
}

TEST_F(Documents, AModifiedDocumentAsksToSaveBeforeItCloses)
{
    nxGridFrameWnd* frame = Frame(Servers);
    EXPECT_FALSE(frame->GetActiveDocument()->IsModified());
    ChangeLayout(frame, 9002);
    frame->UpdateFrameTitle();
    EXPECT_TRUE(frame->isWindowModified());

    m_boxes.QueueAnswer(IDCANCEL);
    EXPECT_FALSE(frame->close());
    ASSERT_EQ(1u, m_boxes.Count());
    EXPECT_EQ("Save changes to Untitled1?", m_boxes.Requests()[0].text);
    EXPECT_EQ(unsigned(MB_YESNOCANCEL | MB_ICONQUESTION), m_boxes.Requests()[0].flags);
    EXPECT_EQ(1u, m_app->GetFrames().size()) << "Cancel keeps the window";

    const std::string path = PathOf("kept.KVRSysMgr");
    ASSERT_TRUE(frame->GetActiveDocument()->DoSave(path));
    const std::string saved = ReadFile(path);
    ChangeLayout(frame, 9003);
    m_boxes.QueueAnswer(IDNO);
    nxGridFrameWnd* other = Open(Clients);
    EXPECT_TRUE(frame->close()) << "Discard closes";
    EXPECT_EQ(saved, ReadFile(path)) << "and leaves the file as it was";

    ChangeLayout(other, 9004);
    other->GetActiveDocument()->DoSave(PathOf("other.KVRCliMgr"));
    ChangeLayout(other, 9006);
    m_boxes.QueueAnswer(IDYES);
    EXPECT_TRUE(other->close()) << "Save saves to its file and closes";
    DeleteClosedWindows();
    nxGridFrameWnd* reopened = m_app->OpenDocumentFile(PathOf("other.KVRCliMgr"));
    ASSERT_NE(nullptr, reopened);
    EXPECT_EQ(9006u, SortKeys(reopened).front().GetAttributeID());
}

TEST_F(Documents, CorruptTruncatedForeignOrForbiddenDocumentsAreRefusedAndOpenWindowsStay)
{
    nxGridFrameWnd* frame = Frame(Servers);
    const std::string good = PathOf("good.KVRSysMgr");
    ASSERT_TRUE(frame->GetActiveDocument()->SaveToFile(good).IsOK());
    const std::string text = ReadFile(good);
    const auto write = [&](const char* name, const std::string& contents)
    {
        QFile file(QString::fromStdString(PathOf(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents.data(), static_cast<qint64>(contents.size()));
        return PathOf(name);
    };
    std::string clientText = text;
    clientText.replace(clientText.find("VantrelSystemManager.Document"), 29, "VantrelClientManager.Document");
    const std::vector<std::string> refused = {
        write("truncated.KVRSysMgr", text.substr(0, text.size() / 2)),
        write("garbage.KVRSysMgr", std::string("\x01\x02 not xml at all", 18)),
        write("empty.KVRSysMgr", ""),
        write("other.KVRSysMgr", "<Workspace/>"),
        write("client-inside.KVRSysMgr", clientText),
        PathOf("missing.KVRSysMgr"),
        write("unknown.txt", text),
    };
    for (const std::string& path : refused)
    {
        m_boxes.Clear();
        EXPECT_EQ(nullptr, m_app->OpenDocumentFile(path)) << path;
        ASSERT_EQ(1u, m_boxes.Count()) << path;
        EXPECT_NE(std::string::npos, m_boxes.Requests()[0].text.find(path)) << m_boxes.Requests()[0].text;
        ASSERT_EQ(1u, m_app->GetFrames().size());
        EXPECT_EQ(frame, m_app->GetFrames().front()) << "the open window is untouched";
    }
}

TEST_F(Documents, AWindowTypeTheUserMayNotOpenIsRefused)
{
    const std::string path = PathOf("clients.KVRCliMgr");
    ASSERT_TRUE(Open(Clients)->GetActiveDocument()->SaveToFile(path).IsOK());
    Stop();
    ASSERT_TRUE(Start({100919}));
    EXPECT_EQ(nullptr, m_app->OpenDocumentFile(path));
    ASSERT_EQ(1u, m_boxes.Count());
    EXPECT_NE(std::string::npos, m_boxes.Requests()[0].text.find(path));
    EXPECT_EQ(1u, m_app->GetFrames().size());
}

TEST_F(Documents, ASaveInterruptedBeforeTheRenameLeavesTheOldFileWhole)
{
    nxGridFrameWnd* frame = Frame(Servers);
    const std::string path = PathOf("servers.KVRSysMgr");
    ASSERT_TRUE(frame->GetActiveDocument()->DoSave(path));
    const std::string before = ReadFile(path);
    const auto sortBefore = SortKeys(frame);
    ChangeLayout(frame, 9002);

    std::string temporary;
    nxXMLDocument::SetSaveInterruption(
        [&](const std::string& written)
        {
            temporary = written;
            return false;
        });
    EXPECT_FALSE(frame->OnCommand(nxCommand::FileSave) && !frame->GetActiveDocument()->IsModified());
    nxXMLDocument::SetSaveInterruption({});
    EXPECT_EQ(before, ReadFile(path)) << "the old file is whole";
    EXPECT_NE(before, ReadFile(temporary)) << "the new text went to another file";
    EXPECT_TRUE(frame->GetActiveDocument()->IsModified()) << "the changes are not counted as saved";
    ASSERT_EQ(1u, m_boxes.Count());
    EXPECT_NE(std::string::npos, m_boxes.Requests()[0].text.find(path));

    CloseAndForget(frame);
    nxGridFrameWnd* reopened = m_app->OpenDocumentFile(path);
    ASSERT_NE(nullptr, reopened);
    EXPECT_EQ(sortBefore, SortKeys(reopened));
}

TEST_F(Documents, SaveAsDefaultGivesNewWindowsOfThatTypeTheLayout)
{
    nxGridFrameWnd* frame = Frame(Servers);
    ChangeLayout(frame, 9002);
    EXPECT_TRUE(frame->OnCommand(nxCommand::SaveAsDefault));
    EXPECT_FALSE(frame->statusBar()->currentMessage().isEmpty());
    nxGridFrameWnd* next = Open(Servers);
    EXPECT_EQ(Manager(frame).GetColumnSettings(), Manager(next).GetColumnSettings());
    EXPECT_EQ(SortKeys(frame), SortKeys(next));
    EXPECT_EQ(72u, ControlKind(next));
    EXPECT_FALSE(next->GetActiveDocument()->IsModified());
    EXPECT_NE(Manager(frame).GetColumnSettings(), Manager(Open(Clients)).GetColumnSettings())
        << "other types keep their own layout";
}

TEST_F(Documents, AWorkspaceOfThreeWindowsComesBackWithPlacesBarsAndLayouts)
{
    nxGridFrameWnd* servers = Frame(Servers);
    nxGridFrameWnd* clients = Open(Clients);
    nxGridFrameWnd* log = Open(Log);
    servers->setGeometry(20, 30, 700, 400);
    clients->setGeometry(140, 260, 610, 330);
    log->setGeometry(400, 80, 520, 450);
    clients->GetToolBar()->hide();
    log->statusBar()->hide();
    ChangeLayout(servers, 9002);
    nxLogDataInterest::Filter filter;
    filter.hostName = "ldn-app01";
    LogInterest(log)->SetFilter(filter);
    const std::string logPath = PathOf("saved.KVRLogMgr");
    ASSERT_TRUE(log->GetActiveDocument()->DoSave(logPath));
    const auto serverColumns = Manager(servers).GetColumnSettings();

    ASSERT_TRUE(m_app->SaveWorkspace(3));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(m_app->GetWorkspacePath(3))));
    EXPECT_NE(std::string::npos, m_app->GetWorkspacePath(3).find("SystemManager"));
    EXPECT_NE(std::string::npos, m_app->GetWorkspacePath(3).find("KVRSysMgrWorkspace"));
    m_boxes.QueueAnswer(IDNO);
    ASSERT_TRUE(m_app->CloseAllFrames()) << "the modified server window was kept in the workspace";
    EXPECT_EQ(1u, m_boxes.Count()) << "closing asked about the modified window";
    DeleteClosedWindows();

    ASSERT_TRUE(m_app->OpenWorkspace(3));
    const std::vector<nxGridFrameWnd*> frames = m_app->GetFrames();
    ASSERT_EQ(3u, frames.size());
    EXPECT_EQ((std::vector<unsigned>{Servers, Clients, Log}),
              (std::vector<unsigned>{frames[0]->GetResourceID(), frames[1]->GetResourceID(),
                                     frames[2]->GetResourceID()}));
    EXPECT_EQ(QRect(20, 30, 700, 400), frames[0]->geometry());
    EXPECT_EQ(QRect(140, 260, 610, 330), frames[1]->geometry());
    EXPECT_EQ(QRect(400, 80, 520, 450), frames[2]->geometry());
    EXPECT_TRUE(frames[1]->GetToolBar()->isHidden());
    EXPECT_FALSE(frames[0]->GetToolBar()->isHidden());
    EXPECT_TRUE(frames[2]->statusBar()->isHidden());
    EXPECT_EQ(serverColumns, Manager(frames[0]).GetColumnSettings());
    EXPECT_TRUE(frames[0]->GetActiveDocument()->IsModified()) << "unsaved changes stay unsaved";
    EXPECT_EQ(logPath, frames[2]->GetActiveDocument()->GetPathName());
    ASSERT_NE(nullptr, LogInterest(frames[2]));
    EXPECT_EQ("ldn-app01", LogInterest(frames[2])->GetHostName());
    EXPECT_EQ(71u, ControlKind(frames[1]));
}

TEST_F(Documents, ABrokenWorkspaceIsRefusedAndTheOpenWindowsStay)
{
    ASSERT_TRUE(m_app->SaveWorkspace(1));
    QFile file(QString::fromStdString(m_app->GetWorkspacePath(1)));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray whole = file.readAll();
    file.resize(whole.size() / 3);
    file.close();
    nxGridFrameWnd* frame = Frame(Servers);
    EXPECT_FALSE(m_app->OpenWorkspace(1));
    EXPECT_FALSE(m_app->OpenWorkspace(2)) << "never saved";
    ASSERT_EQ(2u, m_boxes.Count());
    EXPECT_NE(std::string::npos, m_boxes.Requests()[0].text.find(m_app->GetWorkspacePath(1)));
    EXPECT_EQ(std::vector<nxGridFrameWnd*>{frame}, m_app->GetFrames());
}
