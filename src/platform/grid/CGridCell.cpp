#include "platform/grid/CGridCell.h"

#include "platform/grid/CGridRow.h"

void CGridCell::Selected(bool selected)
{
    if (m_selected == selected)
        return;
    m_selected = selected;
    if (m_row)
        m_row->OnCellSelectionChanged(selected);
    MarkDirty();
}

void CGridCell::MarkDirty()
{
    if (m_row)
        m_row->MarkCellDirty(m_column);
}
