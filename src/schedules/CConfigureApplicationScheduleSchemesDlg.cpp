#include "schedules/CConfigureApplicationScheduleSchemesDlg.h"

#include <vector>

#include "contracts/nxApplicationSchedule.h"
#include "contracts/nxControlInterface.h"
#include "platform/base/nxLog.h"
#include "schedules/CApplicationScheduleDlg.h"
#include "schedules/nxScheduleNames.h"
#include "schedules/nxScheduleResourceIds.h"
#include "schedules/nxScheduleTexts.h"

namespace
{
using namespace nxScheduleResource;
namespace Texts = nxScheduleTexts;
constexpr const char* kSource = "ConfigureApplicationScheduleSchemesDlg";

nxDialogTemplate SchemesTemplate()
{
    using K = nxControlKind;
    return {IDD_CONFIGURE_SCHEDULE_SCHEMES,
            "Configure Schedule Schemes",
            325,
            183,
            {
                {IDC_SCHEME_NAMES,
                 K::ListBox,
                 "",
                 {7, 7, 254, 169},
                 nxStyle::LBS_SORT | nxStyle::LBS_NOTIFY | nxStyle::WS_VSCROLL},
                {IDC_ADD, K::PushButton, "Add...", {268, 7, 50, 14}},
                {IDC_UPDATE, K::PushButton, "Update...", {268, 24, 50, 14}},
                {IDC_COPY, K::PushButton, "Copy...", {268, 41, 50, 14}},
                {IDC_DELETE, K::PushButton, "Delete", {268, 58, 50, 14}},
                {IDCANCEL, K::PushButton, "Close", {268, 162, 50, 14}},
            }};
}
} // namespace

CConfigureApplicationScheduleSchemesDlg::CConfigureApplicationScheduleSchemesDlg(QWidget* parent)
    : CDialog(SchemesTemplate(), parent)
{
    MapNotify(IDC_SCHEME_NAMES, nxNotify::LBN_SELCHANGE, [this] { UpdateButtons(); });
    MapNotify(IDC_SCHEME_NAMES, nxNotify::LBN_DBLCLK, [this] { OnUpdate(); });
    MapNotify(IDC_ADD, nxNotify::BN_CLICKED, [this] { OnAdd(); });
    MapNotify(IDC_UPDATE, nxNotify::BN_CLICKED, [this] { OnUpdate(); });
    MapNotify(IDC_COPY, nxNotify::BN_CLICKED, [this] { OnCopy(); });
    MapNotify(IDC_DELETE, nxNotify::BN_CLICKED, [this] { OnDelete(); });
}

CConfigureApplicationScheduleSchemesDlg::~CConfigureApplicationScheduleSchemesDlg() = default;

void CConfigureApplicationScheduleSchemesDlg::DoDataExchange()
{
    DDX_Control(IDC_SCHEME_NAMES, m_names);
    DDX_Control(IDC_UPDATE, m_update);
    DDX_Control(IDC_COPY, m_copy);
    DDX_Control(IDC_DELETE, m_delete);
}

bool CConfigureApplicationScheduleSchemesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    Refresh();
    return true;
}

void CConfigureApplicationScheduleSchemesDlg::Refresh()
{
    m_names.ResetContent();
    std::vector<std::string> names;
    nxScheduleNames::Fetch(GetWindowRef(), kSource, names);
    for (const std::string& name : names)
        m_names.AddString(name);
    UpdateButtons();
    m_names.Invalidate();
}

void CConfigureApplicationScheduleSchemesDlg::UpdateButtons()
{
    const bool selected = m_names.GetCurSel() != LB_ERR;
    m_update.EnableWindow(selected);
    m_copy.EnableWindow(selected);
    m_delete.EnableWindow(selected);
}

void CConfigureApplicationScheduleSchemesDlg::OnAdd()
{
    CApplicationScheduleDlg dialog(this);
    dialog.SetNew(true);
    dialog.SetCopy(false);
    if (dialog.DoModal() == IDOK)
        Refresh();
}

void CConfigureApplicationScheduleSchemesDlg::OnUpdate()
{
    std::unique_ptr<nxApplicationSchedule> schedule = FetchSelected();
    if (!schedule)
        return;
    CApplicationScheduleDlg dialog(this);
    dialog.SetNew(false);
    dialog.SetCopy(false);
    dialog.SetSourceSchedule(std::move(schedule));
    dialog.DoModal();
}

// The copy is selected afterwards, so that it can be updated straight away.
void CConfigureApplicationScheduleSchemesDlg::OnCopy()
{
    std::unique_ptr<nxApplicationSchedule> schedule = FetchSelected();
    if (!schedule)
        return;
    schedule->SetScheduleName(Texts::CopyPrefix + schedule->GetScheduleName());
    schedule->SetVersion(nxUInt32ValueWrapper()); // null: never saved
    CApplicationScheduleDlg dialog(this);
    dialog.SetNew(true);
    dialog.SetCopy(true);
    dialog.SetSourceSchedule(std::move(schedule));
    if (dialog.DoModal() != IDOK)
        return;
    Refresh();
    SelectScheme(dialog.GetSavedScheduleName());
}

void CConfigureApplicationScheduleSchemesDlg::OnDelete()
{
    const int selected = m_names.GetCurSel();
    if (selected == LB_ERR)
    {
        nxMessageBox(GetWindowRef(), Texts::NothingSelected);
        return;
    }
    const std::string name = m_names.GetText(selected);
    nxLog(nxLogLevelEnum(nxLogLevel::Info), kSource) << Texts::DeleteAttempt << name;
    const nxErrorEnum result = nxControlInterface::GetInstance()->DeleteApplicationScheduleInstance(name);
    if (!result.IsOK())
    {
        nxMessageBox(GetWindowRef(), Texts::ErrorPrefix + result.GetLongDescription(), Texts::DeleteFailed,
                     MB_OK | MB_ICONERROR);
        return;
    }
    Refresh();
}

std::unique_ptr<nxApplicationSchedule> CConfigureApplicationScheduleSchemesDlg::FetchSelected()
{
    const int selected = m_names.GetCurSel();
    if (selected == LB_ERR)
    {
        nxMessageBox(GetWindowRef(), Texts::NothingSelected);
        return nullptr;
    }
    nxApplicationSchedule* fetched = nullptr;
    const nxErrorEnum result = nxControlInterface::GetInstance()->GetApplicationScheduleDefinition(
        m_names.GetText(selected), fetched);
    // What the service hands back is only ours to delete when it answers OK.
    std::unique_ptr<nxApplicationSchedule> schedule(result.IsOK() ? fetched : nullptr);
    if (!schedule)
        nxMessageBox(GetWindowRef(), Texts::ErrorPrefix + result.GetLongDescription(), Texts::ReadFailed);
    return schedule;
}

void CConfigureApplicationScheduleSchemesDlg::SelectScheme(const std::string& name)
{
    m_names.SetCurSel(m_names.FindStringExact(-1, name));
    UpdateButtons();
}
