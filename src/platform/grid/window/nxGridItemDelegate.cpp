#include "platform/grid/window/nxGridItemDelegate.h"

#include <QPainter>

#include "platform/grid/CGridCell.h"
#include "platform/grid/CGridCellLook.h"
#include "platform/grid/data/CGridLockGuard.h"
#include "platform/grid/nxGridFind.h"
#include "platform/grid/nxGridManager.h"
#include "platform/grid/window/nxGridQtConversions.h"
#include "platform/grid/window/nxGridTableModel.h"
#include "platform/grid/window/nxGridTableView.h"

namespace
{
constexpr int kTextPadding = 4;
const QColor kFindHit(255, 230, 110);
const QColor kFindCurrent(255, 150, 30);

void DrawBidPrice(QPainter& painter, const QRect& rect, const CGridCellLook& look)
{
    const QColor colour = nxToQColor(look.bidPriceColour);
    if (look.bidPriceDraw == nxBidPriceDrawType::Frame)
    {
        painter.setPen(QPen(colour, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(1, 1, -1, -1));
    }
    else if (look.bidPriceDraw == nxBidPriceDrawType::Underline)
        painter.fillRect(QRect(rect.left(), rect.bottom() - 2, rect.width(), 3), colour);
}
} // namespace

nxGridItemDelegate::nxGridItemDelegate(nxGridTableModel& model, nxGridTableView& view)
    : QStyledItemDelegate(&view), m_model(model), m_view(view)
{
}

void nxGridItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    nxGridManager& manager = m_model.GetManager();
    CGridLockGuard rows(manager.GetRowsLock());
    const CGridCell* cell = m_model.CellAt(index);
    if (!cell)
        return;
    const CGridCellLook look =
        CGridCellLook::Resolve(*cell->Style(), manager.GetStyleManager(), m_view.PaintTime());
    // A single selection is filled; several are framed so their highlights still show.
    const bool filled = cell->IsSelected() && !m_view.FramesSelections();
    QColor background =
        filled ? option.palette.color(QPalette::Active, QPalette::Highlight) : nxToQColor(look.background);
    QColor text =
        filled ? option.palette.color(QPalette::Active, QPalette::HighlightedText) : nxToQColor(look.text);
    painter->save();
    painter->fillRect(option.rect, background);
    if (filled && look.flashWeight > 0.0)
    {
        // The flash stays visible on a selected cell as an inset border.
        painter->setPen(QPen(nxToQColor(look.background), 3));
        painter->drawRect(option.rect.adjusted(2, 2, -2, -2));
    }
    const bool hit = m_find && m_find->IsHit(cell->GetRow(), static_cast<size_t>(index.column()));
    if (hit && !filled)
    {
        background = kFindHit;
        text = Qt::black;
        painter->fillRect(option.rect, background);
    }
    if (hit && m_find->IsCurrent(cell->GetRow(), static_cast<size_t>(index.column())))
    {
        painter->setPen(QPen(kFindCurrent, 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option.rect.adjusted(1, 1, -1, -1));
    }
    if (look.bidPriceDraw != nxBidPriceDrawType::None)
        DrawBidPrice(*painter, option.rect, look);
    if (option.state & QStyle::State_HasFocus)
    {
        // The keyboard's cell, visible on any highlight.
        painter->setPen(QPen(text, 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    QFont font = option.font;
    font.setItalic(look.italic);
    painter->setFont(font);
    painter->setPen(text);
    const QRect textRect = option.rect.adjusted(kTextPadding, 1, -kTextPadding, -1);
    const QString value = QString::fromStdString(cell->GetText());
    painter->drawText(textRect, static_cast<int>(nxToQtAlignment(cell->Style()->GetAlignment())),
                      QFontMetrics(font).elidedText(value, Qt::ElideRight, textRect.width()));
    painter->restore();
}
