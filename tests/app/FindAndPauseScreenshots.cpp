#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "log/window/CHideRowsDlg.h"
#include "log/window/nxLogResourceIds.h"
#include "nxAppFixture.h"
#include "nxDialogOperator.h"
#include "nxModalDriver.h"
#include "platform/grid/nxGridManager.h"
#include "platform/grid/window/nxGridFindBar.h"
#include "platform/messaging/nxLogMessage.h"
#include "vsmSourcePaths.h"

// Not a check: renders the find bar and a paused log window for docs/images, run on demand with
//   test_app --gtest_also_run_disabled_tests --gtest_filter='*Screenshots*'
namespace
{
class FindAndPauseScreenshots : public nxAppFixture
{
protected:
    static void Save(QWidget& widget, const char* name)
    {
        const QString folder = QString(VSM_DATA_DIR) + "/../docs/images";
        QDir().mkpath(folder);
        EXPECT_TRUE(widget.grab().save(folder + "/" + name));
    }

    void SendLog(const std::string& application, uint32_t level, const std::string& text,
                 const std::string& host)
    {
        auto* message = new nxLogMessage();
        message->SetApplicationName(application);
        message->SetHostName(host);
        message->SetLogLevel(nxLogLevelEnum(level));
        message->SetLogEntry(text);
        m_service.DeliverLogMessage(message);
    }
};
} // namespace

TEST_F(FindAndPauseScreenshots, DISABLED_RenderTheFindBarAndAPausedLogWindow)
{
    ASSERT_TRUE(Start());
    nxGridFrameWnd* servers = Open(Servers);
    std::vector<nxApplicationStatus*> statuses;
    const char* kinds[] = {"ORR", "PRC", "RSK", "FIX", "MDF"};
    for (int number = 1; number <= 40; ++number)
        statuses.push_back(
            MakeStatus({.id = std::string(kinds[number % 5]) + "-" + std::to_string(1000 + number)}));
    Deliver(72, std::move(statuses));
    servers->resize(900, 420);
    QApplication::setActiveWindow(servers);
    ASSERT_TRUE(QTest::qWaitForWindowActive(servers));
    Grid(servers).GetTableView()->setFocus();
    QTest::keyClick(Grid(servers).GetTableView(), Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(Grid(servers).GetFindBar()->GetEdit(), "rsk-10");
    QTest::keyClick(Grid(servers).GetFindBar()->GetEdit(), Qt::Key_F3);
    Save(*servers, "find-bar.png");

    nxGridFrameWnd* log = Open(Log);
    const char* texts[] = {"Order %d routed to LSE", "Quote gap of 2.4 s on XETR",
                           "Order %d rejected by venue"};
    for (int number = 0; number < 40; ++number)
    {
        char text[64];
        std::snprintf(text, sizeof text, texts[number % 3], 1100 + number);
        SendLog(number % 3 == 1 ? "PriceFeed" : "OrderRouter", 33 + static_cast<uint32_t>(number % 4), text,
                number % 3 == 1 ? "fra-app02" : "ldn-app01");
    }
    m_service.WaitUntilDelivered();
    nxGridManager& manager = *Grid(log).GetGridManager();
    auto columns = manager.GetColumnSettings();
    for (const auto& [id, width] : {std::pair<nxAttributeID, int>{10002, 110}, {10006, 420}})
    {
        nxGridManager::ColumnSetting column;
        column.attributeId = id;
        column.width = width;
        column.order = static_cast<int>(columns.size());
        columns.push_back(column);
    }
    manager.SetColumnSettings(columns);
    Grid(log).FlushNow();
    log->resize(900, 420);
    QApplication::setActiveWindow(log);
    ASSERT_TRUE(QTest::qWaitForWindowActive(log));
    Grid(log).GetTableView()->setFocus();
    QTest::keyClick(Grid(log).GetTableView(), Qt::Key_Space);
    for (int number = 0; number < 1234; ++number)
        SendLog("OrderRouter", 33, "Order " + std::to_string(2000 + number) + " routed to LSE", "ldn-app01");
    m_service.WaitUntilDelivered();
    Grid(log).FlushNow();
    QApplication::processEvents();
    Save(*log, "log-window-paused.png");

    QTest::keyClick(Grid(log).GetTableView(), Qt::Key_Space);
    Grid(log).GetTableView()->setCurrentIndex(Grid(log).GetModel()->index(1, 0));
    std::unique_ptr<QMenu> menu = Grid(log).CreateContextMenu();
    nxModalDriver driver(
        [&](QWidget* modal)
        {
            auto& dialog = dynamic_cast<CHideRowsDlg&>(*modal);
            nxOperator::Activate(dialog);
            nxOperator::TypeName(dialog, nxLogResource::IDC_REGEX_FILTER, "Quote gap of [0-9.]+ s");
            nxOperator::Click(dialog, nxLogResource::IDC_HIDE_ADD);
            nxOperator::TypeName(dialog, nxLogResource::IDC_REGEX_FILTER, "Order [0-9]+ routed to LSE");
            Save(dialog, "log-hide-rows.png");
            dialog.EndDialog(IDCANCEL);
        });
    for (QAction* action : menu->actions())
        if (action->text() == "&Hide Rows Like This...")
            action->trigger();
    EXPECT_TRUE(driver.Ran());
}
