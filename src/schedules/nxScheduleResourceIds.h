#pragma once

// Dialog and control ids of the schedule dialogs.
namespace nxScheduleResource
{
inline constexpr unsigned IDD_CONFIGURE_SCHEDULE_SCHEMES = 134;
inline constexpr unsigned IDD_APPLICATION_SCHEDULE = 135;
inline constexpr unsigned IDD_ASSIGN_SCHEDULE_SCHEME = 136;

// The scheme list.
inline constexpr int IDC_SCHEME_NAMES = 1002;
inline constexpr int IDC_ADD = 5003;
inline constexpr int IDC_UPDATE = 1005;
inline constexpr int IDC_COPY = 1006;
inline constexpr int IDC_DELETE = 1007;

// The assignment dialog.
inline constexpr int IDC_SCHEDULE_NAME = 1030;

// The definition dialog. Day n's start picker is IDC_FIRST_DAY_START + 2n, its stop picker the next id.
inline constexpr int IDC_NAME = 1008;
inline constexpr int IDC_TIME_ZONE_REGION = 1009;
inline constexpr int IDC_FIRST_DAY_START = 1010;
inline constexpr int IDC_STARTS_IN_THE_EVENING = 1027;
inline constexpr int IDC_START_LABEL = 1028;
inline constexpr int IDC_STOP_LABEL = 1029;
inline constexpr int IDC_IGNORE_DAILY_SHUTDOWN = 1032;

constexpr int DayStartId(int day)
{
    return IDC_FIRST_DAY_START + 2 * day;
}
constexpr int DayStopId(int day)
{
    return IDC_FIRST_DAY_START + 2 * day + 1;
}
} // namespace nxScheduleResource
