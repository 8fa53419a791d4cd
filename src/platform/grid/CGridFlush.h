#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "platform/grid/CGridFlushResult.h"

class CGridFlushSink;
class CGridManager;
class CGridRow;

// One flush of a grid: it takes in what changed since the last one and brings
// the rows on screen up to date, telling the sink each step. Runs on the
// user-interface thread with the grid's selection and rows locks held.
//
// Order of the steps: rows that leave (one signal per run), a row whose key
// changed (one move, or a layout change when several did), new rows (one signal
// per place they go), then the cells to repaint, merged into ranges. Where the
// steps would be too many signals, the screen is rebuilt in one reset instead.
// Last, rows whose data has gone leave the selection and are deleted, and rows a
// filter took off the screen are deselected.
class CGridFlush
{
public:
    CGridFlush(CGridManager& manager, CGridFlushSink& sink);
    CGridFlushResult Run();

    // More runs of removals or places of inserts than this rebuild the screen.
    static constexpr size_t MaxStructuralRuns = 32;
    // More ranges of changed cells than this are sent as one range.
    static constexpr size_t MaxChangedRanges = 32;

private:
    struct DirtyRow
    {
        CGridRow* row;
        uint64_t bits;
    };

    bool Less(const CGridRow* a, const CGridRow* b) const;
    void TakeDirtyRows();
    void Classify();
    bool ApplyRemovals();
    void ApplyMoves();
    void MoveOneRow(CGridRow* row);
    void ReorderRows(std::vector<CGridRow*> rows);
    bool ApplyInserts();
    void Rebuild(bool sortAll);
    void Resort();
    void ApplyCellChanges();
    void NoteFlashes();
    void DropReleasedRows();

    CGridManager& m_manager;
    CGridFlushSink& m_sink;
    CGridFlushResult m_result;

    std::vector<DirtyRow> m_dirty;
    std::vector<CGridRow*> m_released;
    std::vector<CGridRow*> m_leaving;
    std::vector<CGridRow*> m_keyChanged;
    std::vector<CGridRow*> m_arriving;
};
