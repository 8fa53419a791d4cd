#pragma once

#include "grids/nxControlGridManager.h"

// The grid of the client applications view.
class nxClientControlGridManager : public nxControlGridManager
{
public:
    explicit nxClientControlGridManager(nxGridWnd* gridWnd) : nxControlGridManager(gridWnd) {}

    nxClientServerEnum GetClientServer() const override { return nxClientServerEnum(nxClientValue); }
};
