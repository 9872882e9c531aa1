#include "app/shell/pane_switch.h"

#include "app/frame/globals.h"
#include "app/frame/panes.h"
#include "app/frame/split_window.h"
#include "doc/win/document.h"
#include "resource_ids.h"
#include "toolbar_pictures.h"
#include "text/win/find_commands.h"

#include <commctrl.h>
#include <richedit.h>
#include <cstring>
#include <string>

/* LoadResourceScriptOnce: the script the pane is named after, or the ".rc"
   beside the main file, when the resource pane is empty. A refused script
   (too big, a line too long) leaves the pane without a file, so that a save
   there cannot write over the script. */
static void LoadResourceScriptOnce()
{
    if (doc.szFullPath[0] == '\0' || GetWindowTextLengthA(frame.hSubEdit1) > 0)
        return;
    char szRc[FULL_PATH_SIZE] = "";
    if (doc.szRcPath[0] && GetFileAttributesA(doc.szRcPath) != INVALID_FILE_ATTRIBUTES)
        lstrcpynA(szRc, doc.szRcPath, sizeof szRc);
    else if (!ReplaceExtension(doc.szFullPath, ".rc", szRc, sizeof szRc) ||
             GetFileAttributesA(szRc) == INVALID_FILE_ATTRIBUTES)
        szRc[0] = '\0';
    if (!szRc[0] || !MySetFileOn(frame.hMainWnd, frame.hSubEdit1, szRc))
        ShowNoDocument(frame.hSubEdit1);
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
    BOOL toResource = (SendMessageA(frame.hToolbar, TB_GETSTATE, IDM_PANESWITCH, 0) & TBSTATE_CHECKED) != 0;
    if (toResource) {
        TBBUTTON list = {TOOLBAR_PIC_RCLIST, IDM_RESOURCELIST, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0,
                         TOOLBAR_PIC_RCLIST};
        SendMessageA(frame.hToolbar, TB_INSERTBUTTONA, 1, (LPARAM)&list);
        ShowWindow(frame.hFileRebarBase, SW_HIDE);
        ShowWindow(frame.hEdit, SW_HIDE);
        ShowWindow(frame.hFileTree, SW_HIDE);
        SendMessageA(frame.Split2, SWM_SETSECOND, (WPARAM)frame.hSubEdit1, 1);
        ShowWindow(frame.hSubEdit1, SW_SHOW);
        SendMessageA(frame.hSwitchCheck, BM_SETCHECK, BST_CHECKED, 0);
        frame.hCurEdit = frame.hSubEdit1;
        EnableMenuBar(mainWnd, FALSE);
        LoadResourceScriptOnce();
        UpdateDocumentUi();
    } else {
        SendMessageA(frame.hToolbar, TB_DELETEBUTTON, 1, 0);
        SendMessageA(frame.hSwitchCheck, BM_SETCHECK, BST_UNCHECKED, 0);
        ShowWindow(frame.hSubEdit1, SW_HIDE);
        SendMessageA(frame.Split2, SWM_SETSECOND, (WPARAM)frame.hEdit, 1);
        ShowWindow(frame.hEdit, SW_SHOW);
        ShowWindow(frame.hFileTree, SW_SHOW);
        if (frame.settingsRecord.bMultiFile && (frame.dwBarStates[2] & BAR_SHOWN))
            ShowWindow(frame.hFileRebarBase, SW_SHOW);
        frame.hCurEdit = frame.hEdit;
        EnableMenuBar(mainWnd, TRUE);
        UpdateDocumentUi();
    }
    SetFocus(frame.hCurEdit);
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
            HWND pane = GetCurrentEdit(frame.hMainWnd);
            if (LOWORD(wParam) == SB_LINEUP)
                FindPrevious(pane, phrase.c_str());
            else
                FindNext(pane, phrase.c_str());
            SecureZeroMemory(&phrase[0], phrase.size());
        }
    }
    return CallWindowProcA(frame.OldEntryProc, hwnd, msg, wParam, lParam);
}

/* EditProc: the main pane; dropped files are taken here. */
static LRESULT CALLBACK EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_DROPFILES) {
        OnDropFiles(hwnd, (HDROP)wParam);
        return 0;
    }
    return CallWindowProcA(frame.OldEditProc, hwnd, msg, wParam, lParam);
}

void SubclassPanes()
{
    frame.OldEntryProc = (WNDPROC)SetWindowLongPtrA(frame.hEditEntry, GWLP_WNDPROC, (LONG_PTR)EntryProc);
    frame.OldEditProc = (WNDPROC)SetWindowLongPtrA(frame.hEdit, GWLP_WNDPROC, (LONG_PTR)EditProc);
}

void UnsubclassPanes()
{
    if (frame.hEdit && frame.OldEditProc && !SetWindowLongPtrA(frame.hEdit, GWLP_WNDPROC, (LONG_PTR)frame.OldEditProc))
        MessageBoxA(frame.hMainWnd, "サブクラス化解除失敗(hEdit)", "失敗", MB_OK);
    if (frame.hEditEntry && frame.OldEntryProc &&
        !SetWindowLongPtrA(frame.hEditEntry, GWLP_WNDPROC, (LONG_PTR)frame.OldEntryProc))
        MessageBoxA(frame.hMainWnd, "サブクラス化解除失敗(hEditEntry)", "失敗", MB_OK);
    frame.OldEditProc = frame.OldEntryProc = NULL;
}
