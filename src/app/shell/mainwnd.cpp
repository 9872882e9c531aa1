#include "app/shell/mainwnd.h"

#include "app/frame/globals.h"
#include "app/frame/layout.h"
#include "resource_ids.h"
#include "settings/win/batch_run.h"
#include "tools/win/build_tools.h"

#include <commctrl.h>

/* OnMainMove: the docked user-button bar follows, and so do pop-up panes. */
static void OnMainMove(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    if (frame.hRebarBase && !(GetWindowLongA(frame.hRebarBase, GWL_STYLE) & WS_CAPTION)) {
        POINT pt = {0, frame.nToolbarHeight + 2};
        ClientToScreen(hwnd, &pt);
        MoveWindow(frame.hRebarBase, pt.x, pt.y, rc.right - frame.nRightInset, frame.nUserBarHeight, TRUE);
    }
    if (frame.Split0)
        SendMessageA(frame.Split0, WM_MOVE, wParam, lParam);
}

static void OnMainTimer(HWND hwnd, WPARAM id)
{
    if (id == 150) {
        KillTimer(hwnd, 150);
        if (frame.hStatus)
            SendMessageA(frame.hStatus, SB_SETTEXTA, 0, (LPARAM)"");
    } else if (id == 151) {
        KillTimer(hwnd, 151);
        frame.bBarDoubleClick = FALSE;
    }
}

/*
 * MainWndProc: the window procedure of "Sora_EditorClass".
 */
LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE:
        frame.hMainWnd = hwnd;
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
    case WM_BATCH_REQUEST:
        return OnBatchRequest(wParam, lParam);
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
