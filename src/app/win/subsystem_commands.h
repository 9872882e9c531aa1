// Commands of the main window served by the subsystems built on the frame.
// The main window's command table asks each in turn; each returns TRUE
// when it took the command. Each lives in its subsystem's win/ folder.
#pragma once
#include <windows.h>

BOOL DocCommand(HWND hwnd, UINT id, UINT code, LPARAM lParam);      // doc/win
BOOL TextCommand(HWND hwnd, UINT id, UINT code, LPARAM lParam);     // text/win
BOOL FileListCommand(HWND hwnd, UINT id, UINT code, LPARAM lParam); // filelist/win
BOOL SettingsCommand(HWND hwnd, UINT id, UINT code, LPARAM lParam); // settings/win
BOOL ToolsCommand(HWND hwnd, UINT id, UINT code, LPARAM lParam);    // tools/win
BOOL WebCommand(HWND hwnd, UINT id, UINT code, LPARAM lParam);      // web/win
BOOL DesignerCommand(HWND hwnd, UINT id, UINT code, LPARAM lParam); // designer/win
BOOL CaptureCommand(HWND hwnd, UINT id, UINT code, LPARAM lParam);  // capture/win
