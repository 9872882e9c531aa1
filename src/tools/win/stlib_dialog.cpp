#include "app/frame/globals.h"
#include "doc/win/document.h"
#include "resource_ids.h"
#include "tools/build_commands.h"
#include "tools/path_parts.h"
#include "tools/win/build_tools.h"
#include "tools/win/dos_process.h"
#include "tools/win/tools_messages.h"

namespace {

const size_t kLibLineMax = 1024;

// The source the dialog was opened for, split into folder and name.
struct LibSource {
    char szFolder[TOOL_PATH_MAX + 1];
    char szName[TOOL_PATH_MAX + 1];
};

void OnInit(HWND hDlg, LibSource *source)
{
    SetWindowLongPtrA(hDlg, GWLP_USERDATA, (LONG_PTR)source);
    char szObj[kLibLineMax + 1], szLib[kLibLineMax + 1];
    ToolsError error = BuildLibraryLines(source->szName, szObj, sizeof szObj, szLib, sizeof szLib,
                                         LoadedCommandTemplates());
    if (error != TOOLS_OK) {
        ShowToolsError(hDlg, error);
        PostMessageA(hDlg, WM_CLOSE, 0, 0);
        return;
    }
    SendDlgItemMessageA(hDlg, IDC_LIB_OBJLINE, EM_SETLIMITTEXT, kLibLineMax, 0);
    SendDlgItemMessageA(hDlg, IDC_LIB_LIBLINE, EM_SETLIMITTEXT, kLibLineMax, 0);
    SetDlgItemTextA(hDlg, IDC_LIB_OBJLINE, szObj);
    SetDlgItemTextA(hDlg, IDC_LIB_LIBLINE, szLib);
}

/* OnYes: the folder change and the two lines to the DOS window. */
void OnYes(HWND hDlg, const LibSource *source)
{
    char szObj[kLibLineMax + 1], szLib[kLibLineMax + 1];
    if (!ReadToolField(hDlg, IDC_LIB_OBJLINE, szObj, kLibLineMax, "オブジェクトファイルのコマンド") ||
        !ReadToolField(hDlg, IDC_LIB_LIBLINE, szLib, kLibLineMax, "ライブラリのコマンド"))
        return;
    CommandList *list = new CommandList;
    ToolsError error = BuildLibraryCommands(source->szFolder, szObj, szLib, list, LoadedCommandTemplates());
    if (error != TOOLS_OK)
        ShowToolsError(hDlg, error);
    else
        for (int i = 0; i < list->nCount; ++i)
            RunDosCommand(list->szLines[i], frame.hMainWnd);
    delete list;
    if (error == TOOLS_OK)
        DestroyWindow(hDlg);
}

/* StLibDlgProc: STLIBDIALOG. */
INT_PTR CALLBACK StLibDlgProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    LibSource *source = (LibSource *)GetWindowLongPtrA(hDlg, GWLP_USERDATA);
    switch (msg) {
    case WM_INITDIALOG:
        OnInit(hDlg, (LibSource *)lParam);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_LIB_YES:
            if (source)
                OnYes(hDlg, source);
            return TRUE;
        case IDC_LIB_NO:
        case IDCANCEL:
            DestroyWindow(hDlg);
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        DestroyWindow(hDlg);
        return TRUE;
    case WM_NCDESTROY:
        delete source;
        SetWindowLongPtrA(hDlg, GWLP_USERDATA, 0);
        return FALSE;
    }
    return FALSE;
}

} // namespace

/* OpenStaticLibDialog: command 399 for the file on show. */
void OpenStaticLibDialog(HWND owner)
{
    if (!doc.szFullPath[0]) {
        MessageBoxA(owner, "ファイル名がありません。", "OK", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    LibSource *source = new LibSource;
    if (!SplitFullPath(doc.szFullPath, source->szFolder, sizeof source->szFolder, source->szName,
                       sizeof source->szName)) {
        delete source;
        ShowToolsError(owner, TOOLS_TOO_LONG);
        return;
    }
    if (!CreateDialogParamA(frame.hInst, "STLIBDIALOG", owner, StLibDlgProc, (LPARAM)source))
        delete source;
}
