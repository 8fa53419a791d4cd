#pragma once

#include "platform/grid/window/nxGridFrameWnd.h"

// The log window's frame: menu, toolbar and status bar of its window type.
class CVantrelLogFrameWnd : public nxGridFrameWnd
{
    Q_OBJECT

public:
    CVantrelLogFrameWnd() = default;

protected:
    bool PreCreateWindow() override;
    int OnCreate() override;
};
