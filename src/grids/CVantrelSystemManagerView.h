#pragma once

#include "grids/nxControlGridManager.h"
#include "platform/grid/window/nxGridView.h"

// The view of the server applications window, with the operator's Control
// commands: stop an application, configure schedule schemes, assign a scheme to
// the selected applications, remove a missing application. A new view asks for
// its kind of applications; one restored from a file or workspace keeps its own.
class CVantrelSystemManagerView : public nxGridView
{
public:
    CVantrelSystemManagerView();

    void OnInitialUpdate() override;
    nxControlGridManager* GetGridManager() const override;
    // The kind of applications a new view asks for: servers (72).
    virtual nxClientServerEnum GetClientServer() const;

protected:
    nxGridWnd* _CreateGridWndInstance() override;

private:
    void MapControlCommands();
    void OnStopApplication();
    void OnConfigureScheduleSchemes();
    void OnAssignSchedule();
    void OnRemoveApplication();
};
