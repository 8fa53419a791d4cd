#include "platform/grid/CGridRow.h"

#include "platform/grid/CGridCell.h"
#include "platform/grid/CGridManager.h"

CGridRow::CGridRow(CGridManager* manager)
    : m_manager(manager), m_serial(manager ? manager->TakeRowSerial() : 0)
{
}

CGridRow::~CGridRow() = default;

void CGridRow::AddCell(CGridCell* cell)
{
    if (!cell)
        return;
    cell->SetPosition(this, GetCellCount());
    AppendCell(std::unique_ptr<CGridCell>(cell));
}

size_t CGridRow::GetDisplayIndex() const
{
    if (m_manager)
        m_manager->EnsureDisplayIndexes();
    return m_displayIndex;
}

void CGridRow::OnCellSelectionChanged(bool selected)
{
    const bool wasSelected = IsSelected();
    if (selected)
        ++m_selectedCells;
    else if (m_selectedCells > 0)
        --m_selectedCells;
    if (m_manager && wasSelected != IsSelected())
        m_manager->OnRowSelectionChanged(this, IsSelected());
}

void CGridRow::MarkCellDirty(size_t column)
{
    MarkDirty(column < ColumnBits ? (1ull << column) : WideColumnChanged);
}

void CGridRow::MarkKeyDirty()
{
    MarkDirty(KeyChanged);
}

void CGridRow::MarkDirty(uint64_t bits)
{
    const uint64_t before = m_dirty.fetch_or(bits, std::memory_order_acq_rel);
    if (before == 0 && m_manager)
        m_manager->PushDirtyRow(this);
}
