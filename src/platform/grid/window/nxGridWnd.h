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
class QShortcut;
class nxGridFind;
class nxGridFindBar;
class nxGridItemDelegate;
class nxGridManager;
class nxGridTableModel;
struct nxGridNotification;
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
// Its own keys and context menu add what the frame's menus leave out: the find bar
// under the grid (Ctrl+F, F3 and Shift+F3), which marks hits and moves to them but
// never filters rows nor moves the grid unless asked; Export, which writes the rows
// on screen to a CSV file; and, where the grid allows it, Pause (Space), which keeps
// new rows off the screen until resumed while the status bar counts them.
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

    // Find: opens the bar (with the cursor in it), moves to the next or previous
    // hit (opening the bar when closed), closes it.
    void OpenFind();
    void FindNext();
    void FindPrevious();
    void CloseFind();
    bool IsFindOpen() const;
    nxGridFindBar* GetFindBar() const { return m_findBar; }
    nxGridFind* GetFind() const { return m_find.get(); }

    // Pause: new rows wait until resumed, counted in the status text.
    void SetPauseAllowed(bool allowed);
    bool IsPauseAllowed() const { return m_pauseAllowed; }
    void SetPaused(bool paused);
    bool IsPaused() const { return m_paused; }
    void TogglePause() { SetPaused(!m_paused); }
    // What the grid has to say in its frame's status bar; empty for nothing.
    QString GetStatusText() const { return m_statusText; }
    // A note of the view's own, shown after the grid's (empty: none).
    void SetStatusNote(const QString& note);

    // Asks for a file and writes the rows on screen to it; the grid does not flush meanwhile.
    void OnExport();

    // A click on one of the grid's desktop notifications: the window comes forward
    // (restored if minimised) with the row it names selected and in view, if on screen.
    void ShowNotifiedRow(const nxGridNotification& notification);
    // The grid's context menu; the caller runs or inspects it.
    virtual std::unique_ptr<QMenu> CreateContextMenu();
    // Commands of the frame's menus that the context menu offers first, as the menus
    // show them (0 for a separator); ids the frame has no action for are left out.
    void SetContextCommands(std::vector<unsigned> ids) { m_contextCommands = std::move(ids); }

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
    void StatusTextChanged(const QString& text);

protected:
    virtual nxGridManager* _CreateGridManagerInstance();

private:
    void ScheduleFlush();
    void AfterFlush(const CGridFlushResult& result);
    void SendDesktopNotifications();
    void OnFadeTick();
    bool IsFadingOnScreen() const;
    void WatchFading();
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
    void AddContextCommands(QMenu& menu);
    void ShowContextMenu(const QPoint& position);
    void CreateFind();
    void ConnectFindToModel();
    void ApplyFindText();
    void MoveToHit(bool forward);
    void ShowCurrentHit();
    void UpdateFindCount();
    std::vector<size_t> VisibleColumnsInOrder() const;
    void UpdateStatusText();
    void ShowSortIndicator();
    void MapCommands();
    QPrinter& Printer();

    std::unique_ptr<nxGridManager> m_manager;
    nxGridTableModel* m_model = nullptr;
    nxGridTableView* m_view = nullptr;
    nxGridItemDelegate* m_delegate = nullptr;
    nxGridFindBar* m_findBar = nullptr;
    std::unique_ptr<nxGridFind> m_find;
    QTimer m_findTypingTimer;
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
    bool m_flushHeld = false;
    bool m_pauseAllowed = false;
    std::vector<unsigned> m_contextCommands;
    bool m_paused = false;
    QString m_statusText;
    QString m_statusNote;
    QShortcut* m_pauseKey = nullptr;
    bool m_syncingSelection = false;
    bool m_arrangingHeader = false;
};
