#pragma once

#include <memory>
#include <string>

#include "log/window/nxLogGridManager.h"
#include "platform/grid/window/nxGridWndTemplate.h"

// The grid window of a log view: it can be paused, and its context menu adds
// Hide Rows Like This, which the view answers (ID_HIDE_ROWS).
class nxLogGridWnd : public nxGridWndTemplate<nxLogGridManager, 0>
{
public:
    explicit nxLogGridWnd(QWidget* parent = nullptr);

    std::unique_ptr<QMenu> CreateContextMenu() override;
    // The log text of the row with the keyboard's focus; empty for none.
    std::string GetCurrentLogText() const;
};
