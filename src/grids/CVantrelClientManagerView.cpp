#include "grids/CVantrelClientManagerView.h"

#include "grids/nxClientControlGridManager.h"
#include "platform/base/nxClientServerEnum.h"
#include "platform/grid/window/nxGridWndTemplate.h"

nxClientServerEnum CVantrelClientManagerView::GetClientServer() const
{
    return nxClientServerEnum(nxClientValue);
}

nxGridWnd* CVantrelClientManagerView::_CreateGridWndInstance()
{
    return new nxGridWndTemplate<nxClientControlGridManager, 0>();
}
