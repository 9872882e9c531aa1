#include "app/frame/globals.h"
#include "app/shell/mainwnd.h"
#include "app/frame/panes.h"
#include "resource_ids.h"
#include "text/win/find_commands.h"

#include <commctrl.h>
#include <richedit.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

/*
 * OnFindEnter: Enter in the find entry. A selected part of the entry is
 * deleted instead of searching.
 */
void OnFindEnter()
{
    DWORD start = 0, end = 0;
    SendMessageA(frame.hEditEntry, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    if (end > start) {
        SendMessageA(frame.hEditEntry, EM_REPLACESEL, TRUE, (LPARAM)"");
        return;
    }
    int len = GetWindowTextLengthA(frame.hEditEntry);
    if (len == 0)
        return;
    switch (frame.findInfo.btCurmode) {
    case 0:
    case 1: {
        std::string fstring(len * 2 + 2, '\0');  // room for double-byte text
        SORA_ASSERT(!fstring.empty());
        GetWindowTextA(frame.hEditEntry, &fstring[0], (int)fstring.size());
        fstring.resize(std::strlen(fstring.c_str()));
        FindNext(GetCurrentEdit(frame.hMainWnd), fstring.c_str());
        SecureZeroMemory(&fstring[0], fstring.size());
        break;
    }
    case 2:
        OpenFindAllDialog(frame.hMainWnd);
        break;
    default:
        MessageBoxA(frame.hMainWnd, "ボタンの選択が不正です", "Caution !", MB_OK | MB_ICONEXCLAMATION);
    }
}

/* OpenLineJump: the line-jump entry over the line read-out, with the focus. */
static void OpenLineJump()
{
    RECT rc;
    GetWindowRect(frame.hLineStatic, &rc);
    HWND parent = GetParent(frame.hLineStatic);
    MapWindowPoints(NULL, parent, (POINT *)&rc, 2);
    ShowWindow(frame.hLineStatic, SW_HIDE);
    frame.hLineJumpEdit = CreateWindowExA(0, "EDIT", "", WS_CHILD | ES_NUMBER | WS_BORDER,
                                    rc.left + 20, rc.top, rc.right - rc.left - 40, rc.bottom - rc.top,
                                    parent, (HMENU)(INT_PTR)IDC_LINEJUMP, frame.hInst, NULL);
    AnimateWindow(frame.hLineJumpEdit, 100, AW_CENTER);
    ShowWindow(frame.hLineJumpEdit, SW_SHOW);
    SetFocus(frame.hLineJumpEdit);
}

/* OnLineStaticDoubleClick: opens the line-jump entry over the line read-out. */
void OnLineStaticDoubleClick()
{
    if (!IsWindowVisible(frame.hRebar) || frame.hLineJumpEdit)
        return;
    OpenLineJump();
}

/* FocusLineJump (Ctrl+G): the line-jump entry, opened unless it is open,
   takes the focus; nothing while the line read-out is not on show. */
void FocusLineJump()
{
    if (frame.hLineJumpEdit)
        SetFocus(frame.hLineJumpEdit);
    else if (frame.hLineStatic && IsWindowVisible(frame.hLineStatic))
        OpenLineJump();
}

/* StepFindEntry (F3, Shift+F3): the find entry's down or up arrow, which
   selects the next or the previous hit of its text in the current pane. */
void StepFindEntry(BOOL forward)
{
    if (frame.hEditEntry)
        SendMessageA(frame.hEditEntry, WM_VSCROLL, forward ? SB_LINEDOWN : SB_LINEUP, 0);
}

/*
 * OnLineJumpEnter: Enter in the line-jump entry: the caret goes to the start
 * of the line typed, which then stands fourth in the pane.
 */
void OnLineJumpEnter()
{
    if (!frame.hLineJumpEdit)
        return;
    char number[32] = "";
    GetWindowTextA(frame.hLineJumpEdit, number, sizeof number);
    if (number[0]) {
        char previous[64];
        _snprintf(previous, sizeof previous - 1, "前の位置：%d行目", SelectionLine(frame.hCurEdit, FALSE));
        previous[sizeof previous - 1] = '\0';
        SendMessageA(frame.hStatus, SB_SETTEXTA, 2, (LPARAM)previous);

        unsigned long n = std::strtoul(number, NULL, 10);
        AnimateWindow(frame.hLineJumpEdit, 100, AW_HIDE | AW_SLIDE | AW_VER_POSITIVE);
        LRESULT lines = SendMessageA(frame.hCurEdit, EM_GETLINECOUNT, 0, 0);
        if (n < 1)
            n = 1;
        if ((LRESULT)n > lines)
            n = (unsigned long)lines;
        LRESULT at = SendMessageA(frame.hCurEdit, EM_LINEINDEX, n - 1, 0);
        CHARRANGE caret = {(LONG)at, (LONG)at};
        SendMessageA(frame.hCurEdit, EM_EXSETSEL, 0, (LPARAM)&caret);
        LRESULT first = SendMessageA(frame.hCurEdit, EM_GETFIRSTVISIBLELINE, 0, 0);
        SendMessageA(frame.hCurEdit, EM_LINESCROLL, 0, (LPARAM)((LRESULT)n - 4 - first));
    }
    DestroyWindow(frame.hLineJumpEdit);
    frame.hLineJumpEdit = NULL;
    SetFocus(frame.hCurEdit);
    ShowWindow(frame.hLineStatic, SW_SHOW);
}
