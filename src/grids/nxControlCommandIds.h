#pragma once

// The Control commands of the application views.
namespace nxControlCommand
{
inline constexpr unsigned ID_STOP_APPLICATION = 32771;
inline constexpr unsigned ID_CONFIGURE_SCHEDULE_SCHEMES = 32778;
inline constexpr unsigned ID_ASSIGN_SCHEDULE = 32782;
inline constexpr unsigned ID_REMOVE_APPLICATION = 32783;
} // namespace nxControlCommand
