#pragma once

// What the schedule dialogs say to the operator.
namespace nxScheduleTexts
{
inline constexpr const char* ErrorPrefix = "Error: ";
inline constexpr const char* NothingSelected = "Nothing selected";

// Definition dialog.
inline constexpr const char* TimeZoneTablePath = "c:\\vantrel\\data\\trunk\\date_time_zonespec_minimal.csv";
inline constexpr const char* TimeZoneInitialiseFailed = "Failed to initialise Time Zone Converter";
inline constexpr const char* TimeFormat = "HH:mm";
inline constexpr const char* InvalidTime = "Invalid time";
inline constexpr const char* NoName = "No name specified";
inline constexpr const char* InvalidNameCharacters = "*.<>%$?#~";
inline constexpr const char* InvalidNameTokens = "Name contains invalid tokens.\nThe following are invalid: ";
inline constexpr const char* NoRegion = "No Time Zone Region selected";
inline constexpr const char* SaveFailed = "Failed to save application schedule";

// Scheme list.
inline constexpr const char* ListFailed = "Failed to get list of application schedule names";
inline constexpr const char* ListFailedLog = "Failed to get list of application schedule names, err: ";
inline constexpr const char* ReadFailed = "Failed to get application schedule definition";
inline constexpr const char* CopyPrefix = "Copy of ";
inline constexpr const char* DeleteAttempt = "Attempting to delete application schedule instance: ";
inline constexpr const char* DeleteFailed = "Failed to delete instance";

// Assignment dialog.
inline constexpr const char* NoScheme = "<NONE>";
inline constexpr const char* DifferentNames =
    "The selected applications do not all have the same schedule name!\n"
    "The selection will start off blank as it cannot be determine which one is desired";
inline constexpr const char* DifferentNamesCaption = "Assign Schedules";
inline constexpr const char* NoNameSelected = "No schedule name selected";
inline constexpr const char* PreparingAssignment =
    "Preparing new application assignment for saving. ApplicationID: ";
inline constexpr const char* ExistingName = " existingScheduleName: ";
inline constexpr const char* NewName = " newScheduleName: ";
inline constexpr const char* SendingAssignments =
    "Sending request to server to SaveApplicationScheduleAssignments";
inline constexpr const char* RequestSucceeded = "Request succeeeded";
inline constexpr const char* RequestFailed = "Request failed, error: ";
inline constexpr const char* SaveChangesFailed = "Failed to save changes";
} // namespace nxScheduleTexts
