#include "platform/grid/nxGridRowSegmentCreationTemplate.h"

void nxGridRowSegmentCreationTemplate::AddCellCreationTemplate(nxGridCellCreationTemplate* cell)
{
    if (cell)
        m_cells.emplace_back(cell);
}
