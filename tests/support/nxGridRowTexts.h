#pragma once

#include <string>
#include <vector>

#include "platform/grid/CGridCell.h"
#include "platform/grid/CGridManager.h"
#include "platform/grid/CGridRow.h"
#include "platform/grid/data/CGridLockGuard.h"

// What a grid's rows on screen show, read as the window reads them.
namespace nxGridRowTexts
{
// One column's texts in display order; "<none>" for a row without that cell.
inline std::vector<std::string> Column(const CGridManager& grid, size_t column)
{
    CGridLockGuard rows(grid.GetRowsLock());
    std::vector<std::string> texts;
    for (const CGridRow* row : grid.GetRowsInDisplayOrder())
        texts.push_back(row->Cell(column) ? row->Cell(column)->GetText() : "<none>");
    return texts;
}

// The first row on screen whose cell in that column shows the text; null when none does.
inline CGridRow* Find(const CGridManager& grid, size_t column, const std::string& text)
{
    CGridLockGuard rows(grid.GetRowsLock());
    for (CGridRow* row : grid.GetRowsInDisplayOrder())
        if (row->Cell(column) && row->Cell(column)->GetText() == text)
            return row;
    return nullptr;
}
} // namespace nxGridRowTexts
