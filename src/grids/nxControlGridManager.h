#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "contracts/nxApplicationID.h"
#include "platform/base/nxClientServerEnum.h"
#include "platform/base/nxExpectedApplicationStatusEnum.h"
#include "platform/base/nxMessageBox.h"
#include "platform/grid/nxGridManager.h"

class CGridRow;
class nxApplicationScheduleAssignment;

// The grid behind both application views: rows of application status, host name,
// application name and id as the first columns, rows in ascending application id,
// and the operator's actions on the selected rows. Cells, rows and columns are the
// library's plain ones. Every message box it shows is owned by its grid window.
class nxControlGridManager : public nxGridManager
{
public:
    explicit nxControlGridManager(nxGridWnd* gridWnd);

    bool GetHasSelectedApplication() const;
    uint32_t GetNoOfSelectedApplications() const;

    // Asks the control service to stop the one selected application.
    void StopSelectedApplication();
    // Exactly one row selected, and it is Missing or scheduled "Ignore".
    bool GetHasSingleApplicationSelectedThatCanBeRemoved();
    void RemoveSelectedApplicationFromApplicationImage();
    // Appends one new assignment per selected row that has an application: its id and
    // current schedule name. The caller owns them.
    void GetSelectedApplicationScheduleAssignments(std::vector<nxApplicationScheduleAssignment*>& out) const;

    virtual nxClientServerEnum GetClientServer() const = 0;

protected:
    void _CreateRowSortOptions() override;
    void _CreateGridCreationTemplate() override;
    void _CreateEventToResponseMapper() override;
    bool _CanAddGridDataObject(const nxGridDataObject* object) const override;
    void _CustomizeCustomStyles(CGridStyleManager& styles) override;

    // An empty id when the row has no application.
    nxApplicationID _GetApplicationID(CGridRow* row);
    // Leaves the three untouched when the row has no application.
    void _GetApplicationIDScheduleNameAndExpectedStatus(CGridRow* row, nxApplicationID& id,
                                                        std::string& scheduleName,
                                                        nxExpectedApplicationStatusEnum& expectedStatus);
    // Both empty when the row has no application.
    void _GetApplicationScheduleAssignment(const CGridRow* row,
                                           nxApplicationScheduleAssignment& assignment) const;

private:
    // The first selected row; selection lock held.
    CGridRow* SelectedRow() const;
    void ShowMessage(const std::string& text, const std::string& caption = {}, unsigned flags = MB_OK) const;
};
