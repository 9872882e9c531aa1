// The toolbar, the find bar and the bar states kept in the settings.
#pragma once
#include <windows.h>

HWND CreateMainToolbar(HWND mainWnd);
HWND CreateFindBar(HWND mainWnd);

// Applies the five bar-state words of the settings record (once, after
// the settings have been read); the caller lays the window out afterwards.
void ApplyBarStates(HWND mainWnd);

// Command-line bar
INT_PTR CALLBACK CmdLineDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
void ToggleCommandBar();
void ShowCommandBar();  // placed under the main window on its first showing
void FillCommandList();

// Base dialogs of the user-button and file-list bars
INT_PTR CALLBACK BaseBarDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
void DockBar(HWND base);
// The file-list rebar sized to its buttons (call after adding or removing one).
void FitFileBar();
void FloatBar(HWND base);
