#include "app/frame/tooltips.h"

#include "app/frame/globals.h"

#include <commctrl.h>

// The one tooltip window that carries every tool: each further top-level
// window costs the start-up a window of the display server.
static HWND hSharedTip;

/* AddTooltip: a tool for the control on the shared tooltip window, made on first use. */
HWND AddTooltip(HWND control, const char *text, RECT rc)
{
    if (!hSharedTip || !IsWindow(hSharedTip))
        hSharedTip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, NULL, WS_POPUP | TTS_ALWAYSTIP,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                     control, NULL, frame.hInst, NULL);
    HWND tip = hSharedTip;
    if (!tip)
        return NULL;
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.uFlags = TTF_SUBCLASS;
    ti.hwnd = control;
    ti.hinst = frame.hInst;
    ti.lpszText = (LPSTR)text;
    if (rc.right == 0 && rc.bottom == 0) {
        GetClientRect(control, &rc);
        if (rc.right == 0) rc.right = 200;
        if (rc.bottom == 0) rc.bottom = 50;
    }
    ti.rect = rc;
    SendMessageA(tip, TTM_ADDTOOLA, 0, (LPARAM)&ti);
    return tip;
}
