#include "log/window/nxRunLogFiltersCommand.h"

#include <QWidget>

#include "log/window/CLogFilterDlg.h"
#include "log/window/nxLogGridManager.h"

bool nxRunLogFiltersCommand(QWidget& view, nxLogGridManager& manager,
                            const std::function<void()>& markDocumentModified)
{
    CLogFilterDlg dialog(&view);
    manager.InitializeFilterDialog(dialog);
    if (dialog.DoModal() != IDOK)
        return false;
    manager.ProcessFilterDialogChanges(dialog);
    if (markDocumentModified)
        markDocumentModified();
    view.update();
    return true;
}
