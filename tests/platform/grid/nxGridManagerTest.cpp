#include <gtest/gtest.h>

#include "nxGridFixture.h"
#include "platform/grid/data/nxColumnFilter.h"
#include "platform/grid/nxGridCell.h"
#include "platform/grid/nxGridSortOptions.h"

namespace
{
using Ids = std::vector<std::string>;

class GridRows : public nxGridFixture
{
protected:
    void SortBy(std::vector<nxAttributeSortOptions> keys)
    {
        {
            CGridLockGuard guard(m_grid->GetSortOptionsLock());
            m_grid->GetSortOptions()->SetRowSortAttributes(std::move(keys));
        }
        m_grid->ApplySortOptions();
    }
    void Select(const std::string& id, bool selected = true)
    {
        m_grid->OnCellSelectionChanged(Row(id)->Cell(0), selected);
    }
    uint32_t ObserversOf(const std::string& id)
    {
        std::lock_guard guard(m_data->GetLock());
        nxControlDataObject* object = m_data->FindDataObject(id + "^" + nxClientServerEnum(72).GetAsString());
        return object ? object->GetNumberOfObservers() : 0;
    }
};
} // namespace

TEST_F(GridRows, ARowObservesItsDataFromTheOfferAndLetsGoBeforeTheDataIsDeleted)
{
    Deliver({{.id = "A"}, {.id = "B"}});
    // Three cells and the sort key, before any flush.
    EXPECT_EQ(ObserversOf("A"), 4u);
    EXPECT_EQ(m_grid->GetHeldRowCount(), 2u);
    EXPECT_EQ(m_grid->GetDisplayRowCount(), 0u);
    Flush();
    EXPECT_EQ(Column(), (Ids{"A", "B"}));

    CGridRow* gone = Row("B");
    Deliver({{.id = "A"}}); // B leaves the image and its data is deleted
    EXPECT_EQ(m_grid->GetHeldRowCount(), 1u);
    EXPECT_EQ(m_grid->GetNumberOfAttachedObservers(), 4u);
    {
        CGridLockGuard rows(m_grid->GetRowsLock());
        ASSERT_EQ(m_grid->GetDisplayRow(1), gone) << "the row stays on screen until the flush";
        EXPECT_EQ(static_cast<nxGridCell*>(gone->Cell(0))->GetDataObject(), nullptr);
        EXPECT_EQ(gone->Cell(2)->GetText(), "");
    }
    Flush();
    EXPECT_EQ(Column(), (Ids{"A"}));
    EXPECT_EQ(m_signals.removes, 1);
}

TEST_F(GridRows, RowsStandInUserThenMandatoryKeyOrderAndMoveWhenAKeyChanges)
{
    Batch({{.id = "B", .location = "London"},
           {.id = "A", .location = "Paris"},
           {.id = "C", .location = "London"}});
    EXPECT_EQ(Column(), (Ids{"A", "B", "C"})) << "mandatory key: application id";

    SortBy({nxAttributeSortOptions(9016, true)});
    Flush();
    EXPECT_EQ(Column(), (Ids{"B", "C", "A"})) << "location first, ties by id";
    EXPECT_EQ(m_signals.layouts, 1);

    Batch({{.id = "B", .location = "London"},
           {.id = "A", .location = "Paris"},
           {.id = "C", .location = "Amsterdam"}});
    EXPECT_EQ(Column(), (Ids{"C", "B", "A"}));
    EXPECT_EQ(m_signals.moves, 1);

    Batch({{.id = "B", .location = "Rome"},
           {.id = "A", .location = "Berlin"},
           {.id = "C", .location = "Amsterdam"}});
    EXPECT_EQ(Column(), (Ids{"C", "A", "B"}));
    EXPECT_EQ(m_signals.layouts, 1) << "two keys changed: one layout change";

    SortBy({nxAttributeSortOptions(9016, false)});
    Flush();
    EXPECT_EQ(Column(), (Ids{"B", "A", "C"}));
}

TEST_F(GridRows, NewRowsGoWhereTheirKeysSayInOneSignalPerPlace)
{
    Batch({{.id = "B"}, {.id = "D"}});
    Deliver({{.id = "A"}, {.id = "B"}, {.id = "C"}, {.id = "D"}, {.id = "E"}, {.id = "F"}});
    const CGridFlushResult result = Flush();
    EXPECT_EQ(Column(), (Ids{"A", "B", "C", "D", "E", "F"}));
    EXPECT_EQ(result.inserted, 4u);
    EXPECT_EQ(m_signals.inserts, 3) << "A, C, and E with F";
}

TEST_F(GridRows, SelectionFollowsRowsThroughMovesAndLosesRemovedRows)
{
    Deliver({{.id = "A", .location = "x"}, {.id = "B", .location = "y"}, {.id = "C", .location = "z"}});
    SortBy({nxAttributeSortOptions(9016, true)});
    Flush();
    Select("B");
    Select("C");
    CGridRow* b = Row("B");
    EXPECT_EQ(m_grid->GetSelectedRowCount(), 2u);
    EXPECT_TRUE(b->Cell(2)->IsSelected()) << "the base selects the whole row";

    Batch({{.id = "A", .location = "x"}, {.id = "B", .location = "a"}, {.id = "C", .location = "z"}});
    EXPECT_EQ(Column(), (Ids{"B", "A", "C"}));
    EXPECT_EQ(Row("B"), b);
    EXPECT_TRUE(b->IsSelected());

    Batch({{.id = "A", .location = "x"}, {.id = "B", .location = "a"}});
    CGridLockGuard selection(m_grid->GetSelectionLock());
    EXPECT_EQ(m_grid->GetSelectedRows(), std::set<CGridRow*>{b});
}

TEST_F(GridRows, AHeaderSortGoesAheadOfTheSortOptionsUntilCleared)
{
    Batch({{.id = "A", .location = "b"}, {.id = "B", .location = "c"}, {.id = "C", .location = "a"}});
    ASSERT_TRUE(m_grid->SetTemporarySort(9016, false));
    Flush();
    EXPECT_EQ(Column(), (Ids{"B", "A", "C"}));
    m_grid->ClearTemporarySort();
    Flush();
    EXPECT_EQ(Column(), (Ids{"A", "B", "C"}));
}

TEST_F(GridRows, AColumnFilterShowsOnlyItsValuesAndFollowsChanges)
{
    Deliver({{.id = "A", .location = "Paris"},
             {.id = "B", .location = "London"},
             {.id = "C", .location = "London"}});
    auto columns = m_grid->GetColumnSettings();
    nxGridManager::ColumnSetting location;
    location.attributeId = 9016;
    location.order = 3;
    columns.push_back(location);
    m_grid->SetColumnSettings(columns);
    Flush();
    ASSERT_EQ(m_grid->GetColumnCount(), 4u);

    nxColumnFilter available(9016);
    ASSERT_TRUE(m_grid->PopulateColumnFilterWithAvailableAttributeValues(3, available).IsOK());
    EXPECT_EQ(available.GetAvailableValues(), (std::set<std::string>{"London", "Paris"}));

    Select("A");
    Select("B");
    m_grid->SetColumnFilter(3, {"London"});
    Flush();
    EXPECT_EQ(Column(), (Ids{"B", "C"}));
    EXPECT_EQ(m_grid->GetSelectedRowCount(), 1u) << "a row filtered out is deselected";

    Batch({{.id = "A", .location = "London"},
           {.id = "B", .location = "Rome"},
           {.id = "C", .location = "London"}});
    EXPECT_EQ(Column(), (Ids{"A", "C"})) << "rows come and go as their value enters and leaves the filter";

    m_grid->SetColumnFilter(3, {});
    Flush();
    EXPECT_EQ(Column(), (Ids{"A", "B", "C"}));
}

TEST_F(GridRows, ANewMissingApplicationAsksForTheSoundOncePerFlush)
{
    Deliver({{.id = "A", .expected = 8202}, {.id = "B", .expected = 8202}, {.id = "C"}});
    EXPECT_TRUE(Flush().playSound);
    Deliver({{.id = "A", .expected = 8202}, {.id = "B", .expected = 8202}, {.id = "C"}, {.id = "D"}});
    EXPECT_FALSE(Flush().playSound);
}
