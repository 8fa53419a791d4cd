#include "platform/grid/window/nxGridTableView.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "platform/grid/CGridRow.h"
#include "platform/grid/data/CGridLockGuard.h"
#include "platform/grid/nxGridManager.h"
#include "platform/grid/window/nxGridQtConversions.h"
#include "platform/grid/window/nxGridTableModel.h"

namespace
{
constexpr int kWarningAlpha = 36;
} // namespace

nxGridTableView::nxGridTableView(nxGridTableModel& model, QWidget* parent)
    : QTableView(parent), m_model(model), m_manager(model.GetManager())
{
    setModel(&model);
    setSelectionBehavior(m_manager.SelectsWholeRows() ? QAbstractItemView::SelectRows
                                                      : QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    horizontalHeader()->setSortIndicatorShown(false);
}

void nxGridTableView::SetShowWarning(bool show)
{
    if (m_warning == show)
        return;
    m_warning = show;
    viewport()->update();
}

void nxGridTableView::ShowRowAtTop(int row)
{
    updateGeometries();
    verticalScrollBar()->setValue(row);
}

bool nxGridTableView::VisibleRows(int& first, int& last) const
{
    const int rows = m_model.rowCount();
    if (rows == 0)
        return false;
    first = std::max(0, rowAt(0));
    last = rowAt(viewport()->height() - 1);
    if (last < 0)
        last = rows - 1;
    return first <= last;
}

bool nxGridTableView::event(QEvent* event)
{
    // Some platforms also send a context-menu event for the key: the key press has it.
    if (event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard)
    {
        event->accept();
        return true;
    }
    return QTableView::event(event);
}

void nxGridTableView::keyPressEvent(QKeyEvent* event)
{
    const bool menuKey = event->key() == Qt::Key_Menu ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (!menuKey)
    {
        QTableView::keyPressEvent(event);
        return;
    }
    event->accept();
    const QModelIndex current = currentIndex();
    QPoint position(0, 0);
    if (current.isValid())
    {
        scrollTo(current);
        const QRect cell = visualRect(current);
        position = QPoint(cell.left() + cell.height(), cell.center().y());
    }
    emit customContextMenuRequested(position);
}

QModelIndex nxGridTableView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    if ((cursorAction == MoveHome || cursorAction == MoveEnd) && m_model.rowCount() > 0)
    {
        int column = currentIndex().column();
        for (int place = 0; column < 0 && place < horizontalHeader()->count(); ++place)
            if (!horizontalHeader()->isSectionHidden(horizontalHeader()->logicalIndex(place)))
                column = horizontalHeader()->logicalIndex(place);
        return m_model.index(cursorAction == MoveHome ? 0 : m_model.rowCount() - 1, column);
    }
    return QTableView::moveCursor(cursorAction, modifiers);
}

void nxGridTableView::paintEvent(QPaintEvent* event)
{
    m_paintTime = CGridManager::NowMilliseconds();
    const CGridStyleManager& styles = m_manager.GetStyleManager();
    m_framesSelections =
        styles.GetHighlightMultipleSelectionsWithFrameRect() && m_manager.GetSelectedRowCount() > 1;
    QTableView::paintEvent(event);
    QPainter painter(viewport());
    if (m_framesSelections)
        PaintSelectionFrames(painter);
    if (m_warning)
        PaintWarning(painter);
}

void nxGridTableView::PaintSelectionFrames(QPainter& painter) const
{
    int first = 0, last = 0;
    if (!VisibleRows(first, last))
        return;
    const int right = std::min(viewport()->width(), horizontalHeader()->length() - horizontalOffset()) - 1;
    painter.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    CGridLockGuard rows(m_manager.GetRowsLock());
    for (int row = first; row <= last; ++row)
    {
        const CGridRow* gridRow = m_model.RowAt(row);
        if (!gridRow || !gridRow->IsSelected())
            continue;
        int end = row;
        while (end + 1 <= last && m_model.RowAt(end + 1) && m_model.RowAt(end + 1)->IsSelected())
            ++end;
        const int top = rowViewportPosition(row);
        const int bottom = rowViewportPosition(end) + rowHeight(end) - 1;
        painter.drawRect(QRect(QPoint(1, top + 1), QPoint(right - 1, bottom - 1)));
        row = end;
    }
}

void nxGridTableView::PaintWarning(QPainter& painter) const
{
    QColor wash = nxToQColor(m_manager.GetStyleManager().GetWarningColor());
    QColor edge = wash;
    wash.setAlpha(kWarningAlpha);
    painter.fillRect(viewport()->rect(), wash);
    painter.setPen(QPen(edge, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(viewport()->rect().adjusted(1, 1, -2, -2));
}

void nxGridTableView::mousePressEvent(QMouseEvent* event)
{
    m_manager.SetReorderHeld(true);
    QTableView::mousePressEvent(event);
}

void nxGridTableView::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    m_manager.SetReorderHeld(false);
}
