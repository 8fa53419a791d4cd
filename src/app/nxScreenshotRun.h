#pragma once

#include <string>

class CMultiDocTemplate;
class nxEmbeddedControlService;
class nxGridApp;
class nxGridFrameWnd;

// The screenshot mode: one window of the chosen type, fed by the embedded
// platform for the settle time (platform seconds, run as fast as the machine
// allows, the window taking in each step), then rendered to an image file.
class nxScreenshotRun
{
public:
    static constexpr int Width = 1024;
    static constexpr int Height = 600;

    nxScreenshotRun(nxGridApp& app, nxEmbeddedControlService& service);

    // The window's resource id (128, 130 or 132); 0 on success, else an exit status
    // after the reason was written to the standard error.
    int Run(unsigned resourceId, double settleSeconds, const std::string& imagePath);

private:
    nxGridFrameWnd* OpenWindow(unsigned resourceId);
    void Settle(nxGridFrameWnd& frame, double settleSeconds);

    nxGridApp& m_app;
    nxEmbeddedControlService& m_service;
};
