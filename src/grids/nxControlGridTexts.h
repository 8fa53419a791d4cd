#pragma once

// What the application grids say to the operator.
namespace nxControlGridTexts
{
inline constexpr const char* ErrorPrefix = "Error: ";
inline constexpr const char* StopNeedsOneRow =
    "Stop applications is only valid when a single row is selected";
inline constexpr const char* RemoveNeedsOneRow =
    "Remove application is only valid when a single row is selected";
// The schedule whose applications may be removed whatever their state, exactly so spelt.
inline constexpr const char* IgnoreSchedule = "Ignore";
inline constexpr const char* NotRemovableStart =
    " Only applications in the Missing state or with a schedule of '";
inline constexpr const char* NotRemovableEnd = "' can be removed this way";
inline constexpr const char* RemoveFailed = "Failed to remove application";
} // namespace nxControlGridTexts
