// Tooltips over controls of the main window.
#pragma once
#include <windows.h>

// Gives control a tooltip with text over the rectangle rc of its client area;
// all such tools share one tooltip window, which is returned.
HWND AddTooltip(HWND control, const char *text, RECT rc);
