#include "grids/CVantrelSystemManagerView.h"

#include "grids/nxControlCommandIds.h"
#include "grids/nxServerControlGridManager.h"
#include "platform/base/nxClientServerEnum.h"
#include "platform/grid/window/nxGridWndTemplate.h"
#include "schedules/CAssignScheduleSchemeDlg.h"
#include "schedules/CConfigureApplicationScheduleSchemesDlg.h"
#include "status/nxControlDataInterest.h"

CVantrelSystemManagerView::CVantrelSystemManagerView()
{
    MapControlCommands();
}

void CVantrelSystemManagerView::MapControlCommands()
{
    using namespace nxControlCommand;
    MapCommand(ID_STOP_APPLICATION, [this] { OnStopApplication(); });
    MapUpdateCommandUI(ID_STOP_APPLICATION, [this](CCmdUI& ui)
                       { ui.Enable(GetGridManager()->GetNoOfSelectedApplications() == 1); });
    MapCommand(ID_CONFIGURE_SCHEDULE_SCHEMES, [this] { OnConfigureScheduleSchemes(); });
    MapCommand(ID_ASSIGN_SCHEDULE, [this] { OnAssignSchedule(); });
    MapUpdateCommandUI(ID_ASSIGN_SCHEDULE,
                       [this](CCmdUI& ui) { ui.Enable(GetGridManager()->GetHasSelectedApplication()); });
    MapCommand(ID_REMOVE_APPLICATION, [this] { OnRemoveApplication(); });
    MapUpdateCommandUI(ID_REMOVE_APPLICATION, [this](CCmdUI& ui)
                       { ui.Enable(GetGridManager()->GetHasSingleApplicationSelectedThatCanBeRemoved()); });
}

nxGridWnd* CVantrelSystemManagerView::_CreateGridWndInstance()
{
    return new nxGridWndTemplate<nxServerControlGridManager, 0>();
}

nxControlGridManager* CVantrelSystemManagerView::GetGridManager() const
{
    return static_cast<nxControlGridManager*>(nxGridView::GetGridManager());
}

nxClientServerEnum CVantrelSystemManagerView::GetClientServer() const
{
    return nxClientServerEnum(nxServerValue);
}

void CVantrelSystemManagerView::OnInitialUpdate()
{
    nxGridView::OnInitialUpdate();
    using namespace nxControlCommand;
    // The Control menu at the row, for the context-menu key as much as the mouse.
    GetGridWnd()->SetContextCommands({ID_STOP_APPLICATION, 0, ID_CONFIGURE_SCHEDULE_SCHEMES,
                                      ID_ASSIGN_SCHEDULE, 0, ID_REMOVE_APPLICATION});
    if (GetGridManager()->HasDataInterests())
        return;
    auto* interest = new nxControlDataInterest();
    interest->SetClientServer(GetClientServer());
    GetGridManager()->AddDataInterest(interest, true);
    interest->FetchDataObjects();
}

void CVantrelSystemManagerView::OnStopApplication()
{
    GetGridManager()->StopSelectedApplication();
}

void CVantrelSystemManagerView::OnConfigureScheduleSchemes()
{
    CConfigureApplicationScheduleSchemesDlg dialog(this);
    dialog.DoModal();
}

void CVantrelSystemManagerView::OnAssignSchedule()
{
    CAssignScheduleSchemeDlg dialog(GetGridManager(), this);
    dialog.DoModal();
}

void CVantrelSystemManagerView::OnRemoveApplication()
{
    GetGridManager()->RemoveSelectedApplicationFromApplicationImage();
}
