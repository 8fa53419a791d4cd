#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <set>
#include <vector>

#include "platform/base/nxMessageBox.h"
#include "platform/grid/CGridFlushResult.h"
#include "platform/grid/CGridStyleManager.h"
#include "platform/grid/data/CGridLock.h"
#include "platform/grid/nxAttributeObserverContainer.h"

class CGridCell;
class CGridFlushSink;
class CGridRow;
class CGridWindowHook;

// The grid without its data: the rows it holds, the rows on screen in display
// order, the selection, the style manager, and the flush that brings the screen
// up to date.
//
// Threads. Rows are taken in and let go on whatever thread changes the data
// (_HoldRow, _ReleaseRow, under the rows lock); cells report changes from any
// thread without a lock (CGridRow::MarkCellDirty). Everything else runs on the
// user-interface thread: only Flush changes the rows on screen. Lock order:
// selection lock, then rows lock, then a data row's lock, then an attribute's.
class CGridManager : public nxAttributeObserverContainer
{
public:
    CGridManager();
    ~CGridManager() override;

    // The grid's row lock: rows held, rows on screen, columns.
    CGridLock& GetRowsLock() const { return m_rowsLock; }
    CGridLock& GetSelectionLock() const { return m_selectionLock; }

    // Rows on screen, in display order (rows lock, or the user-interface thread).
    const std::vector<CGridRow*>& GetRowsInDisplayOrder() const { return m_order; }
    size_t GetDisplayRowCount() const { return m_order.size(); }
    CGridRow* GetDisplayRow(size_t index) const { return index < m_order.size() ? m_order[index] : nullptr; }
    size_t GetHeldRowCount() const;

    // The selected rows, ordered, with their count (selection lock).
    const std::set<CGridRow*>& GetSelectedRows() const { return m_selectedRows; }
    uint32_t GetSelectedRowCount() const;
    // A cell was selected or deselected by the operator; the base selects its whole row.
    virtual void OnCellSelectionChanged(CGridCell* cell, bool selected);
    // Whether a selection is always of whole rows, as the base makes it; the view then
    // selects, extends and moves by rows itself.
    virtual bool SelectsWholeRows() const { return true; }
    void ClearSelection();
    // Told by a row whose first cell was selected or last cell deselected.
    void OnRowSelectionChanged(CGridRow* row, bool selected);

    // The number of columns every row has cells for.
    virtual size_t GetColumnCount() const { return 0; }

    CGridStyleManager& GetStyleManager() { return m_styleManager; }
    const CGridStyleManager& GetStyleManager() const { return m_styleManager; }

    // Every cell on screen is repainted at the next flush, which is scheduled.
    void MarkGridAsDirty();
    // Flushes at once (user-interface thread); without a window, nothing happens.
    void DrawDirtyCells();

    // The window that shows the grid; null before it is destroyed. Waits for a wake in progress.
    void SetWindowHook(CGridWindowHook* hook);
    nxWindowRef GetOwnerWindowRef() const;

    // Brings the rows on screen up to date (user-interface thread).
    CGridFlushResult Flush(CGridFlushSink& sink);

    // While held (a mouse button down, a menu open), rows whose keys changed keep their places.
    void SetReorderHeld(bool held);

    // While held (the operator paused the grid), new rows wait off screen, in the
    // store as before; letting go shows them at the next flush. Rows that leave
    // while waiting are forgotten, and so are rows the filters refuse.
    void SetInsertsHeld(bool held);
    bool AreInsertsHeld() const { return m_insertsHeld; }
    // New rows waiting, as of the last flush.
    size_t GetHeldInsertCount() const { return m_heldInserts.size(); }

    // True when a cell of the rows on screen from first to last is still fading at that time.
    bool HasFadingCells(size_t first, size_t last, int64_t nowMilliseconds) const;
    static int64_t NowMilliseconds();

    // For rows and cells.
    void PushDirtyRow(CGridRow* row);
    uint64_t TakeRowSerial() { return m_nextSerial.fetch_add(1, std::memory_order_relaxed); }
    void EnsureDisplayIndexes() const;

protected:
    // Rows held; each call with the rows lock held.
    void _HoldRow(CGridRow* row);
    // The row's data is gone: it leaves the held rows now, and the screen and memory at the next flush.
    void _ReleaseRow(CGridRow* row);
    const std::vector<CGridRow*>& _GetHeldRows() const { return m_held; }

    // Asks the next flush to read every row's key again and sort afresh (rows lock).
    void _RequestResort();
    // Asks the next flush to rebuild the screen, running _OnRebuild within (rows lock).
    void _RequestRebuild();
    void _RequestSound() { m_playSound.store(true, std::memory_order_release); }
    // Wakes the window, once until the next flush starts.
    void _RequestWake();

    // Hooks of the flush, on the user-interface thread.
    virtual void _OnBeginFlush() {}
    // Within a rebuild, with both locks held: apply what changed the columns or filters.
    virtual void _OnRebuild() {}
    // Before a re-sort reads the keys again, with the rows lock held.
    virtual void _OnBeforeResort() {}
    // After the flush, with no grid lock held.
    virtual void _OnEndFlush(const CGridFlushResult&) {}

    // Deletes every held and released row; for the end of the grid, after they let go of their data.
    void _DeleteAllRows();

private:
    friend class CGridFlush;

    void InvalidateDisplayIndexesFrom(size_t index);

    mutable CGridLock m_rowsLock;
    mutable CGridLock m_selectionLock;

    std::vector<CGridRow*> m_held;
    std::vector<CGridRow*> m_order;
    mutable size_t m_indexesValidBelow = 0;
    std::vector<CGridRow*> m_pendingInserts;
    std::vector<CGridRow*> m_pendingRemovals;
    std::vector<CGridRow*> m_heldMovers;
    std::vector<CGridRow*> m_heldInserts;
    bool m_insertsHeld = false;
    bool m_resortPending = false;
    bool m_rebuildPending = false;
    bool m_reorderHeld = false;

    std::atomic<CGridRow*> m_dirtyHead{nullptr};
    std::atomic<bool> m_wakePending{false};
    std::atomic<bool> m_allDirty{false};
    std::atomic<bool> m_playSound{false};
    std::atomic<uint64_t> m_nextSerial{1};

    std::set<CGridRow*> m_selectedRows;
    CGridStyleManager m_styleManager;

    mutable std::mutex m_hookLock;
    CGridWindowHook* m_hook = nullptr;
};
