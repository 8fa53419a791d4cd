#pragma once

#include <string>

#include "platform/base/nxMessageBox.h"

class QWidget;

// The window side of nxMessageBox: owners are widgets, and boxes are real message
// boxes captioned with the application's title when they have no caption.
nxWindowRef nxWindowRefOf(QWidget* widget);
QWidget* nxWidgetOf(nxWindowRef owner);

// Installs the handler that shows message boxes on screen (once, at start-up).
void nxInstallQtMessageBoxHandler();
// The caption of boxes without one.
void nxSetApplicationTitle(const std::string& title);
std::string nxGetApplicationTitle();
