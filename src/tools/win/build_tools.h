// The build commands and the compiler setup check of the main window.
#pragma once
#include <windows.h>

struct CommandTemplates;

// The compile and library command-line templates of the string table.
const CommandTemplates *LoadedCommandTemplates(void);

// Command 409: the makefile window (modeless, hMakefileDlg).
void OpenMakefileDialog(HWND owner);

// Command 408: the quick compile of the file on show.
void QuickCompile(HWND owner);

// Command 399: the static library dialog.
void OpenStaticLibDialog(HWND owner);

// One pass of the compiler setup check; 1 when the user changed a file in
// the dialog (check again), else 0.
int CheckCompilerSetup(void);

// Command 406: the check from the menu, repeated while files change.
void CompilerSetupCommand(void);

// The check at start-up, after the window is up and the settings loaded:
// the main window is posted WM_STARTUP_SETUP_CHECK, on which it runs
// RunStartupSetupCheck.
enum { WM_STARTUP_SETUP_CHECK = WM_APP + 0x60 };
void ScheduleStartupSetupCheck(HWND hwnd);
void RunStartupSetupCheck(void);
