#include "nxGridFixture.h"
#include "platform/grid/nxGridFind.h"

namespace
{
using Ids = std::vector<std::string>;
using HeldRows = nxGridFixture;
using GridFindCore = nxGridFixture;
} // namespace

// Held rows wait off screen; those that leave or that a filter refuses meanwhile are forgotten.
TEST_F(HeldRows, NewRowsWaitOffScreenAndArriveInOrderWhenLetGo)
{
    Batch({{.id = "B"}, {.id = "E"}});
    m_grid->SetInsertsHeld(true);
    Batch({{.id = "A"}, {.id = "B"}, {.id = "C"}, {.id = "D"}, {.id = "E"}, {.id = "F"}});
    EXPECT_EQ(Column(), (Ids{"B", "E"}));
    EXPECT_EQ(4u, m_grid->GetHeldInsertCount());

    // C goes while waiting; the rows on screen still leave and change as usual.
    Batch({{.id = "A"}, {.id = "B"}, {.id = "D"}, {.id = "F"}});
    EXPECT_EQ(Column(), (Ids{"B"}));
    EXPECT_EQ(3u, m_grid->GetHeldInsertCount());

    // A filter set meanwhile rebuilds the screen without the waiting rows, and refuses D.
    m_grid->SetColumnFilter(1, {"App-A", "App-B", "App-F"});
    Flush();
    EXPECT_EQ(Column(), (Ids{"B"}));
    EXPECT_EQ(2u, m_grid->GetHeldInsertCount());

    m_grid->SetInsertsHeld(false);
    const CGridFlushResult result = Flush();
    EXPECT_EQ(Column(), (Ids{"A", "B", "F"}));
    EXPECT_EQ(2u, result.inserted);
    EXPECT_EQ(0u, m_grid->GetHeldInsertCount());
}

TEST_F(GridFindCore, NarrowsAsTheTextGrowsAndWrapsRoundTheGrid)
{
    Batch({{.id = "N10"}, {.id = "N12"}, {.id = "N21"}, {.id = "M12"}});
    nxGridFind find(*m_grid);
    find.SetColumns({2, 1});
    find.SetText("n1");
    EXPECT_EQ(4u, find.GetHitCount()) << "N10 and N12, in both columns";
    find.SetText("N12");
    EXPECT_EQ(2u, find.GetHitCount());
    find.Rescan();
    EXPECT_EQ(2u, find.GetHitCount()) << "narrowing finds what a fresh search finds";

    find.SetText("12");
    EXPECT_EQ(4u, find.GetHitCount());
    ASSERT_TRUE(find.MoveFrom({0, 0}, true, true));
    EXPECT_EQ(Row("M12")->GetDisplayIndex(), find.GetCurrent().row);
    EXPECT_EQ(2u, find.GetCurrent().column) << "the id column comes first here";
    EXPECT_EQ(1u, find.GetCurrentNumber());
    ASSERT_TRUE(find.MoveFrom(find.GetCurrent(), false, false));
    EXPECT_EQ(Row("N12")->GetDisplayIndex(), find.GetCurrent().row);
    EXPECT_EQ(1u, find.GetCurrent().column);
    EXPECT_EQ(4u, find.GetCurrentNumber());

    find.SetText("zz");
    EXPECT_EQ(0u, find.GetHitCount());
    EXPECT_FALSE(find.HasCurrent());
    EXPECT_FALSE(find.MoveFrom({0, 0}, true, true));
}
