#include "app/win/panes.h"

#include "app/win/globals.h"

#include <richedit.h>
#include <cstring>

/* SetInitialPaneFont: a fixed-pitch Japanese font until the settings set one. */
void SetInitialPaneFont(HWND pane)
{
    CHARFORMATA cf = {};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_COLOR;
    cf.yHeight = 200;
    cf.bCharSet = SHIFTJIS_CHARSET;
    cf.bPitchAndFamily = FIXED_PITCH;
    cf.crTextColor = RGB(0, 0, 0);
    std::strcpy(cf.szFaceName, "ＭＳ ゴシック");
    SendMessageA(pane, EM_SETCHARFORMAT, SCF_ALL, (LPARAM)&cf);
    // A format change marks the pane modified; an empty pane is not.
    SendMessageA(pane, EM_SETMODIFY, FALSE, 0);
}

/* EntryProc: the find entry; its keys arrive already filtered by Pretranslate. */
static LRESULT CALLBACK EntryProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_CHAR && (wParam == '\r' || wParam == '\n'))
        return 0;  // Enter is a command, never a character of the entry
    return CallWindowProcA(OldEntryProc, hwnd, msg, wParam, lParam);
}

/* EditProc: the main pane; dropped files are taken here. */
static LRESULT CALLBACK EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcA(OldEditProc, hwnd, msg, wParam, lParam);
}

void SubclassPanes()
{
    OldEntryProc = (WNDPROC)SetWindowLongPtrA(hEditEntry, GWLP_WNDPROC, (LONG_PTR)EntryProc);
    OldEditProc = (WNDPROC)SetWindowLongPtrA(hEdit, GWLP_WNDPROC, (LONG_PTR)EditProc);
}

void UnsubclassPanes()
{
    if (hEdit && OldEditProc && !SetWindowLongPtrA(hEdit, GWLP_WNDPROC, (LONG_PTR)OldEditProc))
        MessageBoxA(hMainWnd, "サブクラス化解除失敗(hEdit)", "失敗", MB_OK);
    if (hEditEntry && OldEntryProc && !SetWindowLongPtrA(hEditEntry, GWLP_WNDPROC, (LONG_PTR)OldEntryProc))
        MessageBoxA(hMainWnd, "サブクラス化解除失敗(hEditEntry)", "失敗", MB_OK);
    OldEditProc = OldEntryProc = NULL;
}
