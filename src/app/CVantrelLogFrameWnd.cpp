#include "app/CVantrelLogFrameWnd.h"

#include "app/nxFrameToolBar.h"
#include "app/nxSystemManagerIds.h"

bool CVantrelLogFrameWnd::PreCreateWindow()
{
    return nxGridFrameWnd::PreCreateWindow();
}

int CVantrelLogFrameWnd::OnCreate()
{
    if (nxGridFrameWnd::OnCreate() == -1)
        return -1;
    return nxCreateFrameToolBar(*this, nxSystemManagerId::IDR_LOG, nxSystemManagerId::IDB_LOG_TOOLBAR);
}
