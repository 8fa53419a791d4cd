#include "platform/grid/window/nxGridTableModel.h"

#include <QBrush>
#include <QFont>

#include "platform/grid/CGridCell.h"
#include "platform/grid/CGridCellLook.h"
#include "platform/grid/CGridRow.h"
#include "platform/grid/data/CGridLockGuard.h"
#include "platform/grid/nxGridColumn.h"
#include "platform/grid/nxGridManager.h"
#include "platform/grid/window/nxGridQtConversions.h"

nxGridTableModel::nxGridTableModel(nxGridManager& manager, QObject* parent)
    : QAbstractTableModel(parent), m_manager(manager)
{
}

int nxGridTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_manager.GetDisplayRowCount());
}

int nxGridTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_manager.GetColumnCount());
}

QModelIndex nxGridTableModel::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return {};
    return createIndex(row, column);
}

CGridRow* nxGridTableModel::RowAt(int row) const
{
    return row >= 0 ? m_manager.GetDisplayRow(static_cast<size_t>(row)) : nullptr;
}

CGridCell* nxGridTableModel::CellAt(const QModelIndex& index) const
{
    CGridRow* row = index.isValid() ? RowAt(index.row()) : nullptr;
    return row ? row->Cell(static_cast<size_t>(index.column())) : nullptr;
}

QVariant nxGridTableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::TextAlignmentRole && role != Qt::BackgroundRole &&
        role != Qt::ForegroundRole && role != Qt::FontRole && role != Qt::ToolTipRole)
        return {};
    CGridLockGuard rows(m_manager.GetRowsLock());
    const CGridCell* cell = CellAt(index);
    return cell ? CellData(*cell, role) : QVariant();
}

QVariant nxGridTableModel::CellData(const CGridCell& cell, int role) const
{
    switch (role)
    {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return QString::fromStdString(cell.GetText());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(nxToQtAlignment(cell.Style()->GetAlignment()));
    default:
        break;
    }
    const CGridCellLook look =
        CGridCellLook::Resolve(*cell.Style(), m_manager.GetStyleManager(), CGridManager::NowMilliseconds());
    if (role == Qt::BackgroundRole)
        return QBrush(nxToQColor(look.background));
    if (role == Qt::ForegroundRole)
        return QBrush(nxToQColor(look.text));
    if (!look.italic)
        return {};
    QFont font;
    font.setItalic(true);
    return font;
}

QVariant nxGridTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    const nxGridColumn* column = m_manager.GetColumn(static_cast<size_t>(section));
    if (!column)
        return {};
    if (role == Qt::DisplayRole)
    {
        // A filtered column says so in its heading.
        const QString heading = QString::fromStdString(column->GetHeading());
        return column->HasFilter() ? heading + QStringLiteral(" \u25BE") : heading;
    }
    if (role == Qt::ToolTipRole && column->HasFilter())
        return tr("Filtered: right-click to change or clear");
    return {};
}

void nxGridTableModel::sort(int column, Qt::SortOrder order)
{
    const nxGridColumn* gridColumn = m_manager.GetColumn(static_cast<size_t>(column));
    if (gridColumn && m_manager.SetTemporarySort(gridColumn->GetAttributeID(), order == Qt::AscendingOrder))
        m_manager.DrawDirtyCells();
}

void nxGridTableModel::HeaderChanged(int column)
{
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void nxGridTableModel::BeginRemoveRows(size_t first, size_t last)
{
    beginRemoveRows(QModelIndex(), static_cast<int>(first), static_cast<int>(last));
}

void nxGridTableModel::EndRemoveRows()
{
    endRemoveRows();
}

void nxGridTableModel::BeginInsertRows(size_t first, size_t last)
{
    beginInsertRows(QModelIndex(), static_cast<int>(first), static_cast<int>(last));
}

void nxGridTableModel::EndInsertRows()
{
    endInsertRows();
}

void nxGridTableModel::BeginMoveRow(size_t from, size_t destination)
{
    beginMoveRows(QModelIndex(), static_cast<int>(from), static_cast<int>(from), QModelIndex(),
                  static_cast<int>(destination));
}

void nxGridTableModel::EndMoveRow()
{
    endMoveRows();
}

void nxGridTableModel::BeginLayoutChange()
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    m_layoutIndexes = persistentIndexList();
    m_layoutRows.clear();
    m_layoutRows.reserve(static_cast<size_t>(m_layoutIndexes.size()));
    for (const QModelIndex& index : m_layoutIndexes)
        m_layoutRows.push_back(RowAt(index.row()));
}

void nxGridTableModel::EndLayoutChange()
{
    QModelIndexList moved;
    moved.reserve(m_layoutIndexes.size());
    for (qsizetype i = 0; i < m_layoutIndexes.size(); ++i)
    {
        const CGridRow* row = m_layoutRows[static_cast<size_t>(i)];
        moved.append(row && row->IsOnScreen()
                         ? createIndex(static_cast<int>(row->GetDisplayIndex()), m_layoutIndexes[i].column())
                         : QModelIndex());
    }
    changePersistentIndexList(m_layoutIndexes, moved);
    m_layoutIndexes.clear();
    m_layoutRows.clear();
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void nxGridTableModel::BeginReset()
{
    beginResetModel();
}

void nxGridTableModel::EndReset()
{
    endResetModel();
}

void nxGridTableModel::CellsChanged(size_t firstRow, size_t lastRow, size_t firstColumn, size_t lastColumn)
{
    emit dataChanged(createIndex(static_cast<int>(firstRow), static_cast<int>(firstColumn)),
                     createIndex(static_cast<int>(lastRow), static_cast<int>(lastColumn)),
                     {Qt::DisplayRole, Qt::BackgroundRole, Qt::ForegroundRole, Qt::FontRole});
}
