#pragma once

#include <QAbstractTableModel>
#include <QPersistentModelIndex>
#include <QVector>
#include <vector>

#include "platform/grid/CGridFlushSink.h"

class CGridCell;
class CGridRow;
class nxGridManager;

// The grid's rows on screen as one flat table, with no proxy: the grid core sorts
// and filters, and each flush step arrives here as the matching model signal.
// Every cell is read through the core under its rows lock. User-interface thread only.
class nxGridTableModel : public QAbstractTableModel, public CGridFlushSink
{
    Q_OBJECT

public:
    explicit nxGridTableModel(nxGridManager& manager, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    // A header click: a temporary sort where the manager allows it.
    void sort(int column, Qt::SortOrder order) override;

    CGridCell* CellAt(const QModelIndex& index) const;
    CGridRow* RowAt(int row) const;
    nxGridManager& GetManager() const { return m_manager; }
    // The header of a column changed (its filter mark or heading).
    void HeaderChanged(int column);

    // CGridFlushSink
    void BeginRemoveRows(size_t first, size_t last) override;
    void EndRemoveRows() override;
    void BeginInsertRows(size_t first, size_t last) override;
    void EndInsertRows() override;
    void BeginMoveRow(size_t from, size_t destination) override;
    void EndMoveRow() override;
    void BeginLayoutChange() override;
    void EndLayoutChange() override;
    void BeginReset() override;
    void EndReset() override;
    void CellsChanged(size_t firstRow, size_t lastRow, size_t firstColumn, size_t lastColumn) override;

private:
    QVariant CellData(const CGridCell& cell, int role) const;

    nxGridManager& m_manager;
    QModelIndexList m_layoutIndexes;
    std::vector<CGridRow*> m_layoutRows;
};
