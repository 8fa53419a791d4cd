#include "platform/grid/CGridAxis.h"

#include "platform/grid/CGridCell.h"

CGridAxis::CGridAxis() = default;

CGridAxis::~CGridAxis() = default;

void CGridAxis::AppendCell(std::unique_ptr<CGridCell> cell)
{
    m_cells.push_back(std::move(cell));
}

std::vector<std::unique_ptr<CGridCell>> CGridAxis::TakeCells()
{
    std::vector<std::unique_ptr<CGridCell>> cells;
    cells.swap(m_cells);
    return cells;
}
