// The toolbar, the find bar and the bar states kept in the settings.
#pragma once
#include <windows.h>

HWND CreateMainToolbar(HWND mainWnd);
HWND CreateFindBar(HWND mainWnd);

// Applies the five bar-state words of the settings record (once, after
// the settings have been read).
void ApplyBarStates(HWND mainWnd);
