#pragma once

#include <memory>
#include <vector>

#include "platform/grid/nxGridCellCreationTemplate.h"

// The cells of a new grid's rows. The row offset says which line of a row the
// segment fills; rows here have one line, so every segment fills line 0.
class nxGridRowSegmentCreationTemplate
{
public:
    explicit nxGridRowSegmentCreationTemplate(int rowOffset = 0) : m_rowOffset(rowOffset) {}
    virtual ~nxGridRowSegmentCreationTemplate() = default;
    nxGridRowSegmentCreationTemplate(const nxGridRowSegmentCreationTemplate&) = delete;
    nxGridRowSegmentCreationTemplate& operator=(const nxGridRowSegmentCreationTemplate&) = delete;

    int GetRowOffset() const { return m_rowOffset; }
    void SetRowOffset(int rowOffset) { m_rowOffset = rowOffset; }

    // Takes the template; a null one is ignored.
    void AddCellCreationTemplate(nxGridCellCreationTemplate* cell);
    const std::vector<std::unique_ptr<nxGridCellCreationTemplate>>& GetCellCreationTemplates() const
    {
        return m_cells;
    }

private:
    int m_rowOffset;
    std::vector<std::unique_ptr<nxGridCellCreationTemplate>> m_cells;
};
