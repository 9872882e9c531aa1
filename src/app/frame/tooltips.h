// Tooltips over controls of the main window.
#pragma once
#include <windows.h>

// Gives control a tooltip with text over the rectangle rc of its client area.
HWND AddTooltip(HWND control, const char *text, RECT rc);
