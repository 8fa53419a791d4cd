#include "schedules/CApplicationScheduleDlg.h"

#include <vector>

#include "contracts/nxControlInterface.h"
#include "contracts/nxTimeZoneConverter.h"
#include "schedules/nxScheduleResourceIds.h"
#include "schedules/nxScheduleTexts.h"

namespace
{
using namespace nxScheduleResource;
namespace Texts = nxScheduleTexts;
constexpr int kDays = nxApplicationSchedule::DaysPerWeek;

nxDialogTemplate ScheduleTemplate()
{
    using K = nxControlKind;
    const unsigned pickerStyle = nxStyle::DTS_TIMEFORMAT | nxStyle::DTS_SHOWNONE;
    nxDialogTemplate dialog{IDD_APPLICATION_SCHEDULE, "Application Schedule", 298, 243, {}};
    dialog.controls = {
        {-1, K::Static, "Name", {7, 9, 64, 8}},
        {IDC_NAME, K::Edit, "", {75, 7, 216, 14}, nxStyle::ES_AUTOHSCROLL},
        {-1, K::Static, "Time Zone Region", {7, 27, 64, 8}},
        {IDC_TIME_ZONE_REGION,
         K::DropDownList,
         "",
         {75, 25, 216, 120},
         nxStyle::CBS_SORT | nxStyle::WS_VSCROLL},
        {IDC_STARTS_IN_THE_EVENING, K::CheckBox, "Starts In The Evening", {75, 43, 110, 10}},
        {IDC_IGNORE_DAILY_SHUTDOWN, K::CheckBox, "Ignore Daily Shutdown", {75, 56, 110, 10}},
        {IDC_START_LABEL, K::Static, "Start", {72, 72, 40, 8}},
        {IDC_STOP_LABEL, K::Static, "Stop", {132, 72, 40, 8}},
    };
    for (int day = 0; day < kDays; ++day)
    {
        const int y = 84 + 18 * day;
        dialog.controls.push_back({-1, K::Static, nxApplicationSchedule::DayName(day), {7, y + 3, 50, 8}});
        dialog.controls.push_back({DayStartId(day),
                                   K::Custom,
                                   "",
                                   {60, y, 51, 15},
                                   pickerStyle,
                                   CVantrelDateTimeCtrl::Factory(pickerStyle)});
        dialog.controls.push_back({DayStopId(day),
                                   K::Custom,
                                   "",
                                   {120, y, 51, 15},
                                   pickerStyle,
                                   CVantrelDateTimeCtrl::Factory(pickerStyle)});
    }
    dialog.controls.push_back({IDOK, K::DefPushButton, "OK", {187, 222, 50, 14}});
    dialog.controls.push_back({IDCANCEL, K::PushButton, "Cancel", {241, 222, 50, 14}});
    return dialog;
}

QRect MovedTo(const QRect& rect, const QRect& anchor, int offset)
{
    return QRect(anchor.topLeft() + QPoint(offset, 0), rect.size());
}
} // namespace

CApplicationScheduleDlg::CApplicationScheduleDlg(QWidget* parent) : CDialog(ScheduleTemplate(), parent)
{
    MapNotify(IDC_STARTS_IN_THE_EVENING, nxNotify::BN_CLICKED, [this] { LayoutColumns(); });
}

CApplicationScheduleDlg::~CApplicationScheduleDlg() = default;

void CApplicationScheduleDlg::SetSourceSchedule(std::unique_ptr<nxApplicationSchedule> schedule)
{
    m_source = std::move(schedule);
}

void CApplicationScheduleDlg::DoDataExchange()
{
    DDX_Control(IDC_NAME, m_name);
    DDX_Control(IDC_TIME_ZONE_REGION, m_region);
    DDX_Control(IDC_STARTS_IN_THE_EVENING, m_startsInTheEvening);
    DDX_Control(IDC_IGNORE_DAILY_SHUTDOWN, m_ignoreDailyShutdown);
    DDX_Control(IDC_START_LABEL, m_startLabel);
    DDX_Control(IDC_STOP_LABEL, m_stopLabel);
    for (int day = 0; day < kDays; ++day)
    {
        DDX_Control(DayStartId(day), m_start[day]);
        DDX_Control(DayStopId(day), m_stop[day]);
    }
}

bool CApplicationScheduleDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_new)
        m_name.EnableWindow(false);
    InitialiseTimeZoneConverter();
    FillRegions();
    for (int day = 0; day < kDays; ++day)
    {
        m_start[day].SetFormat(Texts::TimeFormat);
        m_stop[day].SetFormat(Texts::TimeFormat);
    }
    m_columnDistance = m_stop[0].GetWindowRect().left() - m_start[0].GetWindowRect().left();
    ShowDefaultTimes();
    if (m_source)
        ShowSourceSchedule();
    LayoutColumns();
    return true;
}

void CApplicationScheduleDlg::InitialiseTimeZoneConverter()
{
    nxTimeZoneConverter* converter = nxTimeZoneConverter::GetInstance();
    if (converter->IsInitialised())
        return;
    std::string errorText;
    if (!converter->Initialise(errorText, Texts::TimeZoneTablePath))
        nxMessageBox(GetWindowRef(), errorText, Texts::TimeZoneInitialiseFailed, MB_OK | MB_ICONERROR);
}

void CApplicationScheduleDlg::FillRegions()
{
    std::vector<std::string> regions;
    nxTimeZoneConverter::GetInstance()->GetTimeZoneRegions(regions);
    for (const std::string& region : regions)
        m_region.AddString(region);
}

// A new scheme runs round the clock on weekdays and not at the weekend.
void CApplicationScheduleDlg::ShowDefaultTimes()
{
    const QTime midnight(0, 0);
    const QTime eleven(23, 0);
    for (int day = 0; day < kDays; ++day)
    {
        m_start[day].SetTime(&midnight);
        m_stop[day].SetTime(&eleven);
    }
    for (int day : {0, kDays - 1})
    {
        m_start[day].SetTime(nullptr);
        m_stop[day].SetTime(nullptr);
    }
}

void CApplicationScheduleDlg::ShowSourceSchedule()
{
    m_name.SetWindowText(m_source->GetScheduleName());
    SelectRegion(m_source->GetTimeZoneRegion());
    if (m_source->GetStartsInTheEvening())
        m_startsInTheEvening.SetCheck(BST_CHECKED);
    for (int day = 0; day < kDays; ++day)
    {
        const nxApplicationScheduleForDay& times = m_source->GetScheduleForDay(day);
        ShowTime(m_start[day], times.GetStartTime());
        ShowTime(m_stop[day], times.GetStopTime());
    }
    if (m_source->GetIgnoreDailyShutdown())
        m_ignoreDailyShutdown.SetCheck(BST_CHECKED);
}

// A region the converter does not know is still the scheme's, so it is offered too.
void CApplicationScheduleDlg::SelectRegion(const std::string& region)
{
    if (m_region.FindStringExact(-1, region) == CB_ERR)
        m_region.AddString(region);
    m_region.SelectString(-1, region);
}

void CApplicationScheduleDlg::ShowTime(CVantrelDateTimeCtrl& picker, const nxTime& time)
{
    if (time.IsNull())
    {
        picker.SetTime(nullptr);
        return;
    }
    const QTime shown(time.GetHour(), time.GetMinute(), time.GetSecond());
    picker.SetTime(&shown);
}

void CApplicationScheduleDlg::LayoutColumns()
{
    const int offset = m_startsInTheEvening.GetCheck() == BST_CHECKED ? m_columnDistance : -m_columnDistance;
    m_startLabel.MoveWindowToScreenRect(
        MovedTo(m_startLabel.GetWindowRect(), m_stopLabel.GetWindowRect(), offset));
    for (int day = 0; day < kDays; ++day)
        m_start[day].MoveWindowToScreenRect(
            MovedTo(m_start[day].GetWindowRect(), m_stop[day].GetWindowRect(), offset));
}

void CApplicationScheduleDlg::OnOK()
{
    nxApplicationSchedule schedule;
    if (!ReadName(schedule) || !ReadRegion(schedule))
        return;
    schedule.SetStartsInTheEvening(m_startsInTheEvening.GetCheck() == BST_CHECKED);
    if (!ReadDays(schedule))
        return;
    schedule.SetIgnoreDailyShutdown(m_ignoreDailyShutdown.GetCheck() == BST_CHECKED);
    std::string errorText;
    if (!schedule.ValidateDaySchedules(errorText))
    {
        Refuse(errorText);
        return;
    }
    const nxErrorEnum result =
        nxControlInterface::GetInstance()->SaveApplicationScheduleDefinition(schedule, false);
    if (!result.IsOK())
    {
        nxMessageBox(GetWindowRef(), Texts::ErrorPrefix + result.GetLongDescription(), Texts::SaveFailed,
                     MB_OK | MB_ICONERROR);
        return;
    }
    m_savedName = schedule.GetScheduleName();
    EndDialog(IDOK);
}

// An updated scheme keeps its name and carries the version it was read at, so the
// service can refuse it if someone saved the scheme in between.
bool CApplicationScheduleDlg::ReadName(nxApplicationSchedule& schedule)
{
    const std::string name = m_name.GetWindowText();
    if (name.empty())
    {
        Refuse(Texts::NoName);
        return false;
    }
    if (m_new || m_copy)
    {
        const std::string invalid = Texts::InvalidNameCharacters;
        if (name.find_first_of(invalid) != std::string::npos)
        {
            Refuse(Texts::InvalidNameTokens + invalid);
            return false;
        }
    }
    else if (m_source)
        schedule.SetVersion(m_source->GetVersion());
    schedule.SetScheduleName(name);
    return true;
}

bool CApplicationScheduleDlg::ReadRegion(nxApplicationSchedule& schedule)
{
    const int selected = m_region.GetCurSel();
    if (selected == CB_ERR)
    {
        Refuse(Texts::NoRegion);
        return false;
    }
    schedule.SetTimeZoneRegion(m_region.GetLBText(selected));
    return true;
}

bool CApplicationScheduleDlg::ReadDays(nxApplicationSchedule& schedule)
{
    for (int day = 0; day < kDays; ++day)
    {
        nxTime start, stop;
        if (!ReadPicker(m_start[day], start) || !ReadPicker(m_stop[day], stop))
            return false;
        schedule.GetScheduleForDay(day).SetStartTime(start);
        schedule.GetScheduleForDay(day).SetStopTime(stop);
    }
    return true;
}

bool CApplicationScheduleDlg::ReadPicker(CVantrelDateTimeCtrl& picker, nxTime& time)
{
    QTime shown;
    switch (picker.GetTime(shown))
    {
    case GDT_NONE:
        time = nxTime::Null();
        return true;
    case GDT_VALID:
        time = nxTime(shown.hour(), shown.minute(), 0);
        return true;
    default:
        Refuse(Texts::InvalidTime);
        picker.SetFocus();
        return false;
    }
}

void CApplicationScheduleDlg::Refuse(const std::string& text)
{
    nxMessageBox(GetWindowRef(), text);
}
