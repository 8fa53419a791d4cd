#include "app/nxFrameToolBar.h"

#include "platform/grid/window/nxGridApp.h"
#include "platform/grid/window/nxGridFrameWnd.h"

int nxCreateFrameToolBar(nxGridFrameWnd& frame, unsigned toolBarId, unsigned bitmapId)
{
    if (!frame.CreateToolBar() || !frame.LoadToolBar(toolBarId))
        return -1;
    frame.Load24BitToolbarBitmap(bitmapId, 0);
    if (nxGridApp* app = nxGridApp::GetInstance())
        app->CustomizeNewFileButton(frame.GetToolBar(), true);
    frame.DockToolBar();
    return 0;
}
