#pragma once

#include <cstddef>
#include <memory>
#include <vector>

class CGridCell;

// A line of cells that owns them; a row is one.
class CGridAxis
{
public:
    CGridAxis();
    virtual ~CGridAxis();
    CGridAxis(const CGridAxis&) = delete;
    CGridAxis& operator=(const CGridAxis&) = delete;

    // Null past the last cell.
    CGridCell* Cell(size_t index) const { return index < m_cells.size() ? m_cells[index].get() : nullptr; }
    size_t GetCellCount() const { return m_cells.size(); }

protected:
    void AppendCell(std::unique_ptr<CGridCell> cell);
    std::vector<std::unique_ptr<CGridCell>> TakeCells();

private:
    std::vector<std::unique_ptr<CGridCell>> m_cells;
};
