#pragma once

#include <QElapsedTimer>
#include <QPersistentModelIndex>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

#include "platform/grid/CGridFlushResult.h"
#include "platform/grid/CGridWindowHook.h"
#include "platform/ui/nxCmdTarget.h"

class QItemSelection;
class QMenu;
class QPagedPaintDevice;
class QPrinter;
class nxGridItemDelegate;
class nxGridManager;
class nxGridTableModel;
class nxGridTableView;

// The window of a grid: a table view over the grid core's rows on screen. The
// core wakes it from any thread; it flushes on its own thread, at most one flush
// pending and at most one every 50 ms, keeping the selection and the reader's
// place: the grid follows new rows at the top only while the operator's last
// scroll ended there (or ScrollToTop put it there); once the operator scrolls
// away or selects, the rows on screen stay put and the rows that arrive above
// them are counted until the operator is back among them. It handles the grid's own commands: Copy, Print,
// Print Preview, Customise this View, Column Picker and Sorting.
//
// Made in two steps, as windows are: the constructor, then Create, which makes
// the grid manager (_CreateGridManagerInstance) and the table.
class nxGridWnd : public QWidget, public CGridWindowHook, public nxCmdTarget
{
    Q_OBJECT

public:
    static constexpr int MinimumFlushIntervalMs = 50;

    explicit nxGridWnd(QWidget* parent = nullptr);
    ~nxGridWnd() override;

    bool Create();
    virtual nxGridManager* GetGridManager() const { return m_manager.get(); }
    nxGridTableView* GetTableView() const { return m_view; }
    nxGridTableModel* GetModel() const { return m_model; }

    void FlushNow();
    // Scrolls to the first row and follows new rows there again.
    void ScrollToTop();
    bool IsFollowingTop() const { return m_followTop; }
    // Rows that arrived above the rows on screen and have not been scrolled to yet.
    size_t GetNewRowsAbove() const { return m_newRowsAbove; }
    // How many times a flush played the update sound.
    uint64_t GetUpdateSoundCount() const { return m_updateSounds; }

    void CopySelectionToClipboard();
    void PrintTo(QPagedPaintDevice& device);
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnCustomizeView();
    void OnColumnPicker();
    void OnSorting();
    void OnColumnFilter(int column);
    void ClearColumnFilter(int column);
    // The header's menu for a column; the caller runs or inspects it.
    std::unique_ptr<QMenu> CreateHeaderMenu(int column);
    // A click on a column heading: ascending, descending, then the grid's own order again.
    void OnHeaderClicked(int column);

    // How long each flush took, in milliseconds, since the last reset.
    const std::vector<double>& GetFlushDurations() const { return m_flushDurations; }
    void ResetFlushDurations() { m_flushDurations.clear(); }
    const CGridFlushResult& GetLastFlushResult() const { return m_lastFlush; }

    // CGridWindowHook
    void WakeGrid() override;
    void DrawGridNow() override { FlushNow(); }
    nxWindowRef GetGridWindowRef() const override;

signals:
    // The manager's answer to a grid event, a command id for the view to route.
    void CommandRequested(unsigned commandId);
    void NewRowsAboveChanged(size_t count);

protected:
    virtual nxGridManager* _CreateGridManagerInstance();

private:
    void ScheduleFlush();
    void AfterFlush(const CGridFlushResult& result);
    void OnFadeTick();
    void OnScrollAction(int action);
    void OnRowsInserted(int first, int last);
    void SetNewRowsAbove(size_t count);
    // Rows scrolled back into view are new no longer.
    void ForgetNewRowsOnScreen();
    void OnSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    void SyncSelectionFromGrid(const std::vector<int>& rows);
    void RestoreSelectionFromGrid();
    void ApplyColumnLayoutToHeader();
    void OnSectionMoved();
    void OnDoubleClicked();
    void ShowHeaderMenu(const QPoint& position);
    void ShowSortIndicator();
    void MapCommands();
    QPrinter& Printer();

    std::unique_ptr<nxGridManager> m_manager;
    nxGridTableModel* m_model = nullptr;
    nxGridTableView* m_view = nullptr;
    nxGridItemDelegate* m_delegate = nullptr;
    QTimer m_flushTimer;
    QTimer m_fadeTimer;
    QElapsedTimer m_sinceFlush;
    std::vector<double> m_flushDurations;
    std::unique_ptr<QPrinter> m_printer;
    CGridFlushResult m_lastFlush;
    // The first row on screen while a flush runs, unless the grid follows the top.
    QPersistentModelIndex m_anchor;
    bool m_followTop = true;
    size_t m_newRowsAbove = 0;
    uint64_t m_updateSounds = 0;
    bool m_flushing = false;
    bool m_syncingSelection = false;
    bool m_arrangingHeader = false;
};
