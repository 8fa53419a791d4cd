#pragma once

#include <QStyledItemDelegate>

class nxGridFind;
class nxGridTableModel;
class nxGridTableView;

// Paints a cell from the grid core: its look (stale, flash, highlight, own colours,
// decided by CGridCellLook), the bid-price line or frame, and the selection. The
// clock is read once per paint pass by the view, not per cell. Find hits are
// tinted, the current one framed.
class nxGridItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    nxGridItemDelegate(nxGridTableModel& model, nxGridTableView& view);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    void SetFind(const nxGridFind* find) { m_find = find; }

private:
    nxGridTableModel& m_model;
    nxGridTableView& m_view;
    const nxGridFind* m_find = nullptr;
};
