#include "grids/nxControlCommandIds.h"
#include "nxAppFixture.h"
#include "nxModalDriver.h"
#include "platform/ui/CDialog.h"

namespace
{
using namespace nxControlCommand;
constexpr uint32_t kMissing = 8202;

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

    nxGridFrameWnd* m_servers = nullptr;
    nxGridFrameWnd* m_clients = nullptr;
};
} // namespace

TEST_F(ControlCommands, RemoveFromTheMenuRemovesTheSelectedMissingApplication)
{
    SelectRows(m_servers, {0});
    EXPECT_TRUE(FromMenu(m_servers, ID_REMOVE_APPLICATION));
    EXPECT_EQ(std::vector<std::string>{"S1"}, Requests("RemoveApplicationFromApplicationStatusImage"));
    EXPECT_EQ(0u, m_boxes.Count());
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
