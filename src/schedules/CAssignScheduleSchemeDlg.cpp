#include "schedules/CAssignScheduleSchemeDlg.h"

#include <memory>
#include <string>
#include <vector>

#include "contracts/nxApplicationScheduleAssignment.h"
#include "contracts/nxControlInterface.h"
#include "grids/nxControlGridManager.h"
#include "platform/base/nxLog.h"
#include "schedules/nxScheduleNames.h"
#include "schedules/nxScheduleResourceIds.h"
#include "schedules/nxScheduleTexts.h"

namespace
{
using namespace nxScheduleResource;
namespace Texts = nxScheduleTexts;
constexpr const char* kSource = "AssignScheduleSchemeDlg";

nxDialogTemplate AssignTemplate()
{
    using K = nxControlKind;
    return {IDD_ASSIGN_SCHEDULE_SCHEME,
            "Assign Application Schedule ",
            226,
            45,
            {
                {-1, K::Static, "Schedule Name", {7, 9, 58, 8}},
                {IDC_SCHEDULE_NAME, K::DropDownList, "", {68, 7, 94, 100}, nxStyle::CBS_SORT},
                {IDOK, K::DefPushButton, "OK", {169, 7, 50, 14}},
                {IDCANCEL, K::PushButton, "Cancel", {169, 24, 50, 14}},
            }};
}

// The selected rows' assignments, deleted with it.
class SelectedAssignments
{
public:
    explicit SelectedAssignments(const nxControlGridManager* gridManager)
    {
        if (gridManager)
            gridManager->GetSelectedApplicationScheduleAssignments(m_list);
    }
    ~SelectedAssignments()
    {
        for (nxApplicationScheduleAssignment* assignment : m_list)
            delete assignment;
    }
    SelectedAssignments(const SelectedAssignments&) = delete;
    SelectedAssignments& operator=(const SelectedAssignments&) = delete;

    const std::vector<nxApplicationScheduleAssignment*>& List() const { return m_list; }

private:
    std::vector<nxApplicationScheduleAssignment*> m_list;
};

nxLog Info()
{
    return nxLog(nxLogLevelEnum(nxLogLevel::Info), kSource);
}
} // namespace

CAssignScheduleSchemeDlg::CAssignScheduleSchemeDlg(nxControlGridManager* gridManager, QWidget* parent)
    : CDialog(AssignTemplate(), parent), m_gridManager(gridManager)
{
}

void CAssignScheduleSchemeDlg::DoDataExchange()
{
    DDX_Control(IDC_SCHEDULE_NAME, m_names);
}

bool CAssignScheduleSchemeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    FillNames();
    SelectCommonName();
    return true;
}

void CAssignScheduleSchemeDlg::FillNames()
{
    std::vector<std::string> names;
    if (!nxScheduleNames::Fetch(GetWindowRef(), kSource, names))
        return;
    m_names.AddString(Texts::NoScheme);
    for (const std::string& name : names)
        m_names.AddString(name);
}

// The scheme every selected application has now, even one the service no longer
// lists; nothing when they differ, so that the operator has to choose.
void CAssignScheduleSchemeDlg::SelectCommonName()
{
    const SelectedAssignments assignments(m_gridManager);
    const std::string common =
        assignments.List().empty() ? std::string() : assignments.List().front()->GetApplicationScheduleName();
    for (const nxApplicationScheduleAssignment* assignment : assignments.List())
        if (assignment->GetApplicationScheduleName() != common)
        {
            nxMessageBox(GetWindowRef(), Texts::DifferentNames, Texts::DifferentNamesCaption,
                         MB_OK | MB_ICONERROR);
            return;
        }
    if (!common.empty() && m_names.FindStringExact(-1, common) == CB_ERR)
        m_names.AddString(common);
    m_names.SelectString(-1, common.empty() ? Texts::NoScheme : common);
}

void CAssignScheduleSchemeDlg::OnOK()
{
    const int selected = m_names.GetCurSel();
    if (selected == CB_ERR)
    {
        nxMessageBox(GetWindowRef(), Texts::NoNameSelected);
        return;
    }
    std::string name = m_names.GetLBText(selected);
    if (name == Texts::NoScheme)
        name.clear();
    const nxErrorEnum result = SaveAssignments(name);
    if (!result.IsOK())
    {
        nxMessageBox(GetWindowRef(), Texts::ErrorPrefix + result.GetLongDescription(),
                     Texts::SaveChangesFailed, MB_OK | MB_ICONERROR);
        return;
    }
    CDialog::OnOK();
}

// The rows selected now, which need not be those selected when the dialog opened.
nxErrorEnum CAssignScheduleSchemeDlg::SaveAssignments(const std::string& name)
{
    const SelectedAssignments assignments(m_gridManager);
    for (nxApplicationScheduleAssignment* assignment : assignments.List())
    {
        Info() << Texts::PreparingAssignment << assignment->GetApplicationID().GetApplicationID()
               << Texts::ExistingName << assignment->GetApplicationScheduleName() << Texts::NewName << name;
        assignment->SetApplicationScheduleName(name);
    }
    Info() << Texts::SendingAssignments;
    const nxErrorEnum result =
        nxControlInterface::GetInstance()->SaveApplicationScheduleAssignments(assignments.List());
    if (result.IsOK())
        Info() << Texts::RequestSucceeded;
    else
        Info() << Texts::RequestFailed << result;
    return result;
}
