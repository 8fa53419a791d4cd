#pragma once

#include "platform/grid/window/nxGridFrameWnd.h"

// The server applications window's frame. After the operator has left the program
// alone for a while, its grid scrolls back to the first row.
class CMainFrame : public nxGridFrameWnd
{
    Q_OBJECT

public:
    static constexpr const char* ScrollResetTimeoutVariable = "KVR_SYSTEM_MANAGER_SCROLL_RESET_TIMEOUT";
    static constexpr double DefaultScrollResetTimeoutSeconds = 180;

    CMainFrame() = default;

    // From the environment variable, read once per process: later changes to it have no effect.
    nxDoubleValueWrapper GetInputInactivityWarningThresholdSeconds() const override;
    void OnInputInactivityWarning() override;

protected:
    bool PreCreateWindow() override;
    int OnCreate() override;
};
