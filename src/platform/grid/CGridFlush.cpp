#include "platform/grid/CGridFlush.h"

#include <algorithm>
#include <bit>
#include <set>

#include "platform/grid/CGridCell.h"
#include "platform/grid/CGridFlushSink.h"
#include "platform/grid/CGridManager.h"
#include "platform/grid/CGridRow.h"

namespace
{
// Consecutive values as [first, last] runs.
std::vector<std::pair<size_t, size_t>> Runs(std::vector<size_t> values)
{
    std::sort(values.begin(), values.end());
    std::vector<std::pair<size_t, size_t>> runs;
    for (size_t value : values)
    {
        if (!runs.empty() && runs.back().second + 1 == value)
            runs.back().second = value;
        else
            runs.emplace_back(value, value);
    }
    return runs;
}
} // namespace

CGridFlush::CGridFlush(CGridManager& manager, CGridFlushSink& sink) : m_manager(manager), m_sink(sink) {}

bool CGridFlush::Less(const CGridRow* a, const CGridRow* b) const
{
    const int order = a->CompareForDisplay(*b);
    return order != 0 ? order < 0 : a->GetSerial() < b->GetSerial();
}

CGridFlushResult CGridFlush::Run()
{
    TakeDirtyRows();
    m_released.swap(m_manager.m_pendingRemovals);
    const bool rebuild = m_manager.m_rebuildPending;
    const bool resort = m_manager.m_resortPending;
    m_manager.m_rebuildPending = false;
    m_manager.m_resortPending = false;

    Classify();
    const bool structural = !m_leaving.empty() || !m_arriving.empty();
    if (rebuild || (resort && structural))
        Rebuild(true);
    else if (resort)
        Resort();
    else if (!ApplyRemovals())
        Rebuild(false);
    else
    {
        ApplyMoves();
        if (!ApplyInserts())
            Rebuild(false);
    }
    if (!m_result.reset)
        ApplyCellChanges();
    NoteFlashes();
    DropReleasedRows();
    return m_result;
}

void CGridFlush::TakeDirtyRows()
{
    CGridRow* row = m_manager.m_dirtyHead.exchange(nullptr, std::memory_order_acq_rel);
    std::vector<CGridRow*> rows;
    for (; row; row = row->m_nextDirty)
        rows.push_back(row);
    // Only once every link is read may a row be put on the list again.
    m_dirty.reserve(rows.size());
    for (CGridRow* dirty : rows)
        m_dirty.push_back({dirty, dirty->m_dirty.exchange(0, std::memory_order_acq_rel)});
}

void CGridFlush::Classify()
{
    std::vector<CGridRow*> movers;
    movers.swap(m_manager.m_heldMovers);
    for (const DirtyRow& dirty : m_dirty)
    {
        CGridRow* row = dirty.row;
        if (row->m_removed || !(dirty.bits & CGridRow::KeyChanged))
            continue;
        row->RefreshSortKey();
        if (row->m_onScreen)
            movers.push_back(row);
        else if (!row->m_insertPending && row->PassesFilters())
            m_arriving.push_back(row);
    }
    for (CGridRow* row : movers)
    {
        if (row->m_removed || !row->m_onScreen)
            continue;
        if (!row->PassesFilters())
            m_leaving.push_back(row);
        else if (m_manager.m_reorderHeld)
            m_manager.m_heldMovers.push_back(row);
        else
            m_keyChanged.push_back(row);
    }
    // A row may have been told twice (held back, then changed again).
    std::sort(m_keyChanged.begin(), m_keyChanged.end());
    m_keyChanged.erase(std::unique(m_keyChanged.begin(), m_keyChanged.end()), m_keyChanged.end());
    for (CGridRow* row : m_released)
        if (row->m_onScreen)
            m_leaving.push_back(row);
    const bool held = m_manager.m_insertsHeld;
    std::vector<CGridRow*> inserts;
    if (!held)
        inserts.swap(m_manager.m_heldInserts);
    else if (!m_released.empty())
        std::erase_if(m_manager.m_heldInserts, [](const CGridRow* row) { return row->m_removed; });
    inserts.insert(inserts.end(), m_manager.m_pendingInserts.begin(), m_manager.m_pendingInserts.end());
    m_manager.m_pendingInserts.clear();
    for (CGridRow* row : inserts)
    {
        const bool wanted = !row->m_removed && !row->m_onScreen && row->PassesFilters();
        // A waiting row stays marked pending, so that no key change brings it on screen.
        row->m_insertPending = held && wanted;
        if (held && wanted)
            m_manager.m_heldInserts.push_back(row);
        else if (wanted)
            m_arriving.push_back(row);
    }
}

bool CGridFlush::ApplyRemovals()
{
    if (m_leaving.empty())
        return true;
    m_manager.EnsureDisplayIndexes();
    std::vector<size_t> indexes;
    indexes.reserve(m_leaving.size());
    for (CGridRow* row : m_leaving)
        indexes.push_back(row->m_displayIndex);
    const auto runs = Runs(std::move(indexes));
    if (runs.size() > MaxStructuralRuns)
        return false;
    std::vector<CGridRow*>& order = m_manager.m_order;
    for (auto run = runs.rbegin(); run != runs.rend(); ++run)
    {
        m_sink.BeginRemoveRows(run->first, run->second);
        for (size_t index = run->first; index <= run->second; ++index)
            order[index]->m_onScreen = false;
        order.erase(order.begin() + static_cast<ptrdiff_t>(run->first),
                    order.begin() + static_cast<ptrdiff_t>(run->second + 1));
        m_manager.InvalidateDisplayIndexesFrom(run->first);
        m_sink.EndRemoveRows();
    }
    m_result.removed += m_leaving.size();
    m_leaving.clear();
    return true;
}

void CGridFlush::ApplyMoves()
{
    if (m_keyChanged.empty())
        return;
    m_manager.EnsureDisplayIndexes();
    const std::vector<CGridRow*>& order = m_manager.m_order;
    std::vector<CGridRow*> outOfPlace;
    for (CGridRow* row : m_keyChanged)
    {
        const size_t index = row->m_displayIndex;
        const bool afterPrevious = index == 0 || Less(order[index - 1], row);
        const bool beforeNext = index + 1 == order.size() || Less(row, order[index + 1]);
        if (!afterPrevious || !beforeNext)
            outOfPlace.push_back(row);
    }
    if (outOfPlace.empty())
    {
        m_keyChanged.clear();
        return;
    }
    // With one changed key the other rows are in order and one move suffices;
    // otherwise every changed row is taken out and merged back.
    if (m_keyChanged.size() == 1)
        MoveOneRow(outOfPlace.front());
    else
        ReorderRows(m_keyChanged);
    m_keyChanged.clear();
}

void CGridFlush::MoveOneRow(CGridRow* row)
{
    std::vector<CGridRow*>& order = m_manager.m_order;
    const size_t from = row->m_displayIndex;
    const auto less = [this](const CGridRow* a, const CGridRow* b) { return Less(a, b); };
    const bool goesUp = from > 0 && Less(row, order[from - 1]);
    const auto place =
        goesUp ? std::upper_bound(order.begin(), order.begin() + static_cast<ptrdiff_t>(from), row, less)
               : std::upper_bound(order.begin() + static_cast<ptrdiff_t>(from + 1), order.end(), row, less);
    const size_t destination = static_cast<size_t>(place - order.begin());
    m_sink.BeginMoveRow(from, destination);
    order.erase(order.begin() + static_cast<ptrdiff_t>(from));
    const size_t to = destination > from ? destination - 1 : destination;
    order.insert(order.begin() + static_cast<ptrdiff_t>(to), row);
    m_manager.InvalidateDisplayIndexesFrom(std::min(from, to));
    m_manager.EnsureDisplayIndexes();
    m_sink.EndMoveRow();
    m_result.moved = 1;
}

void CGridFlush::ReorderRows(std::vector<CGridRow*> rows)
{
    std::vector<CGridRow*>& order = m_manager.m_order;
    const auto less = [this](const CGridRow* a, const CGridRow* b) { return Less(a, b); };
    m_sink.BeginLayoutChange();
    for (CGridRow* row : rows)
        row->m_onScreen = false;
    std::erase_if(order, [](const CGridRow* row) { return !row->m_onScreen; });
    std::sort(rows.begin(), rows.end(), less);
    const size_t middle = order.size();
    for (CGridRow* row : rows)
    {
        row->m_onScreen = true;
        order.push_back(row);
    }
    std::inplace_merge(order.begin(), order.begin() + static_cast<ptrdiff_t>(middle), order.end(), less);
    m_manager.InvalidateDisplayIndexesFrom(0);
    m_manager.EnsureDisplayIndexes();
    m_sink.EndLayoutChange();
    m_result.moved = rows.size();
    m_result.layoutChanged = true;
}

bool CGridFlush::ApplyInserts()
{
    if (m_arriving.empty())
        return true;
    const auto less = [this](const CGridRow* a, const CGridRow* b) { return Less(a, b); };
    std::sort(m_arriving.begin(), m_arriving.end(), less);
    std::vector<CGridRow*>& order = m_manager.m_order;
    // Groups of new rows that go to the same place, found before anything moves.
    std::vector<std::pair<size_t, size_t>> groups; // place, first of m_arriving
    for (size_t index = 0; index < m_arriving.size(); ++index)
    {
        const size_t place = static_cast<size_t>(
            std::upper_bound(order.begin(), order.end(), m_arriving[index], less) - order.begin());
        if (groups.empty() || groups.back().first != place)
            groups.emplace_back(place, index);
    }
    if (groups.size() > MaxStructuralRuns)
        return false;
    for (size_t group = groups.size(); group-- > 0;)
    {
        const size_t place = groups[group].first;
        const size_t first = groups[group].second;
        const size_t end = group + 1 < groups.size() ? groups[group + 1].second : m_arriving.size();
        m_sink.BeginInsertRows(place, place + (end - first) - 1);
        for (size_t index = first; index < end; ++index)
            m_arriving[index]->m_onScreen = true;
        order.insert(order.begin() + static_cast<ptrdiff_t>(place),
                     m_arriving.begin() + static_cast<ptrdiff_t>(first),
                     m_arriving.begin() + static_cast<ptrdiff_t>(end));
        m_manager.InvalidateDisplayIndexesFrom(place);
        m_sink.EndInsertRows();
    }
    m_result.inserted += m_arriving.size();
    m_arriving.clear();
    return true;
}

void CGridFlush::Rebuild(bool sortAll)
{
    std::vector<CGridRow*>& order = m_manager.m_order;
    const auto less = [this](const CGridRow* a, const CGridRow* b) { return Less(a, b); };
    m_sink.BeginReset();
    if (sortAll)
    {
        m_manager._OnRebuild();
        m_manager._OnBeforeResort();
    }
    std::vector<CGridRow*> rows;
    std::vector<CGridRow*> merged;
    if (sortAll)
    {
        for (CGridRow* row : m_manager.m_held)
        {
            row->RefreshSortKey();
            if (row->PassesFilters() && !row->m_insertPending)
                merged.push_back(row);
        }
        // Waiting rows that the new filters refuse wait no longer.
        std::erase_if(m_manager.m_heldInserts,
                      [](CGridRow* row)
                      {
                          row->m_insertPending = row->PassesFilters();
                          return !row->m_insertPending;
                      });
    }
    else
    {
        // The rows that stay keep their order: only new rows and rows whose key
        // changed are merged in.
        for (CGridRow* row : m_leaving)
            row->m_onScreen = false;
        for (CGridRow* row : m_keyChanged)
            row->m_onScreen = false;
        for (CGridRow* row : order)
            if (row->m_onScreen && !row->m_removed)
                rows.push_back(row);
        merged = m_keyChanged;
        merged.insert(merged.end(), m_arriving.begin(), m_arriving.end());
    }
    for (CGridRow* row : order)
        row->m_onScreen = false;
    std::sort(merged.begin(), merged.end(), less);
    const size_t middle = rows.size();
    rows.insert(rows.end(), merged.begin(), merged.end());
    std::inplace_merge(rows.begin(), rows.begin() + static_cast<ptrdiff_t>(middle), rows.end(), less);
    for (CGridRow* row : rows)
        row->m_onScreen = true;
    order.swap(rows);
    m_manager.InvalidateDisplayIndexesFrom(0);
    m_manager.EnsureDisplayIndexes();
    m_leaving.clear();
    m_arriving.clear();
    m_keyChanged.clear();
    m_manager.m_allDirty.store(false, std::memory_order_release);
    m_sink.EndReset();
    m_result.reset = true;
}

void CGridFlush::Resort()
{
    std::vector<CGridRow*>& order = m_manager.m_order;
    m_sink.BeginLayoutChange();
    m_manager._OnBeforeResort();
    for (CGridRow* row : m_manager.m_held)
        row->RefreshSortKey();
    std::sort(order.begin(), order.end(),
              [this](const CGridRow* a, const CGridRow* b) { return Less(a, b); });
    m_manager.InvalidateDisplayIndexesFrom(0);
    m_manager.EnsureDisplayIndexes();
    m_sink.EndLayoutChange();
    m_result.layoutChanged = true;
}

void CGridFlush::ApplyCellChanges()
{
    const size_t rowCount = m_manager.m_order.size();
    const size_t columnCount = m_manager.GetColumnCount();
    if (rowCount == 0 || columnCount == 0)
        return;
    if (m_manager.m_allDirty.exchange(false, std::memory_order_acq_rel))
    {
        m_sink.CellsChanged(0, rowCount - 1, 0, columnCount - 1);
        m_result.changedRanges = 1;
        return;
    }
    struct Range
    {
        size_t firstRow, lastRow, firstColumn, lastColumn;
    };
    std::vector<Range> cells;
    for (const DirtyRow& dirty : m_dirty)
    {
        const uint64_t columns = dirty.bits & ~CGridRow::KeyChanged;
        if (columns == 0 || dirty.row->m_removed || !dirty.row->m_onScreen)
            continue;
        m_manager.EnsureDisplayIndexes();
        const bool wide = (columns & CGridRow::WideColumnChanged) != 0;
        const size_t first = wide ? 0 : static_cast<size_t>(std::countr_zero(columns));
        const size_t last = wide ? columnCount - 1 : 63 - static_cast<size_t>(std::countl_zero(columns));
        const size_t index = dirty.row->m_displayIndex;
        cells.push_back({index, index, std::min(first, columnCount - 1), std::min(last, columnCount - 1)});
    }
    if (cells.empty())
        return;
    std::sort(cells.begin(), cells.end(),
              [](const Range& a, const Range& b) { return a.firstRow < b.firstRow; });
    std::vector<Range> ranges;
    for (const Range& cell : cells)
    {
        // Rows one apart share a range: repainting the one between costs less than a second signal.
        if (!ranges.empty() && cell.firstRow <= ranges.back().lastRow + 2)
        {
            Range& range = ranges.back();
            range.lastRow = std::max(range.lastRow, cell.lastRow);
            range.firstColumn = std::min(range.firstColumn, cell.firstColumn);
            range.lastColumn = std::max(range.lastColumn, cell.lastColumn);
        }
        else
            ranges.push_back(cell);
    }
    if (ranges.size() > MaxChangedRanges)
    {
        Range all = ranges.front();
        for (const Range& range : ranges)
        {
            all.lastRow = std::max(all.lastRow, range.lastRow);
            all.firstColumn = std::min(all.firstColumn, range.firstColumn);
            all.lastColumn = std::max(all.lastColumn, range.lastColumn);
        }
        ranges.assign(1, all);
    }
    for (const Range& range : ranges)
        m_sink.CellsChanged(range.firstRow, range.lastRow, range.firstColumn, range.lastColumn);
    m_result.changedRanges = ranges.size();
}

void CGridFlush::NoteFlashes()
{
    const int64_t now = CGridManager::NowMilliseconds();
    const int64_t duration = m_manager.GetStyleManager().GetFlashDurationMilliseconds();
    for (const DirtyRow& dirty : m_dirty)
    {
        const CGridRow* row = dirty.row;
        if (row->m_removed || !row->m_onScreen)
            continue;
        bool flashing = false;
        for (size_t column = 0; column < row->GetCellCount() && !flashing; ++column)
        {
            const CGridStyle::FlashState flash = row->Cell(column)->Style()->GetFlash();
            flashing = flash.kind != CGridStyle::Flash::None && now - flash.startMilliseconds < duration;
        }
        if (!flashing)
            continue;
        m_manager.EnsureDisplayIndexes();
        const size_t index = row->m_displayIndex;
        m_result.firstFlashedRow = m_result.flashed ? std::min(m_result.firstFlashedRow, index) : index;
        m_result.lastFlashedRow = m_result.flashed ? std::max(m_result.lastFlashedRow, index) : index;
        m_result.flashed = true;
    }
}

void CGridFlush::DropReleasedRows()
{
    for (CGridRow* row : m_released)
    {
        m_manager.m_selectedRows.erase(row);
        delete row;
    }
    m_released.clear();
    // A row a filter took off the screen is no longer selected: actions act only on rows the operator sees.
    const std::set<CGridRow*> selected = m_manager.m_selectedRows;
    for (CGridRow* row : selected)
        if (!row->m_onScreen)
            for (size_t column = 0; column < row->GetCellCount(); ++column)
                row->Cell(column)->Selected(false);
}
