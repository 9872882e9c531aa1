// The main window procedure and the handlers it calls.
#pragma once
#include <windows.h>

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Creation of the window tree (WM_CREATE); returns FALSE to fail creation.
BOOL OnMainCreate(HWND hwnd);
void OnMainCommand(HWND hwnd, WPARAM wParam, LPARAM lParam);
void OnMainClose(HWND hwnd);
void OnMainDestroy(HWND hwnd);

// Mouse input, notifications and the edit context menu
LRESULT OnMainNotify(HWND hwnd, WPARAM wParam, LPARAM lParam);
void OnMainParentNotify(HWND hwnd, WPARAM wParam, LPARAM lParam);
void OnMainMouse(HWND hwnd, UINT msg);
void ShowEditContextMenu(HWND hwnd, HWND pane);

// Enter command handlers (WM_COMMAND 9997)
void OnFindEnter();
void OnLineStaticDoubleClick();
void OnLineJumpEnter();

// Shortcut-key commands of the find entry and the line jump
void FocusFindEntry();
void StepFindEntry(BOOL forward);
void FocusLineJump();

void ShowVersionDialog(HWND owner);
