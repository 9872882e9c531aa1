// The new-project skeleton window MAKEDLGS: the choices of a Win32
// application skeleton, written into the main pane on request.
#pragma once
#include <windows.h>

// Opens the window (once; an open one is brought forward).
void ShowSkeletonDialog(HWND mainWnd);
