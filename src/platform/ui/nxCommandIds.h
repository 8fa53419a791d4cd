#pragma once

// Command ids of the framework and of the grid library's bases. The numbers are
// the classic ones, so menus, toolbars and the command route speak one language.
namespace nxCommand
{
inline constexpr unsigned FileNew = 57600;
inline constexpr unsigned FileOpen = 57601;
inline constexpr unsigned FileClose = 57602;
inline constexpr unsigned FileSave = 57603;
inline constexpr unsigned FileSaveAs = 57604;
inline constexpr unsigned FilePrintSetup = 57606;
inline constexpr unsigned FilePrint = 57607;
inline constexpr unsigned FilePrintPreview = 57609;
inline constexpr unsigned FileMruFirst = 57616;
inline constexpr unsigned FileMruLast = 57631;
inline constexpr unsigned EditCopy = 57634;
inline constexpr unsigned AppAbout = 57664;
inline constexpr unsigned AppExit = 57665;
inline constexpr unsigned ViewToolbar = 59392;
inline constexpr unsigned ViewStatusBar = 59393;

// The grid library's own commands.
inline constexpr unsigned ViewColumnPicker = 40013;
inline constexpr unsigned ViewCustomise = 40014;
inline constexpr unsigned SaveWorkspace = 40015;
inline constexpr unsigned ViewSorting = 40017;
inline constexpr unsigned ExitAll = 40050;
inline constexpr unsigned SaveAsDefault = 40051;
inline constexpr unsigned OpenWorkspaceFirst = 40063;
inline constexpr unsigned OpenWorkspaceLast = 40066;
} // namespace nxCommand
