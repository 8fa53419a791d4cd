#include "app/CVantrelClientManagerFrameWnd.h"

#include "app/nxFrameToolBar.h"
#include "app/nxSystemManagerIds.h"

bool CVantrelClientManagerFrameWnd::PreCreateWindow()
{
    return nxGridFrameWnd::PreCreateWindow();
}

int CVantrelClientManagerFrameWnd::OnCreate()
{
    if (nxGridFrameWnd::OnCreate() == -1)
        return -1;
    return nxCreateFrameToolBar(*this, nxSystemManagerId::IDR_CLIENTS,
                                nxSystemManagerId::IDB_CLIENTS_TOOLBAR);
}
