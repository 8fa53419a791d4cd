#pragma once

class nxGridFrameWnd;

// The toolbar every window of the program has: New (with a drop-down of the
// window types), Open, Save Workspace, Copy and Print with the program's icons,
// docked at the top with no gripper. 0, or -1 when the toolbar cannot be made.
int nxCreateFrameToolBar(nxGridFrameWnd& frame, unsigned toolBarId, unsigned bitmapId);
