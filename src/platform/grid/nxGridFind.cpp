#include "platform/grid/nxGridFind.h"

#include <algorithm>
#include <bit>
#include <cctype>

#include "platform/grid/CGridCell.h"
#include "platform/grid/CGridManager.h"
#include "platform/grid/CGridRow.h"
#include "platform/grid/data/CGridLockGuard.h"

namespace
{
constexpr size_t kMaskBits = 64;

char Lower(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}
} // namespace

nxGridFind::nxGridFind(CGridManager& manager) : m_manager(manager) {}

void nxGridFind::SetText(const std::string& text)
{
    std::string lower(text.size(), '\0');
    std::transform(text.begin(), text.end(), lower.begin(), Lower);
    if (lower == m_text)
        return;
    // Typing on: a cell that holds the longer text holds the shorter one, so only hits can stay hits.
    const bool narrower = !m_text.empty() && lower.find(m_text) != std::string::npos;
    m_text = std::move(lower);
    if (narrower)
        Narrow();
    else
        Rescan();
}

void nxGridFind::Narrow()
{
    CGridLockGuard rows(m_manager.GetRowsLock());
    const std::vector<std::pair<const CGridRow*, uint64_t>> hits(m_hits.begin(), m_hits.end());
    for (const auto& [row, mask] : hits)
    {
        uint64_t kept = 0;
        for (uint64_t bits = mask; bits != 0; bits &= bits - 1)
        {
            const size_t column = static_cast<size_t>(std::countr_zero(bits));
            if (const CGridCell* cell = row->Cell(column); cell && Matches(cell->GetText()))
                kept |= 1ull << column;
        }
        SetRowHits(row, kept, false);
    }
    m_ordinalValid = false;
}

void nxGridFind::SetColumns(std::vector<size_t> logicalColumnsInOrder)
{
    std::erase_if(logicalColumnsInOrder, [](size_t column) { return column >= kMaskBits; });
    if (logicalColumnsInOrder == m_columns)
        return;
    m_columns = std::move(logicalColumnsInOrder);
    Rescan();
}

void nxGridFind::Clear()
{
    m_text.clear();
    Forget();
    m_current = nullptr;
}

void nxGridFind::Forget()
{
    m_currentRowKnown = false;
    m_hits.clear();
    m_hitCount = 0;
    m_ordinalValid = false;
}

void nxGridFind::Rescan()
{
    // The current row may be gone: only its address is compared, never read.
    const CGridRow* current = m_current;
    const size_t currentColumn = m_currentColumn;
    Forget();
    m_current = nullptr;
    if (m_text.empty() || m_columns.empty())
        return;
    CGridLockGuard rows(m_manager.GetRowsLock());
    for (CGridRow* row : m_manager.GetRowsInDisplayOrder())
        SetRowHits(row, ScanRow(*row), false);
    if (current && IsHit(current, currentColumn))
    {
        m_current = current;
        m_currentColumn = currentColumn;
    }
}

bool nxGridFind::Matches(const std::string& text) const
{
    return std::search(text.begin(), text.end(), m_text.begin(), m_text.end(),
                       [](char a, char b) { return Lower(a) == b; }) != text.end();
}

uint64_t nxGridFind::ScanRow(const CGridRow& row) const
{
    uint64_t mask = 0;
    for (size_t column : m_columns)
        if (const CGridCell* cell = row.Cell(column); cell && Matches(cell->GetText()))
            mask |= 1ull << column;
    return mask;
}

void nxGridFind::SetRowHits(const CGridRow* row, uint64_t mask, bool aboveCurrent)
{
    const auto found = m_hits.find(row);
    const uint64_t before = found == m_hits.end() ? 0 : found->second;
    if (before == mask)
        return;
    const size_t lost = static_cast<size_t>(std::popcount(before));
    const size_t gained = static_cast<size_t>(std::popcount(mask));
    m_hitCount = m_hitCount - lost + gained;
    // The current hit's number moves by the hits that changed above it.
    if (row == m_current)
        m_ordinalValid = false;
    else if (aboveCurrent)
        m_ordinal = m_ordinal - lost + gained;
    if (mask == 0)
        m_hits.erase(found);
    else
        m_hits[row] = mask;
    if (row == m_current && !(mask & (1ull << m_currentColumn)))
        m_current = nullptr;
}

size_t nxGridFind::CurrentIndex() const
{
    return m_current && m_ordinalValid && m_currentRowKnown ? m_currentRow : 0;
}

void nxGridFind::RowsInserted(size_t first, size_t last)
{
    if (m_currentRowKnown && m_currentRow >= first)
        m_currentRow += last - first + 1;
    if (m_text.empty())
        return;
    CGridLockGuard rows(m_manager.GetRowsLock());
    const size_t current = CurrentIndex();
    for (size_t index = first; index <= last; ++index)
        if (CGridRow* row = m_manager.GetDisplayRow(index))
            SetRowHits(row, ScanRow(*row), index < current);
}

void nxGridFind::RowsAboutToBeRemoved(size_t first, size_t last)
{
    if (!m_hits.empty())
    {
        CGridLockGuard rows(m_manager.GetRowsLock());
        const size_t current = CurrentIndex();
        for (size_t index = first; index <= last; ++index)
            if (CGridRow* row = m_manager.GetDisplayRow(index))
                SetRowHits(row, 0, index < current);
    }
    if (m_currentRowKnown && m_currentRow > last)
        m_currentRow -= last - first + 1;
}

void nxGridFind::CellsChanged(size_t first, size_t last)
{
    if (m_text.empty())
        return;
    CGridLockGuard rows(m_manager.GetRowsLock());
    const size_t current = CurrentIndex();
    for (size_t index = first; index <= last; ++index)
        if (CGridRow* row = m_manager.GetDisplayRow(index))
            SetRowHits(row, ScanRow(*row), index < current);
}

bool nxGridFind::IsHit(const CGridRow* row, size_t column) const
{
    if (column >= kMaskBits || m_hits.empty())
        return false;
    const auto found = m_hits.find(row);
    return found != m_hits.end() && (found->second & (1ull << column));
}

bool nxGridFind::IsCurrent(const CGridRow* row, size_t column) const
{
    return m_current && row == m_current && column == m_currentColumn;
}

nxGridFind::Place nxGridFind::GetCurrent() const
{
    if (!m_current)
        return {};
    return {m_currentRowKnown ? m_currentRow : m_current->GetDisplayIndex(), m_currentColumn};
}

int nxGridFind::PlaceOfColumn(size_t column) const
{
    const auto found = std::find(m_columns.begin(), m_columns.end(), column);
    return found == m_columns.end() ? -1 : static_cast<int>(found - m_columns.begin());
}

size_t nxGridFind::GetCurrentNumber()
{
    if (!m_current)
        return 0;
    if (m_ordinalValid)
        return m_ordinal;
    CGridLockGuard rows(m_manager.GetRowsLock());
    const size_t currentRow = m_current->GetDisplayIndex();
    m_currentRow = currentRow;
    m_currentRowKnown = true;
    size_t before = 0;
    for (const auto& [row, mask] : m_hits)
        if (row->GetDisplayIndex() < currentRow)
            before += static_cast<size_t>(std::popcount(mask));
    const uint64_t mask = m_hits.at(m_current);
    const int currentPlace = PlaceOfColumn(m_currentColumn);
    for (int place = 0; place < currentPlace; ++place)
        if (mask & (1ull << m_columns[static_cast<size_t>(place)]))
            ++before;
    m_ordinal = before + 1;
    m_ordinalValid = true;
    return m_ordinal;
}

bool nxGridFind::FindInRow(const CGridRow* row, int fromPlace, bool forward, size_t& column) const
{
    const auto found = m_hits.find(row);
    if (found == m_hits.end())
        return false;
    const int places = static_cast<int>(m_columns.size());
    for (int place = fromPlace; place >= 0 && place < places; place += forward ? 1 : -1)
        if (found->second & (1ull << m_columns[static_cast<size_t>(place)]))
        {
            column = m_columns[static_cast<size_t>(place)];
            return true;
        }
    return false;
}

bool nxGridFind::MoveFrom(Place from, bool forward, bool includeFrom)
{
    if (m_hits.empty())
        return false;
    CGridLockGuard rows(m_manager.GetRowsLock());
    const size_t count = m_manager.GetDisplayRowCount();
    if (count == 0)
        return false;
    const size_t start = std::min(from.row, count - 1);
    const int places = static_cast<int>(m_columns.size());
    int place = PlaceOfColumn(from.column);
    if (place < 0)
        place = forward ? -1 : places;
    else if (!includeFrom)
        place += forward ? 1 : -1;
    const int firstPlace = std::clamp(place, -1, places);
    // Round the grid once, back to the start row's other side.
    for (size_t step = 0; step <= count; ++step)
    {
        const size_t index = forward ? (start + step) % count : (start + count - step % count) % count;
        const CGridRow* row = m_manager.GetDisplayRow(index);
        int fromPlace = forward ? 0 : places - 1;
        if (step == 0)
        {
            fromPlace = forward ? std::max(firstPlace, 0) : std::min(firstPlace, places - 1);
            if (fromPlace < 0 || fromPlace >= places)
                continue;
        }
        size_t column = 0;
        if (FindInRow(row, fromPlace, forward, column))
        {
            m_current = row;
            m_currentColumn = column;
            m_currentRow = index;
            m_currentRowKnown = true;
            m_ordinalValid = false;
            return true;
        }
    }
    return false;
}
