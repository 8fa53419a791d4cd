#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QTest>

#include "nxLogCapture.h"
#include "nxLogWindowFixture.h"
#include "nxModalDriver.h"
#include "platform/grid/data/CGridLockGuard.h"
#include "platform/grid/nxGridColumn.h"
#include "platform/grid/nxGridSortOptions.h"
#include "platform/grid/window/CColumnPickerDlg.h"
#include "platform/ui/nxCommandIds.h"
#include "platform/xml/nxXMLDocument.h"

namespace
{
using LogGrid = nxLogWindowFixture;

std::vector<std::string> ListTexts(QWidget* list)
{
    std::vector<std::string> texts;
    auto* widget = qobject_cast<QListWidget*>(list);
    for (int row = 0; widget && row < widget->count(); ++row)
        texts.push_back(widget->item(row)->text().toStdString());
    return texts;
}

std::string SaveLayout(const nxGridManager& grid)
{
    nxXMLDocument document("Grid");
    nxXMLElement root = document.GetRootElement();
    EXPECT_TRUE(grid.SaveToXML(root).IsOK());
    return document.SaveToString();
}

void LoadLayout(nxGridManager& grid, const std::string& text)
{
    nxXMLDocument document;
    ASSERT_TRUE(document.LoadFromString(text).IsOK());
    nxXMLElement root = document.GetRootElement();
    EXPECT_TRUE(grid.LoadFromXML(root).IsOK());
}
} // namespace

TEST_F(LogGrid, ANewViewShowsHostAndApplicationNewestFirstWithEveryLevel)
{
    Send({{.application = "Oldest", .level = 31, .host = "h1"},
          {.application = "Middle", .level = 35, .host = "h2"},
          {.application = "Newest", .level = 38, .host = "h3"}});
    ASSERT_EQ(Model().columnCount(), 2);
    EXPECT_EQ(Model().headerData(0, Qt::Horizontal).toString(), "Host Name");
    EXPECT_EQ(Model().headerData(1, Qt::Horizontal).toString(), "Application Name");
    EXPECT_EQ(Column(1), (std::vector<std::string>{"Newest", "Middle", "Oldest"})) << "level 31 too";

    for (size_t index = 0; index < 2; ++index)
    {
        const CGridStyle& style = Grid().GetColumn(index)->GetStyle();
        EXPECT_EQ(style.GetTextColor(), 0x000000u);
        EXPECT_EQ(style.GetBackgroundColor(), 0xFFFFFFu);
        EXPECT_EQ(style.GetAlignment(), 8u);
    }
    CGridLockGuard guard(Grid().GetSortOptionsLock());
    const nxGridSortOptions& sort = *Grid().GetSortOptions();
    EXPECT_TRUE(sort.GetAvailableRowSortAttributeIDs().empty())
        << "the log window has no Sorting dialog of its own";
    ASSERT_EQ(sort.GetRowSortAttributes().size(), 1u);
    EXPECT_EQ(sort.GetRowSortAttributes()[0].GetAttributeID(), 10001u);
    EXPECT_TRUE(sort.GetRowSortAttributes()[0].IsAscending());
}

TEST_F(LogGrid, TheColumnPickerOffersEveryLogAttribute)
{
    Send(Levels({33}));
    nxModalDriver pick(
        [](QWidget* modal)
        {
            auto* dialog = qobject_cast<CColumnPickerDlg*>(modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(ListTexts(dialog->GetDlgItem(CPickListDlg::IDC_CHOSEN)),
                      (std::vector<std::string>{"Host Name", "Application Name"}));
            auto* available = qobject_cast<QListWidget*>(dialog->GetDlgItem(CPickListDlg::IDC_AVAILABLE));
            EXPECT_EQ(ListTexts(available), (std::vector<std::string>{"Sequence", "Level", "Log Text",
                                                                      "Received", "Destination Node"}));
            available->setCurrentRow(2);
            QTest::mouseClick(dialog->GetDlgItem(CPickListDlg::IDC_ADD), Qt::LeftButton);
            QTest::mouseClick(dialog->GetDlgItem(IDOK), Qt::LeftButton);
        });
    ASSERT_TRUE(m_window->OnCmdMsg(nxCommand::ViewColumnPicker));
    ASSERT_TRUE(pick.Ran());
    ASSERT_EQ(Model().columnCount(), 3);
    EXPECT_EQ(Column(2), (std::vector<std::string>{"level 33"}));
}

TEST_F(LogGrid, EveryColumnSortsFromItsHeaderAndOffersAFilterAndAClickSelectsOnlyTheCell)
{
    Send({{.host = "b"}, {.host = "c"}, {.host = "a"}});
    QHeaderView* header = View().horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
    EXPECT_EQ(Column(0), (std::vector<std::string>{"a", "b", "c"}));
    for (int column = 0; column < Model().columnCount(); ++column)
    {
        std::unique_ptr<QMenu> menu = m_window->CreateHeaderMenu(column);
        QStringList items;
        for (QAction* action : menu->actions())
            items << action->text();
        EXPECT_TRUE(items.contains("Filter...")) << "column " << column;
    }

    QTest::mouseClick(View().viewport(), Qt::LeftButton, {}, View().visualRect(Model().index(1, 1)).center());
    const QModelIndexList selected = View().selectionModel()->selectedIndexes();
    ASSERT_EQ(selected.size(), 1) << "a click selects only the cell";
    EXPECT_EQ(selected.front(), Model().index(1, 1));
    EXPECT_EQ(Grid().GetSelectedRowCount(), 1u);
}

TEST_F(LogGrid, OnlyANewRowOfTheHighestLevelPlaysTheSound)
{
    Send(Levels({37}));
    EXPECT_EQ(m_window->GetUpdateSoundCount(), 0u);
    Send(Levels({38}));
    EXPECT_EQ(m_window->GetUpdateSoundCount(), 1u);
    Send(Levels({33, 38, 38}));
    EXPECT_EQ(m_window->GetUpdateSoundCount(), 2u) << "once per update of the screen";

    nxLogGridWnd second;
    OpenAsNewView(second);
    EXPECT_EQ(second.GetModel()->rowCount(), 5);
    EXPECT_EQ(second.GetUpdateSoundCount(), 0u) << "rows already stored are no news";
}

TEST_F(LogGrid, TheDefaultInterestHidesTheTwoLowestLevels)
{
    std::unique_ptr<nxGridDataInterest> made(Grid().CreateDefaultDataInterest());
    auto* interest = dynamic_cast<nxLogDataInterest*>(made.get());
    ASSERT_NE(interest, nullptr);
    nxLogDataInterest::Filter expected;
    for (uint32_t level = 33; level <= 38; ++level)
        expected.logLevels.insert(nxLogLevelEnum(level));
    EXPECT_EQ(interest->GetFilter(), expected);

    // A stored view whose filter cannot be made again falls back to it.
    std::string layout = SaveLayout(Grid());
    layout.replace(layout.find(">nxLogDataInterest<"), 19, ">NoSuchInterest<");
    Send(Levels({31, 32, 33, 38}));
    nxLogGridWnd restored;
    nxLogCapture log;
    LoadLayout(*restored.GetGridManager(), layout);
    restored.FlushNow();
    EXPECT_EQ(log.FromSource("nxGridManager").size(), 2u) << "the unknown filter and the fallback are logged";
    ASSERT_EQ(restored.GetGridManager()->GetDataInterests().size(), 1u);
    EXPECT_EQ(restored.GetModel()->rowCount(), 2);
}

TEST_F(LogGrid, RowsArrivingWhileTheOperatorReadsFurtherDownDoNotMoveTheRowsOnScreen)
{
    std::vector<nxLogMessageFields> burst;
    for (int number = 0; number < 60; ++number)
        burst.push_back({.text = "old " + std::to_string(number)});
    Send(burst);
    ShowLevelAndText();
    QScrollBar& scroll = *View().verticalScrollBar();
    QTest::mouseClick(&scroll, Qt::LeftButton, {}, QPoint(scroll.width() / 2, scroll.height() - 20));
    ASSERT_GT(scroll.value(), 0) << "a click below the handle pages down";
    int first = 0, last = 0;
    ASSERT_TRUE(View().VisibleRows(first, last));
    const std::vector<std::string> before = Column(3);
    const std::vector<std::string> onScreen(before.begin() + first, before.begin() + last + 1);

    Send({{.text = "new 1"}, {.text = "new 2"}, {.text = "new 3"}});
    ASSERT_TRUE(View().VisibleRows(first, last));
    const std::vector<std::string> after = Column(3);
    EXPECT_EQ(std::vector<std::string>(after.begin() + first, after.begin() + last + 1), onScreen);
    EXPECT_EQ(after.front(), "new 3") << "still newest first";
    EXPECT_EQ(m_window->GetNewRowsAbove(), 3u);
    EXPECT_EQ(m_window->GetStatusText(), "3 new rows above") << "the operator is told in the status bar";
}
