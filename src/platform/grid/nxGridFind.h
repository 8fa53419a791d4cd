#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

class CGridManager;
class CGridRow;

// Find in a grid: the cells of the rows on screen whose text holds the find text,
// ignoring ASCII case, in the columns given (the visible ones, in the order the
// operator sees them; the first 64 logical columns at most). It keeps its hits by
// row, so that a flush costs only the rows it touched: the window tells it each
// step as the model signals it. The current hit is the one the operator moved to;
// its number is counted afresh only after rows moved, and otherwise kept up by
// the hits that come and go above it.
// User-interface thread; it takes the grid's rows lock itself.
class nxGridFind
{
public:
    struct Place
    {
        size_t row = 0;
        size_t column = 0; // logical
    };

    explicit nxGridFind(CGridManager& manager);

    // A new text or new columns: every row on screen is searched again, or only
    // the hits when the new text holds the old one.
    void SetText(const std::string& text);
    const std::string& GetText() const { return m_text; }
    void SetColumns(std::vector<size_t> logicalColumnsInOrder);
    void Rescan();
    void Clear();

    // The flush's steps, as the model signals them.
    void RowsInserted(size_t first, size_t last);
    void RowsAboutToBeRemoved(size_t first, size_t last);
    void CellsChanged(size_t first, size_t last);
    // Rows moved: the hits stay, their places change.
    void RowsMoved()
    {
        m_ordinalValid = false;
        m_currentRowKnown = false;
    }
    // Before a reset: every row may go. The current hit is looked for again by Rescan.
    void Forget();

    size_t GetHitCount() const { return m_hitCount; }
    bool IsHit(const CGridRow* row, size_t column) const;
    bool IsCurrent(const CGridRow* row, size_t column) const;
    bool HasCurrent() const { return m_current != nullptr; }
    // The current hit's place, and its number counted from the top (1 for the first; 0 for none).
    Place GetCurrent() const;
    size_t GetCurrentNumber();

    // Makes current the first hit after the place going forward, or before it going
    // back (or at it, when included); false when there is none. The search wraps round.
    bool MoveFrom(Place from, bool forward, bool includeFrom);

private:
    uint64_t ScanRow(const CGridRow& row) const;
    void Narrow();
    // aboveCurrent: the row stands above the current hit's (when its number is known).
    void SetRowHits(const CGridRow* row, uint64_t mask, bool aboveCurrent);
    // The current hit's row when it and its number are kept up to date; else 0.
    size_t CurrentIndex() const;
    bool Matches(const std::string& text) const;
    // The position of a logical column in the operator's order; -1 when not searched.
    int PlaceOfColumn(size_t column) const;
    bool FindInRow(const CGridRow* row, int fromPlace, bool forward, size_t& column) const;

    CGridManager& m_manager;
    std::string m_text; // lower case
    std::vector<size_t> m_columns;
    std::unordered_map<const CGridRow*, uint64_t> m_hits;
    size_t m_hitCount = 0;
    const CGridRow* m_current = nullptr;
    size_t m_currentColumn = 0;
    // The current hit's row, followed through inserts and removals as the model signals them.
    size_t m_currentRow = 0;
    bool m_currentRowKnown = false;
    size_t m_ordinal = 0;
    bool m_ordinalValid = false;
};
