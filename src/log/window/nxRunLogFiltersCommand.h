#pragma once

#include <functional>

class QWidget;
class nxLogGridManager;

// The Filters command of a log view: the Filters dialog over the view, filled
// from its grid; on OK the grid takes the changes, the document is marked
// modified (after every OK, changed or not) and the view repainted. Answers
// whether the operator confirmed.
bool nxRunLogFiltersCommand(QWidget& view, nxLogGridManager& manager,
                            const std::function<void()>& markDocumentModified);
