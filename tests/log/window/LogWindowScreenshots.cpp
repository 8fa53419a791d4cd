#include <QDir>
#include <QPixmap>

#include "log/window/CLogFilterDlg.h"
#include "log/window/CTestRegexFilterDlg.h"
#include "log/window/nxLogResourceIds.h"
#include "nxDialogOperator.h"
#include "nxLogWindowFixture.h"

// Not a check: renders the log window and its dialogs for docs/images, run on demand with
//   test_log_window --gtest_also_run_disabled_tests --gtest_filter='*Screenshots*'
namespace
{
using namespace nxLogResource;

class LogWindowScreenshots : public nxLogWindowFixture
{
protected:
    static void Save(QWidget& widget, const char* name)
    {
        const QString folder = QString(VSM_DATA_DIR) + "/../docs/images";
        QDir().mkpath(folder);
        EXPECT_TRUE(widget.grab().save(folder + "/" + name));
    }

    void ShowColumns()
    {
        auto columns = Grid().GetColumnSettings();
        columns[0].width = 90;
        columns[1].width = 120;
        const std::pair<nxAttributeID, int> added[] = {{10002, 110}, {10006, 430}, {10007, 150}};
        for (const auto& [id, width] : added)
        {
            nxGridManager::ColumnSetting column;
            column.attributeId = id;
            column.width = width;
            column.order = static_cast<int>(columns.size());
            columns.push_back(column);
        }
        Grid().SetColumnSettings(columns);
        m_window->FlushNow();
    }
};
} // namespace

TEST_F(LogWindowScreenshots, DISABLED_RenderTheLogWindowAndItsDialogs)
{
    nxLogDataInterest::Filter filter;
    for (uint32_t level = 34; level <= 38; ++level)
        filter.logLevels.insert(nxLogLevelEnum(level));
    Interest().SetFilter(filter);
    ShowColumns();
    Send(
        {{.application = "OrderRouter",
          .level = 33,
          .text = "Session FIX.4.4 LSE logon accepted",
          .host = "ldn-app01"},
         {.application = "PriceFeed", .level = 34, .text = "Quote gap of 2.4 s on XETR", .host = "fra-app02"},
         {.application = "ControlServer",
          .level = 35,
          .text = "ORR-0003 (OrderRouter) on ldn-app01 heartbeat late",
          .host = "ldn-ctl01"},
         {.application = "OrderRouter",
          .level = 34,
          .text = "Order 1187 rejected by venue: price band",
          .host = "ldn-app01"},
         {.application = "RiskEngine",
          .level = 36,
          .text = "Position limit 90% used for desk EQD-2",
          .host = "ldn-app03"},
         {.application = "OrderRouter", .level = 32, .text = "Order 1188 routed to LSE", .host = "ldn-app01"},
         {.application = "ControlServer",
          .level = 38,
          .text = "PRC-0001 (Pricer) on fra-app02 crashed; backup PRC-0002 takes over",
          .host = "ldn-ctl01"},
         {.application = "PriceFeed",
          .level = 37,
          .text = "Connection to XETR lost: timeout after 30 s",
          .host = "fra-app02"},
         {.application = "OrderRouter",
          .level = 35,
          .text = "Venue LSE slow to acknowledge (850 ms)",
          .host = "ldn-app01"}});
    m_window->resize(920, 200);
    m_window->setWindowTitle("Log1");
    Save(*m_window, "log-window.png");

    CLogFilterDlg filters(nullptr);
    Grid().InitializeFilterDialog(filters);
    filters.SetApplicationName("OrderRouter");
    filters.SetRegexFilter("reject|timeout");
    filters.SetRegexFilterCaseInsensitive(true);
    filters.Create();
    Save(filters, "log-filters-dialog.png");

    CTestRegexFilterDlg test(nullptr, "reject|timeout", true);
    test.Create();
    nxOperator::TypeName(test, IDC_TEST_TEXT, "Order 1187 REJECTED by venue: price band");
    Save(test, "log-test-regex-filter.png");
}
