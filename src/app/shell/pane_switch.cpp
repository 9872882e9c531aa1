#include "app/shell/pane_switch.h"

#include "app/frame/globals.h"
#include "app/frame/panes.h"
#include "app/frame/split_window.h"
#include "doc/win/document.h"
#include "resource_ids.h"
#include "text/win/find_commands.h"

#include <commctrl.h>
#include <richedit.h>
#include <cstring>
#include <string>

/* LoadResourceScriptOnce: the ".rc" beside the main file, when the resource pane is empty. */
static void LoadResourceScriptOnce()
{
    if (szFullPath[0] == '\0' || GetWindowTextLengthA(hSubEdit1) > 0)
        return;
    if (szRcPath[0] == '\0' || GetFileAttributesA(szRcPath) == INVALID_FILE_ATTRIBUTES) {
        char szRc[FULL_PATH_SIZE];
        if (!ReplaceExtension(szFullPath, ".rc", szRc, sizeof szRc))
            szRc[0] = '\0';
        std::strcpy(szRcPath, szRc);
        if (szRcPath[0] == '\0' || GetFileAttributesA(szRcPath) == INVALID_FILE_ATTRIBUTES) {
            szRcPath[0] = '\0';
            return;
        }
    }
    MySetFileOn(hMainWnd, hSubEdit1, szRcPath);
}

static void EnableMenuBar(HWND mainWnd, BOOL enableFirst)
{
    HMENU menu = GetMenu(mainWnd);
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i)
        if (i == 0 || enableFirst)
            EnableMenuItem(menu, i, MF_BYPOSITION | (enableFirst ? MF_ENABLED : MF_GRAYED));
    DrawMenuBar(mainWnd);
}

/* SwitchPane (1407): shows the resource pane or the main pane. */
void SwitchPane(HWND mainWnd)
{
    BOOL toResource = (SendMessageA(hToolbar, TB_GETSTATE, IDM_PANESWITCH, 0) & TBSTATE_CHECKED) != 0;
    char title[WINDOW_TITLE_SIZE] = "";
    GetWindowTextA(mainWnd, title, sizeof title);
    if (toResource) {
        TBBUTTON list = {15, IDM_RESOURCELIST, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0, 15};
        SendMessageA(hToolbar, TB_INSERTBUTTONA, 1, (LPARAM)&list);
        ShowWindow(hFileRebarBase, SW_HIDE);
        ShowWindow(hEdit, SW_HIDE);
        ShowWindow(hFileTree, SW_HIDE);
        SendMessageA(Split2, SWM_SETSECOND, (WPARAM)hSubEdit1, 1);
        ShowWindow(hSubEdit1, SW_SHOW);
        SendMessageA(hSwitchCheck, BM_SETCHECK, BST_CHECKED, 0);
        hCurEdit = hSubEdit1;
        std::strcpy(szMainTitleSave, title);
        SetWindowTextA(mainWnd, szRcTitleSave);
        EnableMenuBar(mainWnd, FALSE);
        LoadResourceScriptOnce();
    } else {
        SendMessageA(hToolbar, TB_DELETEBUTTON, 1, 0);
        SendMessageA(hSwitchCheck, BM_SETCHECK, BST_UNCHECKED, 0);
        ShowWindow(hSubEdit1, SW_HIDE);
        SendMessageA(Split2, SWM_SETSECOND, (WPARAM)hEdit, 1);
        ShowWindow(hEdit, SW_SHOW);
        ShowWindow(hFileTree, SW_SHOW);
        if (settingsRecord.bMultiFile && (dwBarStates[2] & BAR_SHOWN))
            ShowWindow(hFileRebarBase, SW_SHOW);
        hCurEdit = hEdit;
        std::strcpy(szRcTitleSave, title);
        SetWindowTextA(mainWnd, szMainTitleSave);
        EnableMenuBar(mainWnd, TRUE);
    }
    SetFocus(hCurEdit);
}

/* EntryProc: the find entry; its scroll arrows step through the matches. */
static LRESULT CALLBACK EntryProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_CHAR && (wParam == '\r' || wParam == '\n'))
        return 0;  // Enter is a command, never a character of the entry
    if ((msg == WM_VSCROLL || msg == EM_SCROLL) && (LOWORD(wParam) == SB_LINEUP || LOWORD(wParam) == SB_LINEDOWN)) {
        int len = GetWindowTextLengthA(hwnd);
        if (len > 0) {
            std::string phrase(len * 2 + 2, '\0');
            GetWindowTextA(hwnd, &phrase[0], (int)phrase.size());
            phrase.resize(std::strlen(phrase.c_str()));
            HWND pane = GetCurrentEdit(hMainWnd);
            if (LOWORD(wParam) == SB_LINEUP)
                FindPrevious(pane, phrase.c_str());
            else
                FindNext(pane, phrase.c_str());
            SecureZeroMemory(&phrase[0], phrase.size());
        }
    }
    return CallWindowProcA(OldEntryProc, hwnd, msg, wParam, lParam);
}

/* EditProc: the main pane; dropped files are taken here. */
static LRESULT CALLBACK EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_DROPFILES) {
        OnDropFiles(hwnd, (HDROP)wParam);
        return 0;
    }
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
