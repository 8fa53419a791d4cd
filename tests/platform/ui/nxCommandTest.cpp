#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

#include "nxModalDriver.h"
#include "platform/ui/nxCmdTarget.h"
#include "platform/ui/nxCommandAction.h"
#include "platform/ui/nxQtMessageBox.h"
#include "platform/ui/nxStringTable.h"

namespace
{
class Target : public nxCmdTarget
{
public:
    using nxCmdTarget::MapCommand;
    using nxCmdTarget::MapCommandRange;
    using nxCmdTarget::MapUpdateCommandUI;
};
} // namespace

TEST(nxCommandRoute, FirstHandlerOnTheRouteWinsAndUnhandledCommandsAreDisabled)
{
    Target view, frame;
    std::vector<std::string> ran;
    view.MapCommand(32771, [&] { ran.push_back("view stop"); });
    view.MapUpdateCommandUI(32771, [](CCmdUI& ui) { ui.Enable(false); });
    frame.MapCommand(32771, [&] { ran.push_back("frame stop"); });
    frame.MapCommand(57634, [&] { ran.push_back("frame copy"); });
    frame.MapCommandRange(40063, 40066, [&](unsigned id) { ran.push_back(std::to_string(id)); });

    EXPECT_TRUE(nxRouteCommand({&view, &frame}, 32771));
    EXPECT_TRUE(nxRouteCommand({&view, &frame}, 57634));
    EXPECT_TRUE(nxRouteCommand({&view, nullptr, &frame}, 40065));
    EXPECT_FALSE(nxRouteCommand({&view, &frame}, 40067));
    EXPECT_EQ((std::vector<std::string>{"view stop", "frame copy", "40065"}), ran);

    EXPECT_FALSE(nxUpdateCommand({&view, &frame}, 32771).IsEnabled()) << "the view's update handler decides";
    EXPECT_TRUE(nxUpdateCommand({&view, &frame}, 57634).IsEnabled()) << "a handler alone enables";
    EXPECT_FALSE(nxUpdateCommand({&view, &frame}, 59393).IsEnabled());
}

TEST(nxCommandAction, PromptGivesStatusTipAndTooltipAndTheTextItsShortcut)
{
    nxStringTable::Register(32771, "Stop the selected application\nStop Application");
    nxCommandAction stop(32771, "&Stop Application", nullptr);
    EXPECT_EQ("Stop the selected application", stop.statusTip().toStdString());
    EXPECT_EQ("Stop Application", stop.toolTip().toStdString());
    EXPECT_EQ(32771u, nxCommandAction::CommandOf(&stop));

    nxCommandAction copy(57634, "&Copy\tCtrl+C", nullptr);
    EXPECT_EQ("&Copy", copy.text().toStdString());
    EXPECT_EQ(QKeySequence("Ctrl+C"), copy.shortcut());

    nxCommandAction assign(32782, "&Assign Schedule to Applications...", nullptr);
    nxStringTable::Register(32782, "Assign schedule to the selected applications");
    EXPECT_TRUE(nxStringTable::ToolTip(32782).empty()) << "a prompt without a tooltip part";
}

TEST(nxQtMessageBox, FlagsBecomeIconButtonsAndAnswers)
{
    nxInstallQtMessageBoxHandler();
    nxSetApplicationTitle("VantrelSystemManager");
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString caption;
    nxModalDriver driver(
        [&](QWidget* modal)
        {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(nullptr, box);
            icon = box->icon();
            caption = box->windowTitle();
            box->button(QMessageBox::No)->click();
        });
    EXPECT_EQ(IDNO, nxMessageBox({}, "Save changes?", "", MB_YESNOCANCEL | MB_ICONQUESTION));
    EXPECT_TRUE(driver.Ran());
    EXPECT_EQ(QMessageBox::Question, icon);
    EXPECT_EQ("VantrelSystemManager", caption.toStdString());

    nxModalDriver second(
        [&](QWidget* modal)
        {
            auto* box = qobject_cast<QMessageBox*>(modal);
            icon = box->icon();
            caption = box->windowTitle();
            box->button(QMessageBox::Ok)->click();
        });
    EXPECT_EQ(IDOK, nxMessageBox({}, "Error: refused", "Failed to remove application", MB_ICONHAND));
    EXPECT_EQ(QMessageBox::Critical, icon);
    EXPECT_EQ("Failed to remove application", caption.toStdString());
    nxSetMessageBoxHandler({});
}
