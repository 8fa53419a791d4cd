#pragma once

#include <QRect>
#include <string>
#include <vector>

#include "platform/xml/nxXMLElement.h"

class CMultiDocTemplate;
class nxGridApp;
class nxGridFrameWnd;
class nxXMLDocument;

// A workspace file: every open window in order, with its window type, place and
// size, bars, the file its document is saved to and its grid layout (as shown,
// saved or not).
class nxGridWorkspace
{
public:
    static constexpr const char* RootElementName = "GridWorkspace";

    struct Window
    {
        CMultiDocTemplate* docTemplate = nullptr;
        std::string path;
        QRect geometry;
        bool maximized = false;
        bool toolBar = true;
        bool statusBar = true;
        bool modified = false;
        nxXMLElement layout;
    };

    static nxXMLDocument Capture(const std::vector<nxGridFrameWnd*>& frames, const nxGridApp& app);
    // The windows of a loaded workspace file; a text naming the file and the reason
    // when it cannot be used as a whole (then windows is left empty).
    static std::string Read(nxXMLDocument& document, const nxGridApp& app, const std::string& path,
                            std::vector<Window>& windows);
    // Makes and shows the window; null when it cannot be made.
    static nxGridFrameWnd* Restore(Window& window);

private:
    static void CaptureFrame(nxGridFrameWnd& frame, nxXMLElement& element);
    static std::string ReadWindow(nxXMLElement& element, const nxGridApp& app, Window& window);
};
