#include "app/frame/globals.h"
#include "app/frame/bars.h"
#include "app/frame/layout.h"
#include "resource_ids.h"

#include <commctrl.h>

static const DWORD FLOAT_STYLE = WS_CAPTION | WS_THICKFRAME;

/* DockBar: removes the caption, sizing border and modal frame. */
void DockBar(HWND base)
{
    SetWindowLongPtrA(base, GWL_STYLE, GetWindowLongPtrA(base, GWL_STYLE) & ~FLOAT_STYLE);
    SetWindowLongPtrA(base, GWL_EXSTYLE, GetWindowLongPtrA(base, GWL_EXSTYLE) & ~WS_EX_DLGMODALFRAME);
    SetWindowPos(base, NULL, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

/* FloatBar: adds the caption and frame, keeping the client size and place. */
void FloatBar(HWND base)
{
    RECT rc;
    GetClientRect(base, &rc);
    DWORD style = GetWindowLongA(base, GWL_STYLE) | FLOAT_STYLE;
    DWORD exStyle = GetWindowLongA(base, GWL_EXSTYLE) | WS_EX_DLGMODALFRAME;
    SetWindowLongA(base, GWL_STYLE, style);
    SetWindowLongA(base, GWL_EXSTYLE, exStyle);
    AdjustWindowRectEx(&rc, style, FALSE, exStyle);
    SetWindowPos(base, NULL, 0, 0, rc.right - rc.left, rc.bottom - rc.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

/* BandChildHeight: the height of the window in a band of the file-list rebar. */
static int BandChildHeight(int index)
{
    REBARBANDINFOA band = {};
    band.cbSize = REBARBANDINFOA_V6_SIZE;
    band.fMask = RBBIM_CHILD;
    RECT rc = {};
    if (SendMessageA(frame.hFileRebar, RB_GETBANDINFOA, index, (LPARAM)&band) && band.hwndChild)
        GetWindowRect(band.hwndChild, &rc);
    return rc.bottom - rc.top;
}

/*
 * FitFileBar: the file-list rebar as long as its buttons, at most the height
 * of its carrier. A rebar gives the room left in its column to its last
 * band, which would stretch the last file button down to the bottom.
 */
void FitFileBar()
{
    RECT room;
    if (!frame.hFileRebar || !GetClientRect(frame.hFileRebarBase, &room))
        return;
    MoveWindow(frame.hFileRebar, 0, 0, FILE_BAR_WIDTH, room.bottom, TRUE);
    int count = (int)SendMessageA(frame.hFileRebar, RB_GETBANDCOUNT, 0, 0);
    if (count < 1)
        return;
    // Every file band is made alike and the last one takes the room left:
    // take from the bar what the last button has over the first. A lone
    // button keeps the length of a first one.
    int first = BandChildHeight(0), last = BandChildHeight(count - 1);
    int total = room.bottom - (last - first);
    if (count == 1) {
        REBARBANDINFOA band = {};
        band.cbSize = REBARBANDINFOA_V6_SIZE;
        band.fMask = RBBIM_CHILDSIZE;
        SendMessageA(frame.hFileRebar, RB_GETBANDINFOA, 0, (LPARAM)&band);
        total = room.bottom - (last - (int)band.cxMinChild);
    }
    if (total < room.bottom)
        MoveWindow(frame.hFileRebar, 0, 0, FILE_BAR_WIDTH, total, TRUE);
}

/*
 * BaseBarDlgProc: the carrier dialog of the user-button bar and of the
 * file-list bar. Closing docks it; it is never destroyed before the main
 * window.
 */
INT_PTR CALLBACK BaseBarDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_SIZE: {
        int w = LOWORD(lParam);
        if (dlg == frame.hFileRebarBase && frame.hFileRebar) {
            FitFileBar();
        } else if (dlg == frame.hRebarBase && frame.hRebar) {
            MoveWindow(frame.hRebar, 0, 0, w - 50, 28, TRUE);
            if (frame.hPageButton)
                MoveWindow(frame.hPageButton, w - 48, 0, 48, 28, TRUE);
        }
        return TRUE;
    }
    case WM_COMMAND: {
        // Buttons of the two bars and the page buttons go to the main window.
        HWND from = (HWND)lParam;
        UINT id = LOWORD(wParam);
        BOOL fromBar = from && (GetParent(from) == frame.hFileRebar || GetParent(from) == frame.hRebar);
        if (id != IDCANCEL && (fromBar || id == IDM_NEXTBTNPAGE || id == IDM_NEXTFILEPAGE))
            SendMessageA(frame.hMainWnd, WM_COMMAND, wParam, lParam);
        return TRUE;
    }
    case WM_PARENTNOTIFY:
        if (LOWORD(wParam) == WM_LBUTTONDOWN || LOWORD(wParam) == WM_RBUTTONDOWN) {
            POINT pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
            MapWindowPoints(dlg, frame.hMainWnd, &pt, 1);
            SendMessageA(frame.hMainWnd, WM_PARENTNOTIFY, wParam, MAKELPARAM(pt.x, pt.y));
        }
        return TRUE;
    case WM_NCLBUTTONDBLCLK:
        if (wParam == HTCAPTION) {
            SendMessageA(dlg, WM_CLOSE, 0, 0);
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        DockBar(dlg);
        if (dlg == frame.hFileRebarBase) {
            frame.nLeftInset = 5 + FILE_BAR_WIDTH;
            frame.dwBarStates[2] &= ~BAR_FLOATING;
        } else {
            frame.nTopInset += frame.nUserBarHeight;
            frame.dwBarStates[4] &= ~BAR_FLOATING;
        }
        RelayoutMain();
        return TRUE;
    }
    return FALSE;
}
