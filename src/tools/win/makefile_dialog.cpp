#include <cstring>

#include "app/frame/globals.h"
#include "app/frame/modeless_once.h"
#include "doc/win/document.h"
#include "resource_ids.h"
#include "tools/makefile_text.h"
#include "tools/win/build_tools.h"
#include "tools/win/tools_messages.h"

namespace {

const int kMakefileEditMax = MAKEFILE_TEXT_MAX - 1;

/* OnPreview: the makefile for the chosen target into the edit. */
void OnPreview(HWND hDlg)
{
    char szTemplate[1024] = "";
    LoadStringA(frame.hInst, IDS_MAKEFILE_TEMPLATE, szTemplate, sizeof szTemplate);
    MakefileState state = {};
    state.szSourcePath = doc.szFullPath;
    state.szRcPath = doc.szRcPath;
    state.target = IsDlgButtonChecked(hDlg, IDC_MAKE_WINDOWS) ? TARGET_WINDOWS
                   : IsDlgButtonChecked(hDlg, IDC_MAKE_DLL)   ? TARGET_DLL
                                                              : TARGET_CONSOLE;
    state.bMultiThread = IsDlgButtonChecked(hDlg, IDC_MAKE_MULTI) == BST_CHECKED;
    state.szTemplate = szTemplate[0] ? szTemplate : NULL;
    char szText[MAKEFILE_TEXT_MAX];
    ToolsError error = BuildMakefileText(&state, szText, sizeof szText);
    if (error != TOOLS_OK) {
        ShowToolsError(hDlg, error);
        return;
    }
    SetDlgItemTextA(hDlg, IDC_MAKE_TEXT, szText);
}

/* OnSave: the edit's text through the save dialog, as "makefile" beside
   the file on show. */
void OnSave(HWND hDlg)
{
    char szPath[260];
    ToolsError error = MakefileSavePath(doc.szFullPath, frame.startupPaths.szSysDrive, szPath, sizeof szPath);
    if (error != TOOLS_OK) {
        ShowToolsError(hDlg, error);
        return;
    }
    WriteMyFile2(hDlg, GetDlgItem(hDlg, IDC_MAKE_TEXT), szPath);
}

void OnInit(HWND hDlg)
{
    frame.hMakefileDlg = hDlg;
    HWND edit = GetDlgItem(hDlg, IDC_MAKE_TEXT);
    SendMessageA(edit, EM_SETLIMITTEXT, kMakefileEditMax, 0);
    RECT rc;
    SendMessageA(edit, EM_GETRECT, 0, (LPARAM)&rc);
    rc.right -= 30;
    SendMessageA(edit, EM_SETRECT, 0, (LPARAM)&rc);
    CheckDlgButton(hDlg, IDC_MAKE_WINDOWS, BST_CHECKED);
}

/* MakefileDlgProc: MAKEFILEDIALOG. */
INT_PTR CALLBACK MakefileDlgProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    switch (msg) {
    case WM_INITDIALOG:
        OnInit(hDlg);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_MAKE_PREVIEW: OnPreview(hDlg); return TRUE;
        case IDC_MAKE_SAVE:    OnSave(hDlg); return TRUE;
        case IDCANCEL:         DestroyWindow(hDlg); return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        DestroyWindow(hDlg);
        return TRUE;
    case WM_DESTROY:
        if (frame.hMakefileDlg == hDlg)
            frame.hMakefileDlg = NULL;
        return TRUE;
    }
    return FALSE;
}

} // namespace

/* OpenMakefileDialog: command 409; one makefile window at a time. */
void OpenMakefileDialog(HWND owner)
{
    ShowModelessOnce(&frame.hMakefileDlg, "MAKEFILEDIALOG", owner, MakefileDlgProc,
                     "MAKEFILEの作成ダイアログを作れませんでした。");
}
