#include "grids/nxControlGridManager.h"

#include <memory>

#include "contracts/nxApplicationScheduleAssignment.h"
#include "contracts/nxControlInterface.h"
#include "grids/nxControlGridTexts.h"
#include "platform/grid/CGridRow.h"
#include "platform/grid/CGridStringStyle.h"
#include "platform/grid/data/CGridLockGuard.h"
#include "platform/grid/nxGridCell.h"
#include "platform/grid/nxGridCellCreationTemplate.h"
#include "platform/grid/nxGridCreationTemplate.h"
#include "platform/grid/nxGridEventToResponseMapper.h"
#include "platform/grid/nxGridRowSegmentCreationTemplate.h"
#include "platform/grid/nxGridSortOptions.h"
#include "status/nxApplicationControlCallback.h"
#include "status/nxControlDataObject.h"

namespace
{
namespace Texts = nxControlGridTexts;

constexpr nxAttributeCategory kStatusAttributes = 15;
constexpr nxAttributeID kHostName = 9003;
constexpr nxAttributeID kApplicationName = 9002;
constexpr nxAttributeID kApplicationId = 9001;

// Reads the row's application, if its first cell has one, with the grid's rows lock
// held: that keeps the data object alive while it is read.
template <class Read> void ReadApplication(const CGridManager& grid, const CGridRow* row, Read&& read)
{
    CGridLockGuard rows(grid.GetRowsLock());
    const auto* cell = row ? dynamic_cast<const nxGridCell*>(row->Cell(0)) : nullptr;
    const auto* application =
        cell ? dynamic_cast<const nxControlDataObject*>(cell->GetDataObject()) : nullptr;
    if (application)
        read(*application);
}

bool IsRemovable(const std::string& scheduleName, const nxExpectedApplicationStatusEnum& expectedStatus)
{
    return expectedStatus.GetValue() == nxExpectedStatus::Missing || scheduleName == Texts::IgnoreSchedule;
}
} // namespace

nxControlGridManager::nxControlGridManager(nxGridWnd* gridWnd) : nxGridManager(gridWnd) {}

bool nxControlGridManager::GetHasSelectedApplication() const
{
    return GetNoOfSelectedApplications() != 0;
}

uint32_t nxControlGridManager::GetNoOfSelectedApplications() const
{
    return GetSelectedRowCount();
}

// The selection stays locked until the request is sent or the message is closed.
void nxControlGridManager::StopSelectedApplication()
{
    CGridLockGuard selection(GetSelectionLock());
    if (GetSelectedRows().size() != 1)
    {
        ShowMessage(Texts::StopNeedsOneRow);
        return;
    }
    const nxApplicationID id = _GetApplicationID(SelectedRow());
    if (id.IsEmpty())
        return;
    // The outcome reaches the callback; a refusal is not shown here.
    nxControlInterface::GetInstance()->ShutdownApplication(&nxApplicationControlCallback::GetInstance(),
                                                           nullptr, id);
}

bool nxControlGridManager::GetHasSingleApplicationSelectedThatCanBeRemoved()
{
    CGridLockGuard selection(GetSelectionLock());
    if (GetSelectedRows().size() != 1)
        return false;
    nxApplicationID id;
    std::string scheduleName;
    nxExpectedApplicationStatusEnum expectedStatus;
    _GetApplicationIDScheduleNameAndExpectedStatus(SelectedRow(), id, scheduleName, expectedStatus);
    return IsRemovable(scheduleName, expectedStatus);
}

void nxControlGridManager::RemoveSelectedApplicationFromApplicationImage()
{
    nxApplicationID id;
    std::string scheduleName;
    nxExpectedApplicationStatusEnum expectedStatus;
    {
        CGridLockGuard selection(GetSelectionLock());
        if (GetSelectedRows().size() != 1)
        {
            ShowMessage(Texts::RemoveNeedsOneRow);
            return;
        }
        _GetApplicationIDScheduleNameAndExpectedStatus(SelectedRow(), id, scheduleName, expectedStatus);
    }
    if (!IsRemovable(scheduleName, expectedStatus))
    {
        ShowMessage(std::string(Texts::NotRemovableStart) + Texts::IgnoreSchedule + Texts::NotRemovableEnd);
        return;
    }
    if (id.IsEmpty())
        return;
    // A removal that succeeds takes the row away with a later batch.
    const nxErrorEnum result =
        nxControlInterface::GetInstance()->RemoveApplicationFromApplicationStatusImage(id);
    if (!result.IsOK())
        ShowMessage(Texts::ErrorPrefix + result.GetLongDescription(), Texts::RemoveFailed,
                    MB_OK | MB_ICONERROR);
}

void nxControlGridManager::GetSelectedApplicationScheduleAssignments(
    std::vector<nxApplicationScheduleAssignment*>& out) const
{
    CGridLockGuard selection(GetSelectionLock());
    for (const CGridRow* row : GetSelectedRows())
    {
        auto assignment = std::make_unique<nxApplicationScheduleAssignment>();
        _GetApplicationScheduleAssignment(row, *assignment);
        if (assignment->GetApplicationID().IsEmpty())
            continue;
        out.push_back(assignment.get());
        assignment.release();
    }
}

void nxControlGridManager::_CreateRowSortOptions()
{
    CGridLockGuard guard(GetSortOptionsLock());
    auto* options = new nxGridSortOptions();
    SetSortOptions(options);
    options->ClearAvailableRowSortAttributeIDs();
    options->SetAvailableRowSortAttributeIDs(kStatusAttributes);
    options->SetMandatoryRowSortAttributes({nxAttributeSortOptions(kApplicationId, true)});
}

void nxControlGridManager::_CreateGridCreationTemplate()
{
    CGridLockGuard guard(GetCreationTemplateLock());
    auto* creation = new nxGridCreationTemplate();
    SetGridCreationTemplate(creation);
    creation->CreateAvailableCellCreationTemplates(kStatusAttributes);
    auto* segment = new nxGridRowSegmentCreationTemplate();
    const nxAttributeID columns[] = {kHostName, kApplicationName, kApplicationId};
    for (int column = 0; column < 3; ++column)
        segment->AddCellCreationTemplate(new nxGridCellCreationTemplate(
            column, columns[column],
            new CGridStringStyle(nxRGB(0, 0, 0), nxRGB(225, 225, 255), DT_LEFT | DT_BOTTOM), ""));
    creation->AddRowSegmentCreationTemplate(segment);
}

void nxControlGridManager::_CreateEventToResponseMapper()
{
    CGridLockGuard guard(GetLock());
    SetEventToResponseMapper(new nxGridEventToResponseMapper());
}

bool nxControlGridManager::_CanAddGridDataObject(const nxGridDataObject* object) const
{
    return dynamic_cast<const nxControlDataObject*>(object) != nullptr;
}

void nxControlGridManager::_CustomizeCustomStyles(CGridStyleManager& styles)
{
    styles.SetHighlightMultipleSelectionsWithFrameRect(true);
    styles.SetBidPriceDrawType(nxBidPriceDrawType::Frame);
    styles.SetBidPriceColor(nxRGB(164, 164, 255));
}

nxApplicationID nxControlGridManager::_GetApplicationID(CGridRow* row)
{
    nxApplicationID id;
    ReadApplication(*this, row,
                    [&](const nxControlDataObject& application) { id = application.GetApplicationID(); });
    return id;
}

void nxControlGridManager::_GetApplicationIDScheduleNameAndExpectedStatus(
    CGridRow* row, nxApplicationID& id, std::string& scheduleName,
    nxExpectedApplicationStatusEnum& expectedStatus)
{
    ReadApplication(*this, row,
                    [&](const nxControlDataObject& application)
                    {
                        id = application.GetApplicationID();
                        scheduleName = application.GetApplicationScheduleName();
                        expectedStatus = application.GetExpectedApplicationStatus();
                    });
}

void nxControlGridManager::_GetApplicationScheduleAssignment(
    const CGridRow* row, nxApplicationScheduleAssignment& assignment) const
{
    assignment.SetApplicationID(nxApplicationID());
    assignment.SetApplicationScheduleName({});
    ReadApplication(*this, row,
                    [&](const nxControlDataObject& application)
                    {
                        assignment.SetApplicationID(application.GetApplicationID());
                        assignment.SetApplicationScheduleName(application.GetApplicationScheduleName());
                    });
}

CGridRow* nxControlGridManager::SelectedRow() const
{
    return GetSelectedRows().empty() ? nullptr : *GetSelectedRows().begin();
}

void nxControlGridManager::ShowMessage(const std::string& text, const std::string& caption,
                                       unsigned flags) const
{
    nxMessageBox(GetOwnerWindowRef(), text, caption, flags);
}
