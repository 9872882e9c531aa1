#include "app/frame/globals.h"
#include "app/shell/mainwnd.h"
#include "app/frame/bars.h"
#include "app/frame/layout.h"
#include "app/frame/pane_text.h"
#include "app/frame/panes.h"
#include "app/shell/startup.h"
#include "filelist/win/file_list_win.h"
#include "filelist/win/file_tree.h"
#include "resource_ids.h"
#include "settings/win/user_buttons.h"
#include "text/win/find_commands.h"

#include <commctrl.h>
#include <richedit.h>
#include <cstdio>
#include <cstring>

static void ArrowCursor() { SetCursor(LoadCursorA(NULL, IDC_ARROW)); }

/* LeavePositionModes: ends position capture (with its change mode) and armed insertion. */
static void LeavePositionModes()
{
    if (IsPosCapture() || frame.pointerMode == POINTER_ARMED_INSERT)
        SetPointerMode(POINTER_NONE);
}

/* ShowEditContextMenu: MYPOPUP1 with the snippets, at the mouse. */
void ShowEditContextMenu(HWND hwnd, HWND pane)
{
    HMENU menu = LoadMenuA(frame.hInst, "MYPOPUP1");
    if (!menu)
        return;
    HMENU popup = GetSubMenu(menu, 0);
    HMENU snippets = MakeMenuA();
    if (snippets)
        AppendMenuA(GetSubMenu(popup, 10), MF_POPUP | MF_STRING, (UINT_PTR)snippets, "デフォルト");
    CHARRANGE cr;
    SendMessageA(pane, EM_EXGETSEL, 0, (LPARAM)&cr);
    if (cr.cpMax != cr.cpMin) {
        AppendMenuA(popup, MF_STRING, IDM_WRAPCOMMENT, "囲む /* */");
        AppendMenuA(popup, MF_STRING, IDM_COPYTOFIND, "検索窓へコピー");
    }
    POINT pt;
    GetCursorPos(&pt);
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, 0, hwnd, NULL);
    DestroyMenu(menu);  // the snippet menu goes with it
}

/* OnPaneMouse: the mouse filter of the panes; the pane still handles the message. */
static void OnPaneMouse(HWND hwnd, const MSGFILTER *filter)
{
    switch (filter->msg) {
    case WM_MOUSEMOVE:
        if (IsPosCapture())
            SetCursor(LoadCursorA(frame.hInst, "JUMPCURSOR"));
        else if (frame.pointerMode == POINTER_ARMED_INSERT)
            SetCursor(LoadCursorA(frame.hInst, "INSERTCURSOR"));
        break;
    case WM_LBUTTONUP:
        if (IsPosCapture()) {
            frame.hCurEdit = GetCurrentEdit(hwnd);
            CHARRANGE cr;
            SendMessageA(frame.hCurEdit, EM_EXGETSEL, 0, (LPARAM)&cr);
            OnPositionCaptured(frame.hCurEdit, cr.cpMin, frame.pointerMode == POINTER_POS_CHANGE);
            SetPointerMode(POINTER_NONE);
            ArrowCursor();
        } else if (frame.pointerMode == POINTER_ARMED_INSERT) {
            frame.hCurEdit = GetCurrentEdit(hwnd);
            const char *text = ArmedInsertionText();
            if (text) {
                CHARRANGE cr;
                SendMessageA(frame.hCurEdit, EM_EXGETSEL, 0, (LPARAM)&cr);
                ReplacePaneSelection(frame.hCurEdit, text, std::strlen(text), FALSE);
                CHARRANGE inserted;
                SendMessageA(frame.hCurEdit, EM_EXGETSEL, 0, (LPARAM)&inserted);
                inserted.cpMin = cr.cpMin;
                SendMessageA(frame.hCurEdit, EM_EXSETSEL, 0, (LPARAM)&inserted);
            }
        }
        break;
    case WM_RBUTTONDOWN:
        if (IsPosCapture())
            SetPointerMode(POINTER_NONE);
        if (frame.pointerMode != POINTER_ARMED_INSERT) {
            ShowEditContextMenu(hwnd, GetCurrentEdit(hwnd));
        } else {
            SetPointerMode(POINTER_NONE);
            ArrowCursor();
        }
        break;
    }
}

/* ShowLineReadOut: the line of the selection start in the line read-out. */
static void ShowLineReadOut()
{
    char text[32];
    _snprintf(text, sizeof text - 1, "%-d行目です", SelectionLine(frame.hCurEdit, FALSE));
    text[sizeof text - 1] = '\0';
    SetWindowTextA(frame.hLineStatic, text);
}

/* ShowFunctionAtCaret: the function holding the caret in status part 1. */
static void ShowFunctionAtCaret()
{
    if (PaneTextBytesBound(frame.hCurEdit) == 0)
        return;
    char name[256] = "";
    FunctionAtCaret(frame.hCurEdit, name, sizeof name);
    char text[300];
    _snprintf(text, sizeof text - 1, "現在位置: %s", name);
    text[sizeof text - 1] = '\0';
    SendMessageA(frame.hStatus, SB_SETTEXTA, 1, (LPARAM)text);
}

/* OnMainNotify: notifications of the panes, the bars and the status bar. */
LRESULT OnMainNotify(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    NMHDR *hdr = (NMHDR *)lParam;
    if (hdr->hwndFrom == frame.hEdit || hdr->hwndFrom == frame.hSubEdit1) {
        if (hdr->code == EN_MSGFILTER) {
            OnPaneMouse(hwnd, (MSGFILTER *)lParam);
            return 0;
        }
        if (hdr->code == EN_SELCHANGE) {
            ShowLineReadOut();
            return 0;
        }
        return DefWindowProcA(hwnd, WM_NOTIFY, wParam, lParam);
    }
    if (hdr->hwndFrom == frame.hRebar && hdr->code == RBN_HEIGHTCHANGE) {
        if (IsWindowVisible(frame.hRebar)) {
            ShowWindow(frame.hRebar, SW_HIDE);
            ShowWindow(frame.hRebar, SW_SHOW);
        }
        return 0;
    }
    if (hdr->idFrom == IDC_FILETREE) {
        FileTreeOnNotify(hwnd, lParam);
        return 0;
    }
    if (hdr->hwndFrom == frame.hStatus) {
        ShowFunctionAtCaret();
        return 0;
    }
    return DefWindowProcA(hwnd, WM_NOTIFY, wParam, lParam);
}

/* IsOnWindow: the window at a screen point is w or lies inside it. */
static BOOL IsOnWindow(HWND at, HWND w)
{
    return w && (at == w || IsChild(w, at));
}

/* FloatFileBar, FloatUserBar: a double click on a docked bar floats it. */
static void FloatFileBar()
{
    frame.dwBarStates[2] |= BAR_FLOATING;
    FloatBar(frame.hFileRebarBase);
    frame.nLeftInset = 5;
    RelayoutMain();
    ShowWindow(frame.hFileRebarBase, SW_SHOW);
}

static void FloatUserBar()
{
    frame.dwBarStates[4] |= BAR_FLOATING;
    FloatBar(frame.hRebarBase);
    frame.nTopInset -= frame.nUserBarHeight;
    RelayoutMain();
    ShowWindow(frame.hRebarBase, SW_SHOW);
}

static BOOL IsDocked(HWND base) { return !(GetWindowLongPtrA(base, GWL_STYLE) & WS_CAPTION); }

/* OnMainParentNotify: clicks on the two button bars, forwarded by their base dialogs. */
void OnMainParentNotify(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    POINT pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    ClientToScreen(hwnd, &pt);
    HWND at = WindowFromPoint(pt);
    BOOL onFiles = IsOnWindow(at, frame.hFileRebar), onButtons = IsOnWindow(at, frame.hRebar);
    if (!onFiles && !onButtons)
        return;  // clicks in the panes and the other children are theirs
    switch (LOWORD(wParam)) {
    case WM_LBUTTONDOWN:
        if (!frame.bBarDoubleClick) {
            SetTimer(hwnd, 151, GetDoubleClickTime(), NULL);
            frame.bBarDoubleClick = TRUE;
        } else if (onFiles && IsDocked(frame.hFileRebarBase)) {
            FloatFileBar();
        } else if (onButtons && IsDocked(frame.hRebarBase)) {
            FloatUserBar();
        }
        break;
    case WM_RBUTTONDOWN:
        if (at == frame.hRebar) {
            TrackPopupMenu(GetSubMenu(GetMenu(hwnd), 6), TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, 0, hwnd, NULL);
        } else if (GetParent(at) == frame.hFileRebar) {
            ShowFileButtonMenu(at, pt);
        } else if (GetParent(at) == frame.hRebar && frame.pointerMode == POINTER_NONE) {
            ShowUserButtonMenu(at, pt);
        }
        break;
    }
}

/* OnMainMouse: the pointer modes in the main window's own client area. */
void OnMainMouse(HWND hwnd, UINT msg)
{
    switch (msg) {
    case WM_LBUTTONDOWN:
        if (SetPointerMode(POINTER_ARMED)) {
            SetCapture(hwnd);
            ArrowCursor();
        }
        break;
    case WM_MOUSEMOVE:
        if (IsArmed())
            SetCursor(LoadCursorA(NULL, IDC_CROSS));
        else if (IsPosCapture())
            SetCursor(LoadCursorA(frame.hInst, "JUMPCURSOR"));
        else if (frame.pointerMode == POINTER_ARMED_INSERT)
            SetCursor(LoadCursorA(frame.hInst, "INSERTCURSOR"));
        else
            ArrowCursor();
        break;
    case WM_LBUTTONUP:
        if (!IsPosCapture() && frame.pointerMode != POINTER_ARMED_INSERT) {
            ArrowCursor();
            ReleaseCapture();
            LeavePointerMode(POINTER_ARMED);
        }
        break;
    case WM_RBUTTONDOWN:
        LeavePositionModes();
        break;
    }
}
