#pragma once

#include <QTableView>
#include <cstdint>

class nxGridManager;
class nxGridTableModel;

// The table of a grid window: fixed row height, no row header, movable columns,
// no resizing to contents. It draws over the cells what belongs to the grid as a
// whole: the frame around multiple selections and the warning wash. While a
// mouse button is down, rows whose keys change keep their places. The context-menu
// key and Shift+F10 open the context menu at the current cell.
class nxGridTableView : public QTableView
{
    Q_OBJECT

public:
    nxGridTableView(nxGridTableModel& model, QWidget* parent);

    // The time and selection state of the paint pass under way.
    int64_t PaintTime() const { return m_paintTime; }
    bool FramesSelections() const { return m_framesSelections; }
    bool IsShowingWarning() const { return m_warning; }
    void SetShowWarning(bool show);

    // Scrolls so that the row is the first one shown, with the scroll range already
    // counting rows added in this pass.
    void ShowRowAtTop(int row);

    // Visible rows, first to last; false when none is.
    bool VisibleRows(int& first, int& last) const;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Home and End go to the first and last row, keeping the column.
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void PaintSelectionFrames(QPainter& painter) const;
    void PaintWarning(QPainter& painter) const;

    nxGridTableModel& m_model;
    nxGridManager& m_manager;
    int64_t m_paintTime = 0;
    bool m_framesSelections = false;
    bool m_warning = false;
};
