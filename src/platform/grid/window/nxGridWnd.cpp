#include "platform/grid/window/nxGridWnd.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QShortcut>
#include <QStringList>
#include <QVBoxLayout>
#include <mutex>
#include <set>

#include "platform/grid/CGridCell.h"
#include "platform/grid/CGridRow.h"
#include "platform/grid/data/CGridLockGuard.h"
#include "platform/grid/nxGridColumn.h"
#include "platform/grid/nxGridEventToResponseMapper.h"
#include "platform/grid/nxGridFind.h"
#include "platform/grid/nxGridManager.h"
#include "platform/grid/window/CColumnFilterDlg.h"
#include "platform/grid/window/CColumnPickerDlg.h"
#include "platform/grid/window/CCustomizeViewDlg.h"
#include "platform/grid/window/CSortingDlg.h"
#include "platform/grid/window/nxGridApp.h"
#include "platform/grid/window/nxGridCsvExport.h"
#include "platform/grid/window/nxGridFindBar.h"
#include "platform/grid/window/nxGridFrameWnd.h"
#include "platform/grid/window/nxGridItemDelegate.h"
#include "platform/grid/window/nxGridPrinter.h"
#include "platform/grid/window/nxGridTableModel.h"
#include "platform/grid/window/nxGridTableView.h"
#include "platform/ui/nxCommandIds.h"
#include "platform/ui/nxDesktopNotifier.h"
#include "platform/ui/nxQtMessageBox.h"

namespace
{
constexpr int kFadeTickMs = 40;
constexpr int kMinimumColumnWidth = 60;
// Above this many rows a search waits for a pause in the typing.
constexpr int kFindAtOnceRows = 20000;
constexpr int kFindTypingPauseMs = 150;

void InstallLibraryPages()
{
    static std::once_flag installed;
    std::call_once(installed,
                   [] { nxGridManager::SetCustomizeViewPageProvider(&CCustomizeViewDlg::AddLibraryPages); });
}
} // namespace

nxGridWnd::nxGridWnd(QWidget* parent) : QWidget(parent)
{
    m_flushTimer.setSingleShot(true);
    connect(&m_flushTimer, &QTimer::timeout, this, &nxGridWnd::FlushNow);
    m_fadeTimer.setInterval(kFadeTickMs);
    connect(&m_fadeTimer, &QTimer::timeout, this, &nxGridWnd::OnFadeTick);
    MapCommands();
}

nxGridWnd::~nxGridWnd()
{
    m_flushTimer.stop();
    m_fadeTimer.stop();
    if (!m_manager)
        return;
    // No wake may reach a window being taken apart, and no data may reach its grid.
    m_manager->SetWindowHook(nullptr);
    m_manager->RemoveAllDataInterests();
    delete m_view;
    delete m_model;
    m_manager.reset();
}

nxGridManager* nxGridWnd::_CreateGridManagerInstance()
{
    return new nxGridManager(this);
}

bool nxGridWnd::Create()
{
    if (m_manager)
        return true;
    InstallLibraryPages();
    m_manager.reset(_CreateGridManagerInstance());
    if (!m_manager)
        return false;
    m_manager->Initialize();
    m_model = new nxGridTableModel(*m_manager);
    m_view = new nxGridTableView(*m_model, this);
    m_delegate = new nxGridItemDelegate(*m_model, *m_view);
    m_view->setItemDelegate(m_delegate);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view);
    CreateFind();
    layout->addWidget(m_findBar);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, &nxGridWnd::ShowContextMenu);

    QHeaderView* header = m_view->horizontalHeader();
    connect(header, &QHeaderView::sectionClicked, this, &nxGridWnd::OnHeaderClicked);
    connect(header, &QHeaderView::customContextMenuRequested, this, &nxGridWnd::ShowHeaderMenu);
    connect(header, &QHeaderView::sectionMoved, this, &nxGridWnd::OnSectionMoved);
    connect(header, &QHeaderView::sectionMoved, this,
            [this] { m_find->SetColumns(VisibleColumnsInOrder()); });
    connect(header, &QHeaderView::sectionResized, this,
            [this](int column, int, int width)
            {
                if (!m_arrangingHeader)
                    m_manager->SetColumnWidth(static_cast<size_t>(column), width);
            });
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &nxGridWnd::OnSelectionChanged);
    connect(m_view, &QAbstractItemView::doubleClicked, this, &nxGridWnd::OnDoubleClicked);
    connect(m_view->verticalScrollBar(), &QAbstractSlider::actionTriggered, this, &nxGridWnd::OnScrollAction);
    connect(m_view->verticalScrollBar(), &QAbstractSlider::valueChanged, this,
            [this]
            {
                if (!m_flushing)
                    ForgetNewRowsOnScreen();
                WatchFading();
            });
    connect(m_model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { OnRowsInserted(first, last); });
    ApplyColumnLayoutToHeader();
    m_manager->SetWindowHook(this);
    m_sinceFlush.start();
    FlushNow();
    return true;
}

void nxGridWnd::MapCommands()
{
    MapCommand(nxCommand::EditCopy, [this] { CopySelectionToClipboard(); });
    MapUpdateCommandUI(nxCommand::EditCopy,
                       [this](CCmdUI& ui) { ui.Enable(m_manager && m_manager->GetSelectedRowCount() > 0); });
    MapCommand(nxCommand::FilePrint, [this] { OnFilePrint(); });
    MapCommand(nxCommand::FilePrintPreview, [this] { OnFilePrintPreview(); });
    MapCommand(nxCommand::ViewCustomise, [this] { OnCustomizeView(); });
    MapCommand(nxCommand::ViewColumnPicker, [this] { OnColumnPicker(); });
    MapCommand(nxCommand::ViewSorting, [this] { OnSorting(); });
}

void nxGridWnd::WakeGrid()
{
    QMetaObject::invokeMethod(this, &nxGridWnd::ScheduleFlush, Qt::QueuedConnection);
}

nxWindowRef nxGridWnd::GetGridWindowRef() const
{
    return nxWindowRefOf(const_cast<nxGridWnd*>(this));
}

void nxGridWnd::ScheduleFlush()
{
    if (m_flushTimer.isActive() || !m_manager)
        return;
    const qint64 wait = MinimumFlushIntervalMs - m_sinceFlush.elapsed();
    m_flushTimer.start(static_cast<int>(std::max<qint64>(0, wait)));
}

void nxGridWnd::FlushNow()
{
    if (!m_manager || m_flushing || m_flushHeld)
        return;
    m_flushTimer.stop();
    m_flushing = true;
    m_sinceFlush.restart();
    m_anchor = m_followTop ? QPersistentModelIndex() : QPersistentModelIndex(m_view->indexAt(QPoint(0, 0)));
    QElapsedTimer clock;
    clock.start();
    const CGridFlushResult result = m_manager->Flush(*m_model);
    m_flushDurations.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    if (m_followTop)
        m_view->ShowRowAtTop(0);
    else if (m_anchor.isValid())
        m_view->ShowRowAtTop(m_anchor.row());
    m_anchor = QPersistentModelIndex();
    m_flushing = false;
    ForgetNewRowsOnScreen();
    AfterFlush(result);
}

void nxGridWnd::AfterFlush(const CGridFlushResult& result)
{
    m_lastFlush = result;
    if (result.reset)
    {
        ApplyColumnLayoutToHeader();
        m_find->SetColumns(VisibleColumnsInOrder());
        RestoreSelectionFromGrid();
        ShowSortIndicator();
    }
    if (result.playSound)
    {
        ++m_updateSounds;
        QApplication::beep();
    }
    m_view->SetShowWarning(m_manager->ShouldShowWarningAlphaBlend());
    SendDesktopNotifications();
    if (IsFindOpen())
        UpdateFindCount();
    if (m_paused)
        UpdateStatusText();
    if (result.flashed)
        WatchFading();
}

void nxGridWnd::SendDesktopNotifications()
{
    nxDesktopNotifier* notifier = nxDesktopNotifier::Installed();
    for (nxGridNotification& notification : m_manager->TakeDesktopNotifications())
    {
        if (!notifier)
            continue;
        nxDesktopNotification shown{notification.title, notification.body, {}};
        shown.onClicked = [window = QPointer<nxGridWnd>(this), notification = std::move(notification)]
        {
            if (window)
                window->ShowNotifiedRow(notification);
        };
        notifier->Notify(std::move(shown));
    }
}

void nxGridWnd::ShowNotifiedRow(const nxGridNotification& notification)
{
    QWidget* top = window();
    top->setWindowState((top->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    top->show();
    top->raise();
    top->activateWindow();
    FlushNow();
    const std::optional<size_t> row = m_manager->FindDisplayRowOfNotification(notification);
    if (!row)
        return;
    const int index = static_cast<int>(*row);
    const QModelIndex first = m_model->index(index, 0);
    m_view->selectionModel()->select(QItemSelection(first, m_model->index(index, m_model->columnCount() - 1)),
                                     QItemSelectionModel::ClearAndSelect);
    m_view->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    m_view->scrollTo(first, QAbstractItemView::PositionAtCenter);
    m_view->setFocus();
}

bool nxGridWnd::IsFadingOnScreen() const
{
    int first = 0, last = 0;
    return m_view->VisibleRows(first, last) &&
           m_manager->HasFadingCells(static_cast<size_t>(first), static_cast<size_t>(last),
                                     CGridManager::NowMilliseconds());
}

// Flashes off screen need no ticks (a reader further down would pay a repaint a
// flush for rows arriving above); a scroll that brings one on screen starts them.
void nxGridWnd::WatchFading()
{
    if (!m_fadeTimer.isActive() && IsFadingOnScreen())
        m_fadeTimer.start();
}

void nxGridWnd::OnFadeTick()
{
    if (!IsFadingOnScreen())
        m_fadeTimer.stop();
    // One last repaint after the fade ends shows the cells at rest.
    m_view->viewport()->update();
}

void nxGridWnd::ScrollToTop()
{
    m_followTop = true;
    if (m_view)
        m_view->verticalScrollBar()->setValue(0);
}

void nxGridWnd::OnScrollAction(int action)
{
    // Only the operator's own scrolling counts, and it is told before the value moves.
    if (action == QAbstractSlider::SliderNoAction)
        return;
    const QScrollBar* scroll = m_view->verticalScrollBar();
    m_followTop = scroll->sliderPosition() == scroll->minimum();
}

void nxGridWnd::OnRowsInserted(int first, int last)
{
    if (m_anchor.isValid() && last < m_anchor.row())
        SetNewRowsAbove(m_newRowsAbove + static_cast<size_t>(last - first + 1));
}

void nxGridWnd::ForgetNewRowsOnScreen()
{
    // Scrolled by whole rows: the scroll value is the number of rows above the screen.
    const int above = m_view->verticalScrollBar()->value();
    SetNewRowsAbove(std::min(m_newRowsAbove, static_cast<size_t>(std::max(0, above))));
}

void nxGridWnd::SetNewRowsAbove(size_t count)
{
    if (count == m_newRowsAbove)
        return;
    m_newRowsAbove = count;
    emit NewRowsAboveChanged(count);
    UpdateStatusText();
}

void nxGridWnd::SetStatusNote(const QString& note)
{
    if (note == m_statusNote)
        return;
    m_statusNote = note;
    UpdateStatusText();
}

void nxGridWnd::OnSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    if (m_flushing || m_syncingSelection)
        return;
    std::set<int> rows;
    const auto tell = [&](const QItemSelection& selection, bool isSelected)
    {
        for (const QModelIndex& index : selection.indexes())
        {
            CGridCell* cell = nullptr;
            {
                CGridLockGuard guard(m_manager->GetRowsLock());
                cell = m_model->CellAt(index);
            }
            if (!cell)
                continue;
            m_manager->OnCellSelectionChanged(cell, isSelected);
            rows.insert(index.row());
        }
    };
    tell(deselected, false);
    tell(selected, true);
    if (!selected.isEmpty())
        m_followTop = false;
    SyncSelectionFromGrid(std::vector<int>(rows.begin(), rows.end()));
}

void nxGridWnd::SyncSelectionFromGrid(const std::vector<int>& rows)
{
    // The manager decides what a click selects (a row, or a cell alone); the view follows.
    QItemSelection select, deselect;
    QItemSelectionModel* selection = m_view->selectionModel();
    {
        CGridLockGuard guard(m_manager->GetRowsLock());
        for (int row : rows)
            for (int column = 0; column < m_model->columnCount(); ++column)
            {
                const QModelIndex index = m_model->index(row, column);
                const CGridCell* cell = m_model->CellAt(index);
                const bool wanted = cell && cell->IsSelected();
                if (wanted != selection->isSelected(index))
                    (wanted ? select : deselect).select(index, index);
            }
    }
    m_syncingSelection = true;
    selection->select(deselect, QItemSelectionModel::Deselect);
    selection->select(select, QItemSelectionModel::Select);
    m_syncingSelection = false;
    m_view->viewport()->update();
}

void nxGridWnd::RestoreSelectionFromGrid()
{
    QItemSelection selection;
    {
        CGridLockGuard selected(m_manager->GetSelectionLock());
        CGridLockGuard rows(m_manager->GetRowsLock());
        for (CGridRow* row : m_manager->GetSelectedRows())
            if (row->IsOnScreen())
            {
                const int index = static_cast<int>(row->GetDisplayIndex());
                for (int column = 0; column < m_model->columnCount(); ++column)
                    if (const CGridCell* cell = row->Cell(static_cast<size_t>(column));
                        cell && cell->IsSelected())
                        selection.select(m_model->index(index, column), m_model->index(index, column));
            }
    }
    m_syncingSelection = true;
    m_view->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    m_syncingSelection = false;
}

void nxGridWnd::ApplyColumnLayoutToHeader()
{
    QHeaderView* header = m_view->horizontalHeader();
    m_arrangingHeader = true;
    const QFontMetrics metrics = header->fontMetrics();
    std::vector<std::pair<int, int>> order; // place, logical
    for (size_t index = 0; index < m_manager->GetColumnCount(); ++index)
    {
        const nxGridColumn* column = m_manager->GetColumn(index);
        const int logical = static_cast<int>(index);
        const int width =
            column->GetWidth() > 0
                ? column->GetWidth()
                : std::max(kMinimumColumnWidth,
                           metrics.horizontalAdvance(QString::fromStdString(column->GetHeading())) + 32);
        header->resizeSection(logical, width);
        header->setSectionHidden(logical, !column->IsVisible());
        order.emplace_back(column->GetOrder(), logical);
    }
    std::stable_sort(order.begin(), order.end());
    for (size_t place = 0; place < order.size(); ++place)
        header->moveSection(header->visualIndex(order[place].second), static_cast<int>(place));
    m_arrangingHeader = false;
}

void nxGridWnd::OnSectionMoved()
{
    if (m_arrangingHeader)
        return;
    QHeaderView* header = m_view->horizontalHeader();
    std::vector<size_t> logical;
    for (int place = 0; place < header->count(); ++place)
        logical.push_back(static_cast<size_t>(header->logicalIndex(place)));
    m_manager->SetColumnVisualOrder(logical);
}

void nxGridWnd::OnDoubleClicked()
{
    const nxGridEventToResponseMapper* mapper = m_manager->GetEventToResponseMapper();
    if (const uint32_t command = mapper ? mapper->GetResponse(nxGridEvent::DoubleClick) : 0)
        emit CommandRequested(command);
}

void nxGridWnd::OnHeaderClicked(int column)
{
    const nxGridColumn* gridColumn = m_manager->GetColumn(static_cast<size_t>(column));
    if (!gridColumn || !m_manager->SupportsColumnHeaderTemporarySorting(gridColumn->GetAttributeID()))
        return;
    const auto current = m_manager->GetTemporarySort();
    if (current && current->GetAttributeID() == gridColumn->GetAttributeID() && !current->IsAscending())
        m_manager->ClearTemporarySort();
    else
        m_manager->SetTemporarySort(gridColumn->GetAttributeID(),
                                    !(current && current->GetAttributeID() == gridColumn->GetAttributeID()));
    FlushNow();
    ShowSortIndicator();
}

void nxGridWnd::ShowSortIndicator()
{
    QHeaderView* header = m_view->horizontalHeader();
    const auto sort = m_manager->GetTemporarySort();
    int section = -1;
    for (size_t index = 0; sort && index < m_manager->GetColumnCount(); ++index)
        if (m_manager->GetColumn(index)->GetAttributeID() == sort->GetAttributeID())
            section = static_cast<int>(index);
    header->setSortIndicatorShown(section >= 0);
    if (section >= 0)
        header->setSortIndicator(section, sort->IsAscending() ? Qt::AscendingOrder : Qt::DescendingOrder);
}

std::unique_ptr<QMenu> nxGridWnd::CreateHeaderMenu(int column)
{
    auto menu = std::make_unique<QMenu>(this);
    menu->addAction(tr("Column Picker..."), this, &nxGridWnd::OnColumnPicker);
    menu->addAction(tr("Sorting..."), this, &nxGridWnd::OnSorting);
    const nxGridColumn* gridColumn = m_manager->GetColumn(static_cast<size_t>(column));
    if (gridColumn && m_manager->SupportsColumnFilters(gridColumn->GetAttributeID()))
    {
        menu->addSeparator();
        menu->addAction(tr("Filter..."), this, [this, column] { OnColumnFilter(column); });
        QAction* clear =
            menu->addAction(tr("Clear Filter"), this, [this, column] { ClearColumnFilter(column); });
        clear->setEnabled(gridColumn->HasFilter());
    }
    if (m_manager->GetTemporarySort())
    {
        menu->addSeparator();
        menu->addAction(tr("Clear Header Sort"), this,
                        [this]
                        {
                            m_manager->ClearTemporarySort();
                            FlushNow();
                            ShowSortIndicator();
                        });
    }
    return menu;
}

void nxGridWnd::ShowHeaderMenu(const QPoint& position)
{
    QHeaderView* header = m_view->horizontalHeader();
    std::unique_ptr<QMenu> menu = CreateHeaderMenu(header->logicalIndexAt(position));
    m_manager->SetReorderHeld(true);
    menu->exec(header->mapToGlobal(position));
    m_manager->SetReorderHeld(false);
}

void nxGridWnd::OnColumnFilter(int column)
{
    CColumnFilterDlg dialog(*m_manager, static_cast<size_t>(column), this);
    if (dialog.DoModal() == IDOK)
    {
        FlushNow();
        m_model->HeaderChanged(column);
    }
}

void nxGridWnd::ClearColumnFilter(int column)
{
    m_manager->SetColumnFilter(static_cast<size_t>(column), {});
    FlushNow();
    m_model->HeaderChanged(column);
}

void nxGridWnd::OnColumnPicker()
{
    CColumnPickerDlg dialog(*m_manager, this);
    if (dialog.DoModal() == IDOK)
        FlushNow();
}

void nxGridWnd::OnSorting()
{
    CSortingDlg dialog(*m_manager, this);
    if (dialog.DoModal() == IDOK)
        FlushNow();
}

void nxGridWnd::OnCustomizeView()
{
    CCustomizeViewDlg dialog(*m_manager, this);
    m_manager->InitializeCustomizeViewDialog(dialog);
    dialog.DoModal();
    FlushNow();
}

void nxGridWnd::CopySelectionToClipboard()
{
    QApplication::clipboard()->setText(QString::fromStdString(m_manager->GetSelectedRowsAsText()));
}

void nxGridWnd::PrintTo(QPagedPaintDevice& device)
{
    const nxGridManager::TextTable table = m_manager->GetTextTable(false);
    nxGridPrinter(table, window()->windowTitle()).Print(device);
}

// The printer and page chosen in Print Setup, when the program has an application object.
QPrinter& nxGridWnd::Printer()
{
    if (nxGridApp* app = nxGridApp::GetInstance())
        return app->GetPrinter();
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>();
    return *m_printer;
}

void nxGridWnd::OnFilePrint()
{
    QPrinter& printer = Printer();
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        PrintTo(printer);
}

void nxGridWnd::OnFilePrintPreview()
{
    QPrinter& printer = Printer();
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { PrintTo(*target); });
    preview.exec();
}

void nxGridWnd::CreateFind()
{
    m_find = std::make_unique<nxGridFind>(*m_manager);
    m_delegate->SetFind(m_find.get());
    m_findBar = new nxGridFindBar(this);
    m_findBar->hide();
    m_findTypingTimer.setSingleShot(true);
    connect(&m_findTypingTimer, &QTimer::timeout, this, &nxGridWnd::ApplyFindText);
    connect(m_findBar, &nxGridFindBar::TextEdited, this,
            [this]
            {
                if (m_model->rowCount() > kFindAtOnceRows)
                    m_findTypingTimer.start(kFindTypingPauseMs);
                else
                    ApplyFindText();
            });
    connect(m_findBar, &nxGridFindBar::NextRequested, this, &nxGridWnd::FindNext);
    connect(m_findBar, &nxGridFindBar::PreviousRequested, this, &nxGridWnd::FindPrevious);
    connect(m_findBar, &nxGridFindBar::CloseRequested, this, &nxGridWnd::CloseFind);
    const auto shortcut = [this](QKeySequence keys, void (nxGridWnd::*slot)())
    {
        auto* key = new QShortcut(keys, this, this, slot);
        key->setContext(Qt::WidgetWithChildrenShortcut);
    };
    m_pauseKey = new QShortcut(QKeySequence(Qt::Key_Space), m_view, this, &nxGridWnd::TogglePause);
    m_pauseKey->setContext(Qt::WidgetShortcut);
    m_pauseKey->setEnabled(false);
    shortcut(QKeySequence::Find, &nxGridWnd::OpenFind);
    shortcut(QKeySequence(Qt::Key_F3), &nxGridWnd::FindNext);
    shortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), &nxGridWnd::FindPrevious);
    ConnectFindToModel();
}

void nxGridWnd::ConnectFindToModel()
{
    // Each step of a flush updates the hits of the rows it touched, and no others.
    connect(m_model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last)
            { m_find->RowsInserted(static_cast<size_t>(first), static_cast<size_t>(last)); });
    connect(m_model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last)
            { m_find->RowsAboutToBeRemoved(static_cast<size_t>(first), static_cast<size_t>(last)); });
    connect(m_model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                m_find->CellsChanged(static_cast<size_t>(topLeft.row()),
                                     static_cast<size_t>(bottomRight.row()));
            });
    connect(m_model, &QAbstractItemModel::rowsMoved, this, [this] { m_find->RowsMoved(); });
    connect(m_model, &QAbstractItemModel::layoutChanged, this, [this] { m_find->RowsMoved(); });
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_find->Forget(); });
    connect(m_model, &QAbstractItemModel::modelReset, this,
            [this]
            {
                if (!m_find->GetText().empty())
                    m_find->SetColumns(VisibleColumnsInOrder());
                m_find->Rescan();
            });
}

std::vector<size_t> nxGridWnd::VisibleColumnsInOrder() const
{
    const QHeaderView* header = m_view->horizontalHeader();
    std::vector<size_t> columns;
    for (int place = 0; place < header->count(); ++place)
        if (const int logical = header->logicalIndex(place); !header->isSectionHidden(logical))
            columns.push_back(static_cast<size_t>(logical));
    return columns;
}

bool nxGridWnd::IsFindOpen() const
{
    return m_findBar && !m_findBar->isHidden();
}

void nxGridWnd::OpenFind()
{
    if (!m_findBar)
        return;
    m_findBar->show();
    m_findBar->GetEdit()->setFocus(Qt::ShortcutFocusReason);
    m_findBar->GetEdit()->selectAll();
    if (!m_findBar->GetText().isEmpty())
        ApplyFindText();
}

void nxGridWnd::CloseFind()
{
    if (!IsFindOpen())
        return;
    m_findTypingTimer.stop();
    m_findBar->hide();
    m_find->Clear();
    m_view->setFocus(Qt::OtherFocusReason);
    m_view->viewport()->update();
}

void nxGridWnd::ApplyFindText()
{
    m_findTypingTimer.stop();
    m_find->SetColumns(VisibleColumnsInOrder());
    const bool hadCurrent = m_find->HasCurrent();
    m_find->SetText(m_findBar->GetText().toStdString());
    // As the operator types, the hit stays where it is while it still matches, or
    // moves to the first one from the top of the screen on.
    if (!m_find->HasCurrent() || !hadCurrent)
    {
        const int top = std::max(0, m_view->rowAt(0));
        if (m_find->MoveFrom({static_cast<size_t>(top), 0}, true, true))
            ShowCurrentHit();
    }
    UpdateFindCount();
    m_view->viewport()->update();
}

void nxGridWnd::FindNext()
{
    MoveToHit(true);
}

void nxGridWnd::FindPrevious()
{
    MoveToHit(false);
}

void nxGridWnd::MoveToHit(bool forward)
{
    if (!IsFindOpen() || m_findBar->GetText().isEmpty())
    {
        OpenFind();
        return;
    }
    if (m_findTypingTimer.isActive())
        ApplyFindText();
    const bool moved =
        m_find->HasCurrent()
            ? m_find->MoveFrom(m_find->GetCurrent(), forward, false)
            : m_find->MoveFrom({static_cast<size_t>(std::max(0, m_view->rowAt(0))), 0}, forward, true);
    if (moved)
        ShowCurrentHit();
    UpdateFindCount();
    m_view->viewport()->update();
}

void nxGridWnd::ShowCurrentHit()
{
    const nxGridFind::Place place = m_find->GetCurrent();
    const QModelIndex index = m_model->index(static_cast<int>(place.row), static_cast<int>(place.column));
    if (!index.isValid())
        return;
    // The operator went to a row: the grid keeps it in place rather than follow the top.
    m_followTop = false;
    m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    m_view->scrollTo(index);
}

void nxGridWnd::UpdateFindCount()
{
    m_findBar->ShowCount(m_find->GetCurrentNumber(), m_find->GetHitCount());
}

std::unique_ptr<QMenu> nxGridWnd::CreateContextMenu()
{
    auto menu = std::make_unique<QMenu>(this);
    AddContextCommands(*menu);
    QAction* find = menu->addAction(tr("F&ind..."), this, &nxGridWnd::OpenFind);
    find->setShortcut(QKeySequence::Find);
    QAction* next = menu->addAction(tr("Find &Next"), this, &nxGridWnd::FindNext);
    next->setShortcut(QKeySequence(Qt::Key_F3));
    QAction* previous = menu->addAction(tr("Find Pre&vious"), this, &nxGridWnd::FindPrevious);
    previous->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    menu->addSeparator();
    menu->addAction(tr("&Export..."), this, &nxGridWnd::OnExport);
    if (m_pauseAllowed)
    {
        menu->addSeparator();
        QAction* pause = menu->addAction(tr("&Pause"), this, &nxGridWnd::TogglePause);
        pause->setCheckable(true);
        pause->setChecked(m_paused);
        pause->setShortcut(QKeySequence(Qt::Key_Space));
    }
    return menu;
}

void nxGridWnd::AddContextCommands(QMenu& menu)
{
    auto* frame = qobject_cast<nxGridFrameWnd*>(window());
    if (!frame || m_contextCommands.empty())
        return;
    // The same actions as the menu bar's: enabled, greyed and worded alike.
    frame->UpdateAllCommands();
    for (unsigned id : m_contextCommands)
        if (id == 0)
            menu.addSeparator();
        else if (QAction* action = frame->GetCommandAction(id))
            menu.addAction(action);
    menu.addSeparator();
}

void nxGridWnd::ShowContextMenu(const QPoint& position)
{
    std::unique_ptr<QMenu> menu = CreateContextMenu();
    m_manager->SetReorderHeld(true);
    menu->exec(m_view->viewport()->mapToGlobal(position));
    m_manager->SetReorderHeld(false);
}

void nxGridWnd::OnExport()
{
    QString name = window()->windowTitle();
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9 _-]")), QStringLiteral("_"));
    QString path = QFileDialog::getSaveFileName(this, tr("Export"),
                                                (name.trimmed().isEmpty() ? tr("Grid") : name) + ".csv",
                                                tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    nxGridCsvExport exporter(*m_manager, VisibleColumnsInOrder());
    // The rows keep their places until the file is written.
    m_flushHeld = true;
    const nxGridCsvExport::Outcome outcome = exporter.Write(path, this);
    m_flushHeld = false;
    FlushNow();
    if (outcome == nxGridCsvExport::Outcome::Failed)
        nxMessageBox(GetGridWindowRef(),
                     "The rows could not be exported to " + path.toStdString() + ".\n\n" +
                         exporter.GetError().toStdString(),
                     "Export", MB_OK | MB_ICONEXCLAMATION);
}

void nxGridWnd::SetPauseAllowed(bool allowed)
{
    m_pauseAllowed = allowed;
    if (m_pauseKey)
        m_pauseKey->setEnabled(allowed);
    if (!allowed)
        SetPaused(false);
}

void nxGridWnd::SetPaused(bool paused)
{
    if (!m_manager || paused == m_paused || (paused && !m_pauseAllowed))
        return;
    m_paused = paused;
    m_manager->SetInsertsHeld(paused);
    if (!paused)
        FlushNow();
    UpdateStatusText();
}

void nxGridWnd::UpdateStatusText()
{
    const auto rows = [](size_t count)
    {
        return QLocale(QLocale::English).toString(static_cast<qulonglong>(count)) +
               (count == 1 ? tr(" new row") : tr(" new rows"));
    };
    QStringList parts;
    if (m_paused)
        parts << tr("Paused: %1").arg(rows(m_manager->GetHeldInsertCount()));
    if (m_newRowsAbove != 0)
        parts << tr("%1 above").arg(rows(m_newRowsAbove));
    if (!m_statusNote.isEmpty())
        parts << m_statusNote;
    const QString text = parts.join(QStringLiteral("   "));
    if (text == m_statusText)
        return;
    m_statusText = text;
    emit StatusTextChanged(text);
}
