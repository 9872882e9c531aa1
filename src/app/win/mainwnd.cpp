#include "app/win/mainwnd.h"

#include "app/win/globals.h"
#include "resource_ids.h"
#include "tools/win/build_tools.h"

#include <commctrl.h>

/*
 * LayoutMain: places the docked user-button bar, the status bar parts and
 * Split0 for a client area of w x h.
 */
static void LayoutMain(HWND hwnd, int w, int h)
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

/* OnMainMove: the docked user-button bar follows, and so do pop-up panes. */
static void OnMainMove(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    if (hRebarBase && !(GetWindowLongA(hRebarBase, GWL_STYLE) & WS_CAPTION)) {
        POINT pt = {0, nToolbarHeight + 2};
        ClientToScreen(hwnd, &pt);
        MoveWindow(hRebarBase, pt.x, pt.y, rc.right - nRightInset, nUserBarHeight, TRUE);
    }
    if (Split0)
        SendMessageA(Split0, WM_MOVE, wParam, lParam);
}

static void OnMainTimer(HWND hwnd, WPARAM id)
{
    if (id == 150) {
        KillTimer(hwnd, 150);
        if (hStatus)
            SendMessageA(hStatus, SB_SETTEXTA, 0, (LPARAM)"");
    } else if (id == 151) {
        KillTimer(hwnd, 151);
        bBarDoubleClick = FALSE;
    }
}

HWND GetCurrentEdit(HWND)
{
    if (hSwitchCheck && SendMessageA(hSwitchCheck, BM_GETCHECK, 0, 0) == BST_CHECKED) {
        SORA_ASSERT(IsWindowVisible(hSubEdit1));
        return hSubEdit1;
    }
    return hEdit;
}

/*
 * MainWndProc: the window procedure of "Sora_EditorClass".
 */
LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE:
        hMainWnd = hwnd;
        return OnMainCreate(hwnd) ? 0 : -1;
    case WM_SIZE:
        LayoutMain(hwnd, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_MOVE:
        OnMainMove(hwnd, wParam, lParam);
        return 0;
    case WM_COMMAND:
        OnMainCommand(hwnd, wParam, lParam);
        return 0;
    case WM_TIMER:
        OnMainTimer(hwnd, wParam);
        return 0;
    case WM_STARTUP_SETUP_CHECK:
        RunStartupSetupCheck();
        return 0;
    case WM_NOTIFY:
        return OnMainNotify(hwnd, wParam, lParam);
    case WM_PARENTNOTIFY:
        OnMainParentNotify(hwnd, wParam, lParam);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_RBUTTONDOWN:
        OnMainMouse(hwnd, msg);
        return 0;
    case WM_ENTERSIZEMOVE:
    case WM_EXITSIZEMOVE:
        return 0;
    case WM_CLOSE:
        OnMainClose(hwnd);
        return 0;
    case WM_DESTROY:
        OnMainDestroy(hwnd);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}
