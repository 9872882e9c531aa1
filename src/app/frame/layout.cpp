#include "app/frame/layout.h"

#include "app/frame/globals.h"

#include <commctrl.h>

/*
 * LayoutMain: places the docked user-button bar, the status bar parts and
 * Split0 for a client area of w x h.
 */
void LayoutMain(HWND hwnd, int w, int h)
{
    if (frame.hRebarBase && !(GetWindowLongA(frame.hRebarBase, GWL_STYLE) & WS_CAPTION)) {
        POINT pt = {0, frame.nToolbarHeight + 2};
        ClientToScreen(hwnd, &pt);
        MoveWindow(frame.hRebarBase, pt.x, pt.y, w - frame.nRightInset, frame.nUserBarHeight, TRUE);
        SORA_ASSERT(GetParent(frame.hRebar) == frame.hRebarBase);
    }
    if (frame.hStatus) {
        int inner = w - frame.nLeftInset - frame.nRightInset;
        int parts[3] = {inner - 300, inner - 150 > 350 ? inner - 150 : 350, inner};
        SendMessageA(frame.hStatus, SB_SETPARTS, 3, (LPARAM)parts);
        MoveWindow(frame.hStatus, 0, h - frame.nBottomInset + 2, w - frame.nRightInset, 22, TRUE);
    }
    if (frame.Split0)
        MoveWindow(frame.Split0, 0, frame.nTopInset, w - frame.nRightInset, h - frame.nTopInset - frame.nBottomInset,
                   TRUE);
}

void RelayoutMain()
{
    RECT rc;
    GetClientRect(frame.hMainWnd, &rc);
    LayoutMain(frame.hMainWnd, rc.right, rc.bottom);
}
