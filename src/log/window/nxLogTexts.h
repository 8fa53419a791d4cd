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

// Hide Rows Like This.
inline constexpr const char* HideRowsMenuItem = "&Hide Rows Like This...";
inline constexpr const char* HideRowsCaption = "Hide Rows Like This";
inline constexpr const char* HidePatternLabel = "&Pattern: rows whose log text matches it are hidden";
inline constexpr const char* HideAddButton = "&Add";
inline constexpr const char* HideListLabel = "&Hiding rows like";
inline constexpr const char* HideRemoveButton = "&Remove";
inline constexpr const char* HidesSelectedRow = "Hides the selected row";
inline constexpr const char* KeepsSelectedRow = "Does not hide the selected row";
inline constexpr const char* HideInvalidVerdict = "Not a valid regular expression";
inline constexpr const char* HideInvalidPattern = "The pattern is not a valid regular expression. Rows are "
                                                  "hidden by the same test as the Text Regex Filter.";
inline constexpr const char* HidePatternsNote = "%1 hide patterns";
} // namespace nxLogTexts
