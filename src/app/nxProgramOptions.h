#pragma once

#include <cstdint>
#include <string>

#include "platform/service/nxEmbeddedPlatformOptions.h"

// What the program is told on its command line.
struct nxProgramOptions
{
    enum class Window
    {
        Server,
        Client,
        Log,
    };

    nxEmbeddedPlatformOptions platform;
    // A document to open at start-up (--open, or the one plain argument).
    std::string openFile;
    // A workspace (1 to 4) to open at start-up; 0 for none.
    int workspace = 0;
    // Renders one window offscreen after the platform has run for settleSeconds, and exits.
    std::string screenshotFile;
    Window screenshotWindow = Window::Server;
    double settleSeconds = 5.0;
    // Rows the log store keeps at most; 0 keeps every row.
    uint64_t logRowLimit = 250000;
};
