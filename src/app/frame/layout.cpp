#include "app/frame/layout.h"

#include "app/frame/globals.h"

#include <commctrl.h>

/*
 * LayoutMain: places the docked user-button bar, the status bar parts and
 * Split0 for a client area of w x h.
 */
void LayoutMain(HWND hwnd, int w, int h)
{
    if (hRebarBase && !(GetWindowLongA(hRebarBase, GWL_STYLE) & WS_CAPTION)) {
        POINT pt = {0, nToolbarHeight + 2};
        ClientToScreen(hwnd, &pt);
        MoveWindow(hRebarBase, pt.x, pt.y, w - nRightInset, nUserBarHeight, TRUE);
        SORA_ASSERT(GetParent(hRebar) == hRebarBase);
    }
    if (hStatus) {
        int inner = w - nLeftInset - nRightInset;
        int parts[3] = {inner - 300, inner - 150 > 350 ? inner - 150 : 350, inner};
        SendMessageA(hStatus, SB_SETPARTS, 3, (LPARAM)parts);
        MoveWindow(hStatus, 0, h - nBottomInset + 2, w - nRightInset, 22, TRUE);
    }
    if (Split0)
        MoveWindow(Split0, 0, nTopInset, w - nRightInset, h - nTopInset - nBottomInset, TRUE);
}

void RelayoutMain()
{
    RECT rc;
    GetClientRect(hMainWnd, &rc);
    LayoutMain(hMainWnd, rc.right, rc.bottom);
}
