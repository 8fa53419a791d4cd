#pragma once

// What the log window says to the operator.
namespace nxLogTexts
{
inline constexpr const char* FiltersMenuItem = "&Filters...";
inline constexpr const char* FiltersPrompt = "Filters\nFilters";

// The Filters dialog.
inline constexpr const char* FiltersCaption = "Filters";
inline constexpr const char* ApplicationLabel = "Application";
inline constexpr const char* HostLabel = "Host";
inline constexpr const char* LogLevelsLabel = "Log Levels";
inline constexpr const char* RegexFilterLabel = "Text Regex Filter";
inline constexpr const char* TestButton = "Test";
inline constexpr const char* CaseInsensitive = "Case Insensitive";
// The text a pattern is tried on before the dialog accepts it.
inline constexpr const char* PatternProbe = "Test123";
inline constexpr const char* InvalidPattern = "Text Regex Filter is invalid - caught an exception!";
inline constexpr const char* InvalidPatternCaption = "Invalid Regular Expression";
inline constexpr const char* NoPattern = "No Regex filter specified";

// The test dialog.
inline constexpr const char* TestCaption = "Test Regex Filter";
inline constexpr const char* TestPatternLabel = "Regex Filter";
inline constexpr const char* TestTextLabel =
    "Test Pattern - Type Or Paste Text To See If It Matches The Filter";
inline constexpr const char* VerdictPlaceholder = "Static";
inline constexpr const char* Match = "Match";
inline constexpr const char* NoMatch = "Not a match";
inline constexpr const char* InvalidVerdict = "Invalid Regular Expression - caught an exception!";
} // namespace nxLogTexts
