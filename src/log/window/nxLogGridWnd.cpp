#include "log/window/nxLogGridWnd.h"

#include <QMenu>

#include "log/window/nxLogResourceIds.h"
#include "log/window/nxLogTexts.h"
#include "platform/grid/window/nxGridTableModel.h"
#include "platform/grid/window/nxGridTableView.h"

nxLogGridWnd::nxLogGridWnd(QWidget* parent) : nxGridWndTemplate<nxLogGridManager, 0>(parent)
{
    SetPauseAllowed(true);
}

std::unique_ptr<QMenu> nxLogGridWnd::CreateContextMenu()
{
    std::unique_ptr<QMenu> menu = nxGridWnd::CreateContextMenu();
    menu->addSeparator();
    menu->addAction(QString::fromUtf8(nxLogTexts::HideRowsMenuItem), this,
                    [this] { emit CommandRequested(nxLogResource::ID_HIDE_ROWS); });
    return menu;
}

std::string nxLogGridWnd::GetCurrentLogText() const
{
    const QModelIndex current = GetTableView()->currentIndex();
    if (!current.isValid())
        return {};
    return GetGridManager()->GetLogText(GetModel()->RowAt(current.row()));
}
