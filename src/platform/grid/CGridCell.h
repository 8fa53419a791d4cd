#pragma once

#include <cstddef>
#include <string>

#include "platform/grid/CGridStyle.h"

class CGridRow;

// One cell of a row. Its style carries what the painter needs; its selection is
// kept on the user-interface thread and reported to its row.
class CGridCell
{
public:
    CGridCell() = default;
    virtual ~CGridCell() = default;
    CGridCell(const CGridCell&) = delete;
    CGridCell& operator=(const CGridCell&) = delete;

    CGridStyle* Style() { return &m_style; }
    const CGridStyle* Style() const { return &m_style; }

    // Selects or deselects this cell alone.
    virtual void Selected(bool selected);
    bool IsSelected() const { return m_selected; }

    // The text the cell shows; a plain cell shows none. Read with the grid's row lock held.
    virtual std::string GetText() const { return {}; }

    CGridRow* GetRow() const { return m_row; }
    size_t GetColumnIndex() const { return m_column; }
    // Where the cell sits; set by the row that takes it.
    void SetPosition(CGridRow* row, size_t column)
    {
        m_row = row;
        m_column = column;
    }

protected:
    // Asks for the cell to be repainted at the next flush; safe on any thread.
    void MarkDirty();

private:
    CGridStyle m_style;
    CGridRow* m_row = nullptr;
    size_t m_column = 0;
    bool m_selected = false;
};
