#include <QApplication>
#include <QSignalSpy>

#include "grids/nxControlCommandIds.h"
#include "nxAppFixture.h"
#include "nxModalDriver.h"
#include "platform/ui/CDialog.h"

namespace
{
using namespace nxControlCommand;
constexpr uint32_t kOK = 8201, kMissing = 8202, kUnexpected = 8203;

class ControlCommands : public nxAppFixture
{
protected:
    void SetUp() override
    {
        nxAppFixture::SetUp();
        ASSERT_TRUE(Start());
        m_servers = Frame(Servers);
        m_clients = Open(Clients);
        Deliver(72, {MakeStatus({.id = "S1", .expected = kMissing}), MakeStatus({.id = "S2"}),
                     MakeStatus({.id = "S3", .schedule = "ignore"})});
        Deliver(71, {MakeClient("C1"), MakeClient("C2")});
    }

    // Runs a command as the menu item would: only when it is enabled.
    bool FromMenu(nxGridFrameWnd* frame, unsigned id)
    {
        QAction* action = frame->GetCommandAction(id);
        frame->UpdateAllCommands();
        if (!action || !action->isEnabled())
            return false;
        action->trigger();
        return true;
    }
    // Runs a command that something other than the menu sent.
    static bool Sent(nxGridFrameWnd* frame, unsigned id)
    {
        return nxRouteCommand(frame->GetCommandRoute(), id);
    }

    std::vector<std::string> Requests(const std::string& operation) const
    {
        return m_service.GetRequestArguments(operation);
    }

    // Whole-grid repaints since the last call: one dataChanged over every cell.
    static int WholeGridRepaints(nxGridFrameWnd* frame, QSignalSpy& changes)
    {
        QApplication::processEvents();
        Grid(frame).FlushNow();
        const QAbstractItemModel& model = *Grid(frame).GetModel();
        const QModelIndex last = model.index(model.rowCount() - 1, model.columnCount() - 1);
        int whole = 0;
        for (const QList<QVariant>& change : changes)
            whole += change.at(0).toModelIndex() == model.index(0, 0) && change.at(1).toModelIndex() == last;
        changes.clear();
        return whole;
    }

    nxGridFrameWnd* m_servers = nullptr;
    nxGridFrameWnd* m_clients = nullptr;
};
} // namespace

TEST_F(ControlCommands, StopFromTheMenuAsksTheServiceToStopTheOneSelectedApplication)
{
    SelectRows(m_servers, {1});
    EXPECT_TRUE(FromMenu(m_servers, ID_STOP_APPLICATION));
    EXPECT_EQ(std::vector<std::string>{"S2"}, Requests("ShutdownApplication"));
    EXPECT_EQ(0u, m_boxes.Count());

    SelectRows(m_servers, {0, 1});
    EXPECT_FALSE(FromMenu(m_servers, ID_STOP_APPLICATION)) << "greyed with two rows";
    EXPECT_TRUE(Sent(m_servers, ID_STOP_APPLICATION));
    ASSERT_EQ(1u, m_boxes.Count());
    EXPECT_EQ("Stop applications is only valid when a single row is selected", m_boxes.Requests()[0].text);
    EXPECT_EQ("", m_boxes.Requests()[0].caption);
    EXPECT_EQ(1u, Requests("ShutdownApplication").size()) << "nothing more was sent";
}

TEST_F(ControlCommands, RemoveFromTheMenuRemovesAMissingApplicationAndShowsARefusal)
{
    SelectRows(m_servers, {0});
    EXPECT_TRUE(FromMenu(m_servers, ID_REMOVE_APPLICATION));
    EXPECT_EQ(std::vector<std::string>{"S1"}, Requests("RemoveApplicationFromApplicationStatusImage"));
    EXPECT_EQ(0u, m_boxes.Count());

    m_service.SetResult("RemoveApplicationFromApplicationStatusImage",
                        nxErrorEnum(nxErrorEnum::NotPermissioned, "The control server refused"));
    EXPECT_TRUE(FromMenu(m_servers, ID_REMOVE_APPLICATION));
    ASSERT_EQ(1u, m_boxes.Count());
    EXPECT_EQ("Error: The control server refused", m_boxes.Requests()[0].text);
    EXPECT_EQ("Failed to remove application", m_boxes.Requests()[0].caption);
    EXPECT_EQ(unsigned(MB_ICONERROR), m_boxes.Requests()[0].flags & 0xF0);

    m_boxes.Clear();
    SelectRows(m_servers, {2});
    EXPECT_FALSE(FromMenu(m_servers, ID_REMOVE_APPLICATION)) << "a schedule of 'ignore' is not 'Ignore'";
    EXPECT_TRUE(Sent(m_servers, ID_REMOVE_APPLICATION));
    ASSERT_EQ(1u, m_boxes.Count());
    EXPECT_EQ(
        " Only applications in the Missing state or with a schedule of 'Ignore' can be removed this way",
        m_boxes.Requests()[0].text);
    EXPECT_EQ(2u, Requests("RemoveApplicationFromApplicationStatusImage").size());
}

TEST_F(ControlCommands, TheScheduleCommandsOpenTheirDialogsOverTheView)
{
    const auto captionOf = [&](unsigned id)
    {
        std::string caption;
        QWidget* parent = nullptr;
        nxModalDriver driver(
            [&](QWidget* modal)
            {
                caption = modal->windowTitle().toStdString();
                parent = modal->parentWidget();
                static_cast<CDialog*>(modal)->done(IDCANCEL);
            });
        EXPECT_TRUE(FromMenu(m_servers, id));
        EXPECT_TRUE(driver.Ran());
        EXPECT_EQ(m_servers->GetActiveView(), parent);
        return caption;
    };
    EXPECT_EQ("Configure Schedule Schemes", captionOf(ID_CONFIGURE_SCHEDULE_SCHEMES));
    SelectRows(m_servers, {0, 2});
    EXPECT_EQ("Assign Application Schedule ", captionOf(ID_ASSIGN_SCHEDULE));
}

TEST_F(ControlCommands, TheClientViewHasTheSameCommandsWithoutAMenuForThem)
{
    EXPECT_EQ(nullptr, m_clients->GetCommandAction(ID_STOP_APPLICATION));
    SelectRows(m_clients, {1});
    EXPECT_TRUE(Sent(m_clients, ID_STOP_APPLICATION));
    EXPECT_EQ(std::vector<std::string>{"C2"}, Requests("ShutdownApplication"));
    EXPECT_TRUE(nxUpdateCommand(m_clients->GetCommandRoute(), ID_ASSIGN_SCHEDULE).IsEnabled());
}

TEST_F(ControlCommands, TheServerWindowWarnsWithOneRepaintOnAndOffAndTheClientWindowNever)
{
    QSignalSpy serverChanges(Grid(m_servers).GetModel(), &QAbstractItemModel::dataChanged);
    Deliver(72, {MakeStatus({.id = "S1"}), MakeStatus({.id = "S2"}), MakeStatus({.id = "S3"})});
    EXPECT_FALSE(Grid(m_servers).GetTableView()->IsShowingWarning());
    WholeGridRepaints(m_servers, serverChanges);

    Deliver(72, {MakeStatus({.id = "S1"}), MakeStatus({.id = "S2", .expected = kUnexpected}),
                 MakeStatus({.id = "S3"})});
    EXPECT_TRUE(Grid(m_servers).GetTableView()->IsShowingWarning());
    EXPECT_EQ(1, WholeGridRepaints(m_servers, serverChanges));
    Deliver(72, {MakeStatus({.id = "S1"}), MakeStatus({.id = "S2", .expected = kMissing}),
                 MakeStatus({.id = "S3"})});
    EXPECT_EQ(0, WholeGridRepaints(m_servers, serverChanges)) << "still warning";
    Deliver(72,
            {MakeStatus({.id = "S1", .expected = kOK}), MakeStatus({.id = "S2"}), MakeStatus({.id = "S3"})});
    EXPECT_FALSE(Grid(m_servers).GetTableView()->IsShowingWarning());
    EXPECT_EQ(1, WholeGridRepaints(m_servers, serverChanges));

    Deliver(71, {MakeStatus({.id = "C1", .type = 7101, .expected = kMissing, .delta = 9})});
    EXPECT_FALSE(Grid(m_clients).GetTableView()->IsShowingWarning());
}
