#pragma once

// Resource and command ids of the program. A window type's menu, accelerators,
// toolbar, icon and document string share its id.
namespace nxSystemManagerId
{
inline constexpr unsigned IDR_SERVERS = 128;
inline constexpr unsigned IDR_LOG = 130;
inline constexpr unsigned IDR_CLIENTS = 132;

// The toolbars' images.
inline constexpr unsigned IDB_CLIENTS_TOOLBAR = 133;
inline constexpr unsigned IDB_LOG_TOOLBAR = 134;
inline constexpr unsigned IDB_SERVERS_TOOLBAR = 135;

// The program's own icon.
inline constexpr unsigned IDI_PROGRAM = 1;

inline constexpr unsigned IDD_ABOUTBOX = 100;
inline constexpr int IDC_VERSION = 1004;

// The log view's command; the application views' are nxControlCommand's.
inline constexpr unsigned ID_LOG_FILTERS = 32773;
} // namespace nxSystemManagerId
