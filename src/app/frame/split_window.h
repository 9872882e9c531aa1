// "SplitWindow": divides its client area into two panes with a 5-pixel bar
// that the user can drag. Panes may be child or pop-up windows, and may be
// split windows themselves.
#pragma once
#include <windows.h>

// Style bits (low byte of the window style)
#define SWS_HORZ        0x01   // horizontal bar: first pane above, second below
#define SWS_FIXED       0x02   // the bar cannot be dragged
#define SWS_KEEPSECOND  0x04   // on resize the second pane keeps its size
#define SWS_FIRSTFULL   0x08   // the first pane takes the whole area
#define SWS_SECONDFULL  0x10   // the second pane takes the whole area
#define SWS_BOTTOM      0x80   // put at the bottom of the z-order on creation

// Messages
#define SWM_SETFIRST      (WM_USER + 0)   // wParam pane or 0, lParam repaint flag
#define SWM_SETSECOND     (WM_USER + 1)
#define SWM_SETPOS        (WM_USER + 2)   // wParam bar position
#define SWM_SETEDGE       (WM_USER + 3)   // wParam edge flags, lParam edge kind
#define SWM_SETMIN        (WM_USER + 4)   // wParam smallest drag position
#define SWM_SETSECONDSIZE (WM_USER + 5)   // wParam size the second pane keeps
#define SWM_GETSECOND     (WM_USER + 6)   // returns the second pane

extern const char SPLIT_WINDOW_CLASS[];

BOOL RegisterSplitWindowClass(HINSTANCE instance);

// The first UpdateWindow of a window just shown: it paints every pane, so the
// split windows erased in it leave the panes valid (painting them twice
// costs the start-up a second paint of each pane).
void PaintFirstTime(HWND hwnd);
