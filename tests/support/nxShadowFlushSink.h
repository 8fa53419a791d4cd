#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "platform/grid/CGridFlushSink.h"
#include "platform/grid/CGridManager.h"
#include "platform/grid/CGridRow.h"

// Follows a flush's signals on a copy of the rows on screen, as a model's view
// would, and checks after each one that the copy and the grid agree.
class nxShadowFlushSink : public CGridFlushSink
{
public:
    explicit nxShadowFlushSink(CGridManager& grid) : m_grid(grid), m_rows(grid.GetRowsInDisplayOrder()) {}

    void BeginRemoveRows(size_t first, size_t last) override
    {
        Begin(first, last, m_rows.size());
        m_first = first;
        m_last = last;
    }
    void EndRemoveRows() override
    {
        m_rows.erase(m_rows.begin() + static_cast<ptrdiff_t>(m_first),
                     m_rows.begin() + static_cast<ptrdiff_t>(m_last + 1));
        End();
        ++m_counts.removes;
    }
    void BeginInsertRows(size_t first, size_t last) override
    {
        Begin(first, first, m_rows.size() + 1);
        m_first = first;
        m_last = last;
    }
    void EndInsertRows() override
    {
        const auto& order = m_grid.GetRowsInDisplayOrder();
        m_rows.insert(m_rows.begin() + static_cast<ptrdiff_t>(m_first),
                      order.begin() + static_cast<ptrdiff_t>(m_first),
                      order.begin() + static_cast<ptrdiff_t>(m_last + 1));
        End();
        ++m_counts.inserts;
    }
    void BeginMoveRow(size_t from, size_t destination) override
    {
        Begin(from, from, m_rows.size());
        EXPECT_LE(destination, m_rows.size());
        EXPECT_TRUE(destination < from || destination > from + 1) << "a move that goes nowhere";
        m_first = from;
        m_last = destination;
    }
    void EndMoveRow() override
    {
        CGridRow* row = m_rows[m_first];
        m_rows.erase(m_rows.begin() + static_cast<ptrdiff_t>(m_first));
        m_rows.insert(m_rows.begin() + static_cast<ptrdiff_t>(m_last > m_first ? m_last - 1 : m_last), row);
        End();
        ++m_counts.moves;
    }
    void BeginLayoutChange() override
    {
        EXPECT_FALSE(m_open);
        m_open = true;
        m_countBefore = m_rows.size();
    }
    void EndLayoutChange() override
    {
        m_rows = m_grid.GetRowsInDisplayOrder();
        EXPECT_EQ(m_rows.size(), m_countBefore) << "a layout change may not add or remove rows";
        for (size_t index = 0; index < m_rows.size(); ++index)
            EXPECT_EQ(m_rows[index]->GetDisplayIndex(), index);
        End();
        ++m_counts.layouts;
    }
    void BeginReset() override
    {
        EXPECT_FALSE(m_open);
        m_open = true;
    }
    void EndReset() override
    {
        m_rows = m_grid.GetRowsInDisplayOrder();
        End();
        ++m_counts.resets;
    }
    void CellsChanged(size_t firstRow, size_t lastRow, size_t firstColumn, size_t lastColumn) override
    {
        EXPECT_FALSE(m_open);
        EXPECT_LE(firstRow, lastRow);
        EXPECT_LT(lastRow, m_rows.size());
        EXPECT_LE(firstColumn, lastColumn);
        ++m_counts.cells;
        m_counts.changedRows.push_back({firstRow, lastRow});
    }

    struct Counts
    {
        int removes = 0, inserts = 0, moves = 0, layouts = 0, resets = 0, cells = 0;
        std::vector<std::pair<size_t, size_t>> changedRows;
    };
    Counts m_counts;

private:
    void Begin(size_t first, size_t last, size_t limit)
    {
        EXPECT_FALSE(m_open) << "a signal began inside another";
        EXPECT_LE(first, last);
        EXPECT_LT(last, limit);
        m_open = true;
    }
    void End()
    {
        EXPECT_TRUE(m_open);
        m_open = false;
        EXPECT_EQ(m_rows, m_grid.GetRowsInDisplayOrder())
            << "the rows the signals describe are not the grid's";
    }

    CGridManager& m_grid;
    std::vector<CGridRow*> m_rows;
    size_t m_first = 0, m_last = 0, m_countBefore = 0;
    bool m_open = false;
};
