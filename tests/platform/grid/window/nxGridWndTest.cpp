#include <QClipboard>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QPdfWriter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include "nxGridWindowFixture.h"
#include "nxModalDriver.h"
#include "platform/grid/CGridStyleManager.h"
#include "platform/grid/nxGridColumn.h"
#include "platform/grid/window/CColumnFilterDlg.h"
#include "platform/grid/window/nxGridQtConversions.h"

namespace
{
using GridWindow = nxGridWindowFixture;

bool Near(const QColor& a, const QColor& b, int tolerance = 6)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// The operator turns the mouse wheel over the rows: positive notches scroll up.
void Wheel(QAbstractScrollArea& area, int notches)
{
    const QPointF centre = QRectF(area.viewport()->rect()).center();
    QWheelEvent event(centre, area.viewport()->mapToGlobal(centre), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(area.viewport(), &event);
}
} // namespace

TEST_F(GridWindow, HighlightsPaintTheirColoursAndTheStyleManagerCanChangeThem)
{
    Batch({{.id = "A", .expected = 8201},
           {.id = "B", .expected = 8202},
           {.id = "C", .expected = 8203},
           {.id = "D", .expected = 8204},
           {.id = "E", .expected = 8299}});
    const CGridStyleManager& styles = Grid().GetStyleManager();
    const char* rows[] = {"A", "C", "D", "B"}; // highlights 1 to 4
    for (int highlight = 1; highlight <= 4; ++highlight)
        EXPECT_EQ(
            Model().index(RowOf(rows[highlight - 1]), 1).data(Qt::BackgroundRole).value<QBrush>().color(),
            nxToQColor(styles.GetCustomHighlightColor(highlight)))
            << "highlight " << highlight;

    Batch({{.id = "A", .expected = 8201}, {.id = "D", .expected = 8204}, {.id = "E", .expected = 8299}});
    ASSERT_FALSE(View().IsShowingWarning());
    EXPECT_TRUE(Near(PaintedColour(RowOf("A"), 0), nxToQColor(styles.GetCustomHighlightColor(1))));
    EXPECT_TRUE(Near(PaintedColour(RowOf("D"), 0), nxToQColor(styles.GetCustomHighlightColor(3))));
    EXPECT_TRUE(Near(PaintedColour(RowOf("E"), 0), QColor(225, 225, 255))) << "the column's own background";

    CGridStyleManager changed = styles;
    changed.SetCustomHighlight1Color(nxRGB(10, 200, 10));
    Grid().SetStyleManager(changed);
    m_window->FlushNow();
    EXPECT_TRUE(Near(PaintedColour(RowOf("A"), 1), QColor(10, 200, 10)));
}

TEST_F(GridWindow, AFlashStartsInItsColourAndFadesBackAfterTheDuration)
{
    auto columns = Grid().GetColumnSettings();
    nxGridManager::ColumnSetting delta;
    delta.attributeId = 9017;
    delta.order = 3;
    columns.push_back(delta);
    Grid().SetColumnSettings(columns);
    Batch({{.id = "A", .expected = 8299, .delta = 0}});
    Batch({{.id = "A", .expected = 8299, .delta = 0xFFFFFFFF}});
    const QColor change = nxToQColor(Grid().GetStyleManager().GetFlashChangeColor());
    EXPECT_TRUE(Near(PaintedColour(0, 3), change)) << "a value gone to nothing flashes as a change";
    EXPECT_TRUE(Near(PaintedColour(0, 0), QColor(225, 225, 255))) << "unchanged cells do not flash";

    m_clock.AdvanceSeconds(Grid().GetStyleManager().GetFlashDurationMilliseconds() / 2000.0);
    const QColor halfway = PaintedColour(0, 3);
    EXPECT_FALSE(Near(halfway, change));
    EXPECT_FALSE(Near(halfway, QColor(225, 225, 255)));
    m_clock.AdvanceSeconds(5);
    EXPECT_TRUE(Near(PaintedColour(0, 3), QColor(225, 225, 255)));
}

TEST_F(GridWindow, StaleRowsAreGreyItalic)
{
    Batch({{.id = "A"}});
    m_data->OnServerApplicationStatusDisconnectDetected();
    m_window->FlushNow();
    EXPECT_TRUE(Model().index(0, 0).data(Qt::FontRole).value<QFont>().italic());
    EXPECT_EQ(Model().index(0, 0).data(Qt::ForegroundRole).value<QBrush>().color(),
              nxToQColor(Grid().GetStyleManager().GetStaleTextColor()));
}

TEST_F(GridWindow, TheGridFollowsTheTopOnlyWhileTheOperatorsLastScrollEndedThere)
{
    Batch(Numbered(100, 400));
    QScrollBar& scroll = *View().verticalScrollBar();
    Batch(Numbered(90, 400));
    EXPECT_EQ(scroll.value(), 0);
    EXPECT_EQ(Model().index(0, 2).data().toString(), "N0090") << "at the top each new row shows";

    Wheel(View(), -2);
    ASSERT_GT(scroll.value(), 0);
    EXPECT_FALSE(m_window->IsFollowingTop());
    const QString top = View().indexAt(QPoint(0, 0)).siblingAtColumn(2).data().toString();
    QSignalSpy told(m_window.get(), &nxGridWnd::NewRowsAboveChanged);
    Batch(Numbered(80, 400));
    EXPECT_EQ(View().indexAt(QPoint(0, 0)).siblingAtColumn(2).data().toString(), top);
    EXPECT_EQ(m_window->GetNewRowsAbove(), 10u);
    ASSERT_FALSE(told.isEmpty());
    EXPECT_EQ(told.last().at(0).value<size_t>(), 10u);

    // Scrolling back up shows new rows, which count no more; at the top the grid follows again.
    const int rowsAbove = scroll.value();
    Wheel(View(), 1);
    const size_t stillAbove = static_cast<size_t>(scroll.value());
    EXPECT_EQ(m_window->GetNewRowsAbove(), std::min<size_t>(10, stillAbove));
    EXPECT_LT(static_cast<int>(stillAbove), rowsAbove);
    while (scroll.value() > 0)
        Wheel(View(), 1);
    EXPECT_TRUE(m_window->IsFollowingTop());
    EXPECT_EQ(m_window->GetNewRowsAbove(), 0u);
    Batch(Numbered(70, 400));
    EXPECT_EQ(scroll.value(), 0);
    EXPECT_EQ(Model().index(0, 2).data().toString(), "N0070");
}

TEST_F(GridWindow, ASelectionAtTheTopHoldsTheRowsOnScreen)
{
    Batch(Numbered(100, 400));
    QTest::mouseClick(View().viewport(), Qt::LeftButton, {}, View().visualRect(Model().index(2, 1)).center());
    EXPECT_EQ(View().selectionModel()->selectedIndexes().size(), Model().columnCount()) << "the whole row";
    EXPECT_EQ(Grid().GetSelectedRowCount(), 1u);
    EXPECT_FALSE(m_window->IsFollowingTop());
    Batch(Numbered(95, 400));
    EXPECT_EQ(View().indexAt(QPoint(0, 0)).siblingAtColumn(2).data().toString(), "N0100");
    EXPECT_EQ(View().selectionModel()->selectedRows(2).front().data().toString(), "N0102");
    EXPECT_EQ(m_window->GetNewRowsAbove(), 5u);

    m_window->ScrollToTop();
    EXPECT_EQ(m_window->GetNewRowsAbove(), 0u);
    Batch(Numbered(94, 400));
    EXPECT_EQ(Model().index(0, 2).data().toString(), "N0094");
    EXPECT_EQ(View().verticalScrollBar()->value(), 0);
}

TEST_F(GridWindow, CopyPutsTheSelectedRowsOnTheClipboard)
{
    // Made in another order than shown: the copy keeps the display's.
    Batch({{.id = "C"}, {.id = "A"}, {.id = "B"}});
    QItemSelection selection(Model().index(0, 0), Model().index(0, 0));
    selection.select(Model().index(2, 1), Model().index(2, 1));
    View().selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    ASSERT_TRUE(m_window->OnCmdMsg(57634));
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "Host Name\tApplication Name\tApplication ID\n"
                                                               "host1\tApp-A\tA\n"
                                                               "host1\tApp-C\tC\n");
    View().selectionModel()->clearSelection();
    EXPECT_EQ(Grid().GetSelectedRowsAsText(), "Host Name\tApplication Name\tApplication ID\n")
        << "the heading line alone";
}

TEST_F(GridWindow, AHeaderClickSortsAscendingThenDescendingThenAsBefore)
{
    Batch({{.id = "A"}, {.id = "B"}, {.id = "C"}});
    const auto ids = [&]
    {
        std::string text;
        for (int row = 0; row < Model().rowCount(); ++row)
            text += Model().index(row, 2).data().toString().toStdString();
        return text;
    };
    m_window->OnHeaderClicked(2);
    EXPECT_EQ(ids(), "ABC");
    EXPECT_TRUE(View().horizontalHeader()->isSortIndicatorShown());
    m_window->OnHeaderClicked(2);
    EXPECT_EQ(ids(), "CBA");
    EXPECT_EQ(View().horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    m_window->OnHeaderClicked(2);
    EXPECT_EQ(ids(), "ABC");
    EXPECT_FALSE(View().horizontalHeader()->isSortIndicatorShown());
}

TEST_F(GridWindow, TheHeaderMenuFiltersAColumnMarksItAndClearsIt)
{
    Batch({{.id = "A"}, {.id = "B"}, {.id = "C"}});
    std::unique_ptr<QMenu> menu = m_window->CreateHeaderMenu(1);
    QStringList items;
    for (QAction* action : menu->actions())
        if (!action->isSeparator())
            items << action->text();
    EXPECT_EQ(items, (QStringList{"Column Picker...", "Sorting...", "Filter...", "Clear Filter"}));
    EXPECT_FALSE(menu->actions().back()->isEnabled()) << "nothing to clear yet";

    nxModalDriver choose(
        [](QWidget* modal)
        {
            auto* dialog = qobject_cast<CColumnFilterDlg*>(modal);
            ASSERT_NE(dialog, nullptr);
            ASSERT_EQ(dialog->GetValues(), (std::vector<std::string>{"App-A", "App-B", "App-C"}));
            auto* list = qobject_cast<QListWidget*>(dialog->GetDlgItem(CColumnFilterDlg::IDC_VALUES));
            list->item(0)->setSelected(true);
            list->item(2)->setSelected(true);
            QTest::mouseClick(dialog->GetDlgItem(IDOK), Qt::LeftButton);
        });
    m_window->OnColumnFilter(1);
    ASSERT_TRUE(choose.Ran());
    EXPECT_EQ(Model().rowCount(), 2);
    EXPECT_TRUE(Model().headerData(1, Qt::Horizontal).toString().endsWith(QStringLiteral("\u25BE")));

    m_window->ClearColumnFilter(1);
    EXPECT_EQ(Model().rowCount(), 3);
    EXPECT_EQ(Model().headerData(1, Qt::Horizontal).toString(), "Application Name");
}

TEST_F(GridWindow, PrintingWritesTheRowsOnPages)
{
    Batch(Numbered(1, 150));
    QTemporaryDir folder;
    const QString path = folder.filePath("grid.pdf");
    {
        QPdfWriter pdf(path);
        m_window->PrintTo(pdf);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_GE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 2)
        << "150 rows take more than one page";
}
