// Hide Rows Like This: the log grid's context menu, its dialog driven through the
// controls, the rows it hides and the patterns a saved document keeps.
#include <QListWidget>
#include <QMenu>
#include <QTest>

#include "log/nxLogDataInterest.h"
#include "log/nxLogPipelineFixture.h"
#include "log/window/CHideRowsDlg.h"
#include "log/window/nxLogGridWnd.h"
#include "log/window/nxLogResourceIds.h"
#include "nxAppFixture.h"
#include "nxDialogOperator.h"
#include "nxModalDriver.h"

namespace
{
using namespace nxLogResource;

class HideRows : public nxAppFixture
{
protected:
    void SetUp() override
    {
        nxAppFixture::SetUp();
        ASSERT_TRUE(Start());
        m_log = Open(Log);
        ASSERT_NE(nullptr, m_log);
    }

    static nxLogGridWnd& LogGrid(nxGridFrameWnd* frame) { return static_cast<nxLogGridWnd&>(Grid(frame)); }

    void Send(nxGridFrameWnd* frame, const std::vector<std::string>& texts)
    {
        for (const std::string& text : texts)
            m_service.DeliverLogMessage(MakeLogMessage({.text = text}));
        m_service.WaitUntilDelivered();
        Grid(frame).FlushNow();
    }

    // The log texts on screen, oldest first.
    static std::vector<std::string> Shown(nxGridFrameWnd* frame)
    {
        nxLogGridWnd& grid = LogGrid(frame);
        grid.FlushNow();
        std::vector<std::string> texts;
        for (int row = grid.GetModel()->rowCount() - 1; row >= 0; --row)
            texts.push_back(grid.GetGridManager()->GetLogText(grid.GetModel()->RowAt(row)));
        return texts;
    }

    // Puts the keyboard's focus on the row with that text.
    static void Focus(nxGridFrameWnd* frame, const std::string& text)
    {
        nxLogGridWnd& grid = LogGrid(frame);
        for (int row = 0; row < grid.GetModel()->rowCount(); ++row)
            if (grid.GetGridManager()->GetLogText(grid.GetModel()->RowAt(row)) == text)
                grid.GetTableView()->setCurrentIndex(grid.GetModel()->index(row, 0));
    }

    // Runs the context menu's item with the dialog in the operator's hands.
    static void HideRowsLikeThis(nxGridFrameWnd* frame, const std::function<void(CHideRowsDlg&)>& operate)
    {
        std::unique_ptr<QMenu> menu = Grid(frame).CreateContextMenu();
        QAction* item = nullptr;
        for (QAction* action : menu->actions())
            if (action->text() == "&Hide Rows Like This...")
                item = action;
        ASSERT_NE(nullptr, item);
        nxModalDriver driver(
            [&](QWidget* modal)
            {
                auto* dialog = dynamic_cast<CHideRowsDlg*>(modal);
                ASSERT_NE(nullptr, dialog);
                nxOperator::Activate(*dialog);
                operate(*dialog);
                if (dialog->isVisible())
                    dialog->EndDialog(IDCANCEL);
            });
        item->trigger();
        EXPECT_TRUE(driver.Ran());
    }

    static std::string Text(CHideRowsDlg& dialog, int id) { return dialog.GetDlgItemText(id); }
    static QListWidget& List(CHideRowsDlg& dialog)
    {
        return *qobject_cast<QListWidget*>(dialog.GetDlgItem(IDC_HIDE_LIST));
    }

    nxGridFrameWnd* m_log = nullptr;
};
} // namespace

TEST_F(HideRows, PatternsHideExactlyTheMatchingRowsNowAndLaterAndSurviveASaveAndReopen)
{
    Send(m_log, {"order 17 filled", "heartbeat 1 ok", "heartbeat 2 ok", "price (EUR) 1.5*", "session lost"});
    Focus(m_log, "heartbeat 2 ok");

    HideRowsLikeThis(
        m_log,
        [&](CHideRowsDlg& dialog)
        {
            EXPECT_EQ("heartbeat 2 ok", Text(dialog, IDC_REGEX_FILTER)) << "the row's text to start";
            EXPECT_EQ("Hides the selected row", Text(dialog, IDC_VERDICT));
            nxOperator::TypeName(dialog, IDC_REGEX_FILTER, "heartbeat 3");
            EXPECT_EQ("Does not hide the selected row", Text(dialog, IDC_VERDICT));
            nxOperator::TypeName(dialog, IDC_REGEX_FILTER, "heartbeat [0-9]+ ok");
            nxOperator::Click(dialog, IDC_HIDE_ADD);
            EXPECT_EQ(1, List(dialog).count());
            EXPECT_EQ("", Text(dialog, IDC_REGEX_FILTER));

            nxOperator::TypeName(dialog, IDC_REGEX_FILTER, "price (EUR");
            EXPECT_EQ("Not a valid regular expression", Text(dialog, IDC_VERDICT));
            nxOperator::Click(dialog, IDOK);
            ASSERT_TRUE(dialog.isVisible()) << "an invalid pattern is refused";
            EXPECT_EQ(1u, m_boxes.Count());
            nxOperator::TypeName(dialog, IDC_REGEX_FILTER, CHideRowsDlg::LiteralPattern("(EUR) 1.5*"));
            nxOperator::Finish(dialog, IDOK);
        });

    EXPECT_EQ((std::vector<std::string>{"order 17 filled", "session lost"}), Shown(m_log));
    EXPECT_TRUE(m_log->GetActiveDocument()->IsModified());
    EXPECT_TRUE(QTest::qWaitFor([&] { return Grid(m_log).GetStatusText().contains("2 hide patterns"); }));
    // The store keeps only rows some window shows: this one keeps them all meanwhile.
    ASSERT_NE(nullptr, Open(Log));
    Send(m_log, {"heartbeat 3 ok", "fill 3", "price (EUR) 1.5* again"});
    EXPECT_EQ((std::vector<std::string>{"order 17 filled", "session lost", "fill 3"}), Shown(m_log));

    const std::string path = m_config.filePath("hidden.KVRLogMgr").toStdString();
    ASSERT_TRUE(m_log->GetActiveDocument()->DoSave(path));
    m_log->CloseWithoutAsking();
    DeleteClosedWindows();
    nxGridFrameWnd* reopened = m_app->OpenDocumentFile(path);
    ASSERT_NE(nullptr, reopened);
    EXPECT_EQ((std::vector<std::string>{"order 17 filled", "session lost", "fill 3"}), Shown(reopened));

    HideRowsLikeThis(reopened,
                     [&](CHideRowsDlg& dialog)
                     {
                         ASSERT_EQ(2, List(dialog).count());
                         EXPECT_EQ("heartbeat [0-9]+ ok", List(dialog).item(0)->text().toStdString());
                         EXPECT_EQ("", Text(dialog, IDC_REGEX_FILTER)) << "no row has the focus";
                         nxOperator::SelectEntry(dialog, IDC_HIDE_LIST, "heartbeat [0-9]+ ok");
                         nxOperator::Click(dialog, IDC_HIDE_REMOVE);
                         EXPECT_EQ(1, List(dialog).count());
                         nxOperator::Finish(dialog, IDOK);
                     });
    EXPECT_EQ((std::vector<std::string>{"order 17 filled", "heartbeat 1 ok", "heartbeat 2 ok", "session lost",
                                        "heartbeat 3 ok", "fill 3"}),
              Shown(reopened))
        << "rows the removed pattern hid come back from the store";
    EXPECT_TRUE(reopened->GetActiveDocument()->IsModified());
}

TEST_F(HideRows, CancelChangesNothingAndALiteralMatchesItsOwnRowWhateverItHolds)
{
    Send(m_log, {"a"});
    Focus(m_log, "a");
    HideRowsLikeThis(m_log,
                     [&](CHideRowsDlg& dialog)
                     {
                         nxOperator::Click(dialog, IDC_HIDE_ADD);
                         nxOperator::Finish(dialog, IDCANCEL);
                     });
    EXPECT_EQ((std::vector<std::string>{"a"}), Shown(m_log));
    EXPECT_FALSE(m_log->GetActiveDocument()->IsModified());

    const std::string huge(100000, 'x');
    for (const std::string& text : {std::string("a.b*c+d?e(f)g[h]i{j}k|l^m$n\\o/p"), std::string("ünïcödé ∑"),
                                    std::string(199, 'y') + "é"})
    {
        const std::string pattern = CHideRowsDlg::LiteralPattern(text);
        EXPECT_TRUE(nxLogDataInterest::IsRegexFilterMatch(text, pattern, false)) << pattern;
        EXPECT_FALSE(nxLogDataInterest::IsRegexFilterMatch("zz" + text.substr(1), pattern, false)) << pattern;
    }
    EXPECT_EQ(std::string(CHideRowsDlg::MaximumLiteralLength, 'x'), CHideRowsDlg::LiteralPattern(huge))
        << "a huge line starts a pattern an operator can still read";
    EXPECT_EQ("first", CHideRowsDlg::LiteralPattern("first\nsecond"));
}
