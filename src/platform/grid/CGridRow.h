#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "platform/grid/CGridAxis.h"

class CGridManager;

// A row of the grid. The manager keeps it apart in two lists: the rows it holds
// (from the moment it is built until its data goes) and the rows on screen (which
// only the flush changes, on the user-interface thread). A row whose data has gone
// stays an empty tombstone until the next flush takes it off the screen.
//
// Cells report changes from any thread by setting bits in the row's dirty mask;
// the first bit set puts the row on the manager's list of rows to repaint.
class CGridRow : public CGridAxis
{
public:
    // Dirty-mask bits past the columns that have one of their own.
    static constexpr uint64_t KeyChanged = 1ull << 63;
    static constexpr uint64_t WideColumnChanged = 1ull << 62;
    static constexpr size_t ColumnBits = 62;

    explicit CGridRow(CGridManager* manager);
    ~CGridRow() override;

    CGridManager* GetManager() const { return m_manager; }
    // Takes the cell and gives it the next column.
    void AddCell(CGridCell* cell);

    // Where the row stands on screen; user-interface thread, rows on screen only.
    bool IsOnScreen() const { return m_onScreen; }
    size_t GetDisplayIndex() const;
    bool IsRemoved() const { return m_removed; }
    // Rows that compare equal stand in the order they arrived.
    uint64_t GetSerial() const { return m_serial; }

    bool IsSelected() const { return m_selectedCells > 0; }
    // Told by a cell whose selection changed.
    void OnCellSelectionChanged(bool selected);

    void MarkCellDirty(size_t column);
    void MarkKeyDirty();

    // Order and filter of rows that have data to sort by; a plain row has neither.
    virtual int CompareForDisplay(const CGridRow&) const { return 0; }
    virtual bool PassesFilters() const { return true; }
    // Reads again what CompareForDisplay and PassesFilters use; called with the rows lock held.
    virtual void RefreshSortKey() {}

protected:
    void MarkDirty(uint64_t bits);

private:
    friend class CGridManager;
    friend class CGridFlush;

    CGridManager* m_manager;
    uint64_t m_serial;
    std::atomic<uint64_t> m_dirty{0};
    CGridRow* m_nextDirty = nullptr;
    size_t m_displayIndex = 0;
    size_t m_heldIndex = 0;
    size_t m_selectedCells = 0;
    bool m_onScreen = false;
    bool m_held = false;
    bool m_removed = false;
    bool m_insertPending = false;
};
