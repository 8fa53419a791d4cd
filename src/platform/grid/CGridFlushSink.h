#pragma once

#include <cstddef>

// What a flush tells the window, in the order it changes the rows on screen. Each
// Begin comes before the change and its End after it, with nothing in between, so
// a model over the rows can pass the signals on as they come. Indexes are rows on
// screen, counted as they stand at the Begin; moves name the row before which the
// moved row goes, as it stands before the move.
class CGridFlushSink
{
public:
    virtual ~CGridFlushSink() = default;

    virtual void BeginRemoveRows(size_t first, size_t last) = 0;
    virtual void EndRemoveRows() = 0;
    virtual void BeginInsertRows(size_t first, size_t last) = 0;
    virtual void EndInsertRows() = 0;
    virtual void BeginMoveRow(size_t from, size_t destination) = 0;
    virtual void EndMoveRow() = 0;
    // Many rows change places at once; afterwards each row's GetDisplayIndex is its new place.
    virtual void BeginLayoutChange() = 0;
    virtual void EndLayoutChange() = 0;
    // Everything may have changed: rows, order and columns.
    virtual void BeginReset() = 0;
    virtual void EndReset() = 0;
    // Cells to repaint, inclusive ranges.
    virtual void CellsChanged(size_t firstRow, size_t lastRow, size_t firstColumn, size_t lastColumn) = 0;
};
