#pragma once

#include "grids/CVantrelSystemManagerView.h"

// The view of the client applications window: the server view's commands over
// the client applications grid.
class CVantrelClientManagerView : public CVantrelSystemManagerView
{
public:
    CVantrelClientManagerView() = default;

    // Clients (71).
    nxClientServerEnum GetClientServer() const override;

protected:
    nxGridWnd* _CreateGridWndInstance() override;
};
