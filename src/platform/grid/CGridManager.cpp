#include "platform/grid/CGridManager.h"

#include <algorithm>

#include "platform/base/nxSteadyClock.h"
#include "platform/grid/CGridCell.h"
#include "platform/grid/CGridFlush.h"
#include "platform/grid/CGridRow.h"
#include "platform/grid/CGridWindowHook.h"
#include "platform/grid/data/CGridLockGuard.h"

CGridManager::CGridManager() = default;

CGridManager::~CGridManager()
{
    _DeleteAllRows();
}

size_t CGridManager::GetHeldRowCount() const
{
    CGridLockGuard rows(m_rowsLock);
    return m_held.size();
}

uint32_t CGridManager::GetSelectedRowCount() const
{
    CGridLockGuard selection(m_selectionLock);
    return static_cast<uint32_t>(m_selectedRows.size());
}

void CGridManager::OnCellSelectionChanged(CGridCell* cell, bool selected)
{
    CGridRow* row = cell ? cell->GetRow() : nullptr;
    if (!row)
        return;
    CGridLockGuard selection(m_selectionLock);
    for (size_t column = 0; column < row->GetCellCount(); ++column)
        row->Cell(column)->Selected(selected);
}

void CGridManager::ClearSelection()
{
    CGridLockGuard selection(m_selectionLock);
    const std::set<CGridRow*> rows = m_selectedRows;
    for (CGridRow* row : rows)
        for (size_t column = 0; column < row->GetCellCount(); ++column)
            row->Cell(column)->Selected(false);
}

void CGridManager::OnRowSelectionChanged(CGridRow* row, bool selected)
{
    CGridLockGuard selection(m_selectionLock);
    if (selected)
        m_selectedRows.insert(row);
    else
        m_selectedRows.erase(row);
}

void CGridManager::MarkGridAsDirty()
{
    m_allDirty.store(true, std::memory_order_release);
    _RequestWake();
}

void CGridManager::DrawDirtyCells()
{
    std::unique_lock guard(m_hookLock);
    CGridWindowHook* hook = m_hook;
    guard.unlock();
    // The window is only replaced on this thread, so it stays while it flushes.
    if (hook)
        hook->DrawGridNow();
}

void CGridManager::SetWindowHook(CGridWindowHook* hook)
{
    std::lock_guard guard(m_hookLock);
    m_hook = hook;
}

nxWindowRef CGridManager::GetOwnerWindowRef() const
{
    std::lock_guard guard(m_hookLock);
    return m_hook ? m_hook->GetGridWindowRef() : nxWindowRef();
}

CGridFlushResult CGridManager::Flush(CGridFlushSink& sink)
{
    // Changes from here on wake the window again.
    m_wakePending.store(false, std::memory_order_release);
    _OnBeginFlush();
    CGridFlushResult result;
    {
        CGridLockGuard selection(m_selectionLock);
        CGridLockGuard rows(m_rowsLock);
        CGridFlush flush(*this, sink);
        result = flush.Run();
    }
    result.playSound = m_playSound.exchange(false, std::memory_order_acq_rel);
    _OnEndFlush(result);
    return result;
}

void CGridManager::SetReorderHeld(bool held)
{
    m_reorderHeld = held;
    if (!held && !m_heldMovers.empty())
        _RequestWake();
}

void CGridManager::SetInsertsHeld(bool held)
{
    CGridLockGuard rows(m_rowsLock);
    m_insertsHeld = held;
    if (!held && !m_heldInserts.empty())
        _RequestWake();
}

bool CGridManager::HasFadingCells(size_t first, size_t last, int64_t nowMilliseconds) const
{
    const int64_t duration = m_styleManager.GetFlashDurationMilliseconds();
    CGridLockGuard rows(m_rowsLock);
    for (size_t index = first; index <= last && index < m_order.size(); ++index)
    {
        const CGridRow* row = m_order[index];
        for (size_t column = 0; column < row->GetCellCount(); ++column)
        {
            const CGridStyle::FlashState flash = row->Cell(column)->Style()->GetFlash();
            if (flash.kind != CGridStyle::Flash::None && nowMilliseconds - flash.startMilliseconds < duration)
                return true;
        }
    }
    return false;
}

int64_t CGridManager::NowMilliseconds()
{
    return nxSteadyClock::NowNanoseconds() / 1'000'000;
}

void CGridManager::PushDirtyRow(CGridRow* row)
{
    CGridRow* head = m_dirtyHead.load(std::memory_order_relaxed);
    do
        row->m_nextDirty = head;
    while (
        !m_dirtyHead.compare_exchange_weak(head, row, std::memory_order_release, std::memory_order_relaxed));
    _RequestWake();
}

void CGridManager::EnsureDisplayIndexes() const
{
    for (size_t index = m_indexesValidBelow; index < m_order.size(); ++index)
        m_order[index]->m_displayIndex = index;
    m_indexesValidBelow = m_order.size();
}

void CGridManager::InvalidateDisplayIndexesFrom(size_t index)
{
    m_indexesValidBelow = std::min(m_indexesValidBelow, index);
}

void CGridManager::_HoldRow(CGridRow* row)
{
    row->m_held = true;
    row->m_heldIndex = m_held.size();
    m_held.push_back(row);
    row->m_insertPending = true;
    m_pendingInserts.push_back(row);
    _RequestWake();
}

void CGridManager::_ReleaseRow(CGridRow* row)
{
    if (!row->m_held)
        return;
    CGridRow* last = m_held.back();
    m_held[row->m_heldIndex] = last;
    last->m_heldIndex = row->m_heldIndex;
    m_held.pop_back();
    row->m_held = false;
    row->m_removed = true;
    m_pendingRemovals.push_back(row);
    _RequestWake();
}

void CGridManager::_RequestResort()
{
    m_resortPending = true;
    _RequestWake();
}

void CGridManager::_RequestRebuild()
{
    m_rebuildPending = true;
    _RequestWake();
}

void CGridManager::_RequestWake()
{
    if (m_wakePending.exchange(true, std::memory_order_acq_rel))
        return;
    std::lock_guard guard(m_hookLock);
    if (m_hook)
        m_hook->WakeGrid();
}

void CGridManager::_DeleteAllRows()
{
    CGridLockGuard selection(m_selectionLock);
    CGridLockGuard rows(m_rowsLock);
    m_selectedRows.clear();
    m_order.clear();
    m_pendingInserts.clear();
    m_heldMovers.clear();
    m_heldInserts.clear();
    m_dirtyHead.store(nullptr, std::memory_order_release);
    for (CGridRow* row : m_held)
        delete row;
    m_held.clear();
    for (CGridRow* row : m_pendingRemovals)
        delete row;
    m_pendingRemovals.clear();
    m_indexesValidBelow = 0;
}
