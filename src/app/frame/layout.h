// The layout of the main window's client area.
#pragma once
#include <windows.h>

// Places the docked user-button bar, the status bar parts and Split0 for a
// client area of w x h.
void LayoutMain(HWND hwnd, int w, int h);
// Runs the layout of WM_SIZE again with the current client size.
void RelayoutMain();
