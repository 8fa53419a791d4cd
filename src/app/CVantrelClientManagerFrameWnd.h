#pragma once

#include "platform/grid/window/nxGridFrameWnd.h"

// The client applications window's frame: menu, toolbar and status bar of its window type.
class CVantrelClientManagerFrameWnd : public nxGridFrameWnd
{
    Q_OBJECT

public:
    CVantrelClientManagerFrameWnd() = default;

protected:
    bool PreCreateWindow() override;
    int OnCreate() override;
};
