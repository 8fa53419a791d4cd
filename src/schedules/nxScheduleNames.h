#pragma once

#include <string>
#include <vector>

#include "platform/base/nxMessageBox.h"

namespace nxScheduleNames
{
// The names of the schemes the control service knows. A refusal is shown in a box
// owned by the dialog and logged under its source name; the names are then empty.
bool Fetch(nxWindowRef owner, const char* logSource, std::vector<std::string>& names);
} // namespace nxScheduleNames
