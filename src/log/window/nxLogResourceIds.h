#pragma once

// Dialog, control and command ids of the log window.
namespace nxLogResource
{
inline constexpr unsigned IDD_FILTERS = 131;
inline constexpr unsigned IDD_TEST_REGEX_FILTER = 139;
inline constexpr unsigned IDD_HIDE_ROWS = 141;

// The Filters dialog.
inline constexpr int IDC_APPLICATION = 1000;
inline constexpr int IDC_HOST = 1001;
inline constexpr int IDC_LOG_LEVELS = 1003;
inline constexpr int IDC_REGEX_FILTER = 1033;
inline constexpr int IDC_TEST = 1034;
inline constexpr int IDC_CASE_INSENSITIVE = 1036;

// The test dialog: the pattern is IDC_REGEX_FILTER again.
inline constexpr int IDC_TEST_TEXT = 1001;
inline constexpr int IDC_VERDICT = 1035;

// Hide Rows Like This: the pattern is IDC_REGEX_FILTER, its verdict IDC_VERDICT.
inline constexpr int IDC_HIDE_ADD = 1040;
inline constexpr int IDC_HIDE_LIST = 1041;
inline constexpr int IDC_HIDE_REMOVE = 1042;

// "&Filters..." in the log window's View menu.
inline constexpr unsigned ID_VIEW_FILTERS = 32773;
// "Hide Rows Like This..." in the log grid's context menu.
inline constexpr unsigned ID_HIDE_ROWS = 32790;
} // namespace nxLogResource
