#pragma once

// Dialog, control and command ids of the log window.
namespace nxLogResource
{
inline constexpr unsigned IDD_FILTERS = 131;
inline constexpr unsigned IDD_TEST_REGEX_FILTER = 139;

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

// "&Filters..." in the log window's View menu.
inline constexpr unsigned ID_VIEW_FILTERS = 32773;
} // namespace nxLogResource
