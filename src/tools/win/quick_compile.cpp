#include <shlobj.h>

#include <cstdio>
#include <cstring>

#include "app/frame/globals.h"
#include "app/frame/pane_text.h"
#include "doc/win/document.h"
#include "resource_ids.h"
#include "tools/build_commands.h"
#include "tools/compile_options.h"
#include "tools/path_parts.h"
#include "tools/source_facts.h"
#include "tools/win/build_tools.h"
#include "tools/win/dos_process.h"
#include "tools/win/tools_messages.h"

namespace {

// The quick compile while its confirmation lives.
struct CplInfo {
    HWND owner;
    int nMode;
    char szSourceName[TOOL_PATH_MAX + 1];
    char szSourceFolder[TOOL_PATH_MAX + 1];
    char szOutFolder[TOOL_PATH_MAX + 1];
    char szOutName[TOOL_PATH_MAX + 1];
    char szOptions[COMPILE_OPTIONS_MAX + 1];
};

bool AskOption(void *context, OptionQuestion question)
{
    return MessageBoxA((HWND)context, OptionQuestionText(question), "変更",
                       MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL) == IDYES;
}

bool FolderExists(const char *szFolder)
{
    DWORD attr = GetFileAttributesA(szFolder);
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const char *szPath)
{
    DWORD attr = GetFileAttributesA(szPath);
    return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}

CompileRequest MakeRequest(const CplInfo *info)
{
    CompileRequest request = {};
    request.nMode = info->nMode;
    request.szSourceName = info->szSourceName;
    request.szSourceFolder = info->szSourceFolder;
    request.szOutFolder = info->szOutFolder;
    request.szOutName = info->szOutName;
    request.szOptions = info->szOptions;
    request.szRcPath = doc.szRcPath;
    request.bRcExists = doc.szRcPath[0] && FileExists(doc.szRcPath);
    request.templates = LoadedCommandTemplates();
    return request;
}

/* RunCompile: every line of the compile to the DOS window. */
bool RunCompile(HWND owner, const CplInfo *info)
{
    CompileRequest request = MakeRequest(info);
    CommandList *list = new CommandList;
    ToolsError error = BuildCompileCommands(&request, list);
    if (error != TOOLS_OK)
        ShowToolsError(owner, error);
    else
        for (int i = 0; i < list->nCount; ++i)
            RunDosCommand(list->szLines[i], frame.hMainWnd);
    delete list;
    return error == TOOLS_OK;
}

int CALLBACK BrowseCallback(HWND hwnd, UINT msg, LPARAM lParam, LPARAM data)
{
    (void)lParam;
    if (msg == BFFM_INITIALIZED)
        SendMessageA(hwnd, BFFM_SETSELECTIONA, TRUE, data);
    return 0;
}

/* OnBrowse: "選択": a folder from the folder browser into 6148. */
void OnBrowse(HWND hDlg, const CplInfo *info)
{
    char szName[MAX_PATH] = "";
    BROWSEINFOA bi = {};
    bi.hwndOwner = hDlg;
    bi.pszDisplayName = szName;
    bi.lpszTitle = "フォルダの選択";
    bi.ulFlags = BIF_RETURNONLYFSDIRS;
    bi.lpfn = BrowseCallback;
    bi.lParam = (LPARAM)info->szSourceFolder;
    LPITEMIDLIST pidl = SHBrowseForFolderA(&bi);
    if (!pidl)
        return;
    char szPath[MAX_PATH] = "";
    if (SHGetPathFromIDListA(pidl, szPath)) {
        SetDlgItemTextA(hDlg, IDC_CPL_FOLDER, szPath);
        int n = GetWindowTextLengthW(GetDlgItem(hDlg, IDC_CPL_FOLDER));
        SendDlgItemMessageA(hDlg, IDC_CPL_FOLDER, EM_SETSEL, n, n);
    }
    CoTaskMemFree(pidl);
}

/* OnAskedRun: 6151 in the dialog mode: the fields as the user left them. */
void OnAskedRun(HWND hDlg, CplInfo *info)
{
    char szFolder[TOOL_PATH_MAX + 1];
    if (!ReadToolField(hDlg, IDC_CPL_FOLDER, szFolder, TOOL_PATH_MAX, "出力先ディレクトリ"))
        return;
    if (!FolderExists(szFolder)) {
        char szText[TOOL_PATH_MAX + 64];
        std::snprintf(szText, sizeof szText, "フォルダ名が不正です。\r\n\r\n%s", szFolder);
        MessageBoxA(hDlg, szText, "エラー", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!ReadToolField(hDlg, IDC_CPL_NAME, info->szOutName, TOOL_PATH_MAX, "出力ファイル名") ||
        !ReadToolField(hDlg, IDC_CPL_OPTIONS, info->szOptions, COMPILE_OPTIONS_MAX, "オプション"))
        return;
    std::strcpy(info->szOutFolder, szFolder);
    if (RunCompile(hDlg, info))
        DestroyWindow(hDlg);
}

void FillDialog(HWND hDlg, const CplInfo *info)
{
    SendDlgItemMessageA(hDlg, IDC_CPL_FOLDER, EM_SETLIMITTEXT, TOOL_PATH_MAX, 0);
    SendDlgItemMessageA(hDlg, IDC_CPL_NAME, EM_SETLIMITTEXT, TOOL_PATH_MAX, 0);
    SendDlgItemMessageA(hDlg, IDC_CPL_OPTIONS, EM_SETLIMITTEXT, COMPILE_OPTIONS_MAX, 0);
    SetDlgItemTextA(hDlg, IDC_CPL_FOLDER, info->szOutFolder);
    SetDlgItemTextA(hDlg, IDC_CPL_NAME, info->szOutName);
    SetDlgItemTextA(hDlg, IDC_CPL_OPTIONS, info->szOptions);
    ShowWindow(hDlg, SW_SHOW);
    MessageBeep(MB_ICONASTERISK);
}

/* CplMessageDlgProc: CPLMESSAGEDIALOG, the dialog mode of the compile. */
INT_PTR CALLBACK CplMessageDlgProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CplInfo *info = (CplInfo *)GetWindowLongPtrA(hDlg, GWLP_USERDATA);
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(hDlg, GWLP_USERDATA, lParam);
        FillDialog(hDlg, (CplInfo *)lParam);
        return TRUE;
    case WM_COMMAND:
        if (!info)
            return FALSE;
        switch (LOWORD(wParam)) {
        case IDC_CPL_YES:
        case IDC_CPL_RUN:    OnAskedRun(hDlg, info); return TRUE;
        case IDC_CPL_BROWSE: OnBrowse(hDlg, info); return TRUE;
        case IDC_CPL_NO:
        case IDCANCEL:       DestroyWindow(hDlg); return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        DestroyWindow(hDlg);
        return TRUE;
    case WM_NCDESTROY:
        delete info;
        SetWindowLongPtrA(hDlg, GWLP_USERDATA, 0);
        return FALSE;
    }
    return FALSE;
}

/* PrepareInfo: the source, the checked options and the output folder of
   the mode. FALSE when nothing is to be compiled. */
bool PrepareInfo(HWND owner, const SourceFacts *facts, CplInfo *info)
{
    info->owner = owner;
    info->nMode = frame.settingsRecord.btbcc;
    if (!SplitFullPath(doc.szFullPath, info->szSourceFolder, sizeof info->szSourceFolder, info->szSourceName,
                       sizeof info->szSourceName)) {
        ShowToolsError(owner, TOOLS_TOO_LONG);
        return false;
    }
    if (DefaultOutputName(info->szSourceName, info->szOutName, sizeof info->szOutName) != TOOLS_OK) {
        ShowToolsError(owner, TOOLS_TOO_LONG);
        return false;
    }
    size_t nOptions = strnlen(frame.settingsRecord.szCplOptions, sizeof frame.settingsRecord.szCplOptions);
    if (nOptions > COMPILE_OPTIONS_MAX) {
        ShowToolsError(owner, TOOLS_TOO_LONG);
        return false;
    }
    std::memcpy(info->szOptions, frame.settingsRecord.szCplOptions, nOptions);
    info->szOptions[nOptions] = '\0';
    if (!CheckOptions(info->szOptions, sizeof info->szOptions, facts, AskOption, owner)) {
        MessageBoxA(owner, "オプションが長すぎるため、必要なオプションを加えられませんでした（255バイトまで）。",
                    "エラー", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (info->nMode < COMPILE_BESIDE_SOURCE || info->nMode > COMPILE_FIXED_FOLDER) {
        ShowToolsError(owner, TOOLS_BAD_MODE);
        return false;
    }
    const char *szConfigured = frame.settingsRecord.szCplOutDir;
    bool bMissing = false;
    const char *szFolder = ChooseOutputFolder(info->nMode, szConfigured, szConfigured[0] && FolderExists(szConfigured),
                                              info->szSourceFolder, &bMissing);
    if (bMissing && info->nMode == COMPILE_FIXED_FOLDER) {
        char szText[TOOL_PATH_MAX + 64];
        std::snprintf(szText, sizeof szText, "指定したディレクトリは存在しません。\r\n\r\n%s", szConfigured);
        MessageBoxA(owner, szText, "注意", MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL);
    }
    if (strnlen(szFolder, TOOL_PATH_MAX + 1) > TOOL_PATH_MAX) {
        ShowToolsError(owner, TOOLS_TOO_LONG);
        return false;
    }
    std::strcpy(info->szOutFolder, szFolder);
    return true;
}

} // namespace

/* QuickCompile: command 408: checks the options against the text and
   sends the compile to the DOS window, asking first. */
void QuickCompile(HWND owner)
{
    if (!doc.szFullPath[0]) {
        MessageBoxA(owner, "ファイル名がありません。", "OK", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    std::string text = GetPaneText(frame.hEdit);
    SourceFacts facts = ScanSourceFacts(text.data(), text.size());
    if (!facts.bVoidMain && !facts.bWinMain &&
        MessageBoxA(owner, "ライブラリを作成するのですか？", "確認", MB_YESNO | MB_ICONQUESTION) == IDYES) {
        OpenStaticLibDialog(owner);
        return;
    }
    CplInfo *info = new CplInfo();
    if (!PrepareInfo(owner, &facts, info)) {
        delete info;
        return;
    }
    if (info->nMode == COMPILE_ASK) {
        if (!CreateDialogParamA(frame.hInst, "CPLMESSAGEDIALOG", owner, CplMessageDlgProc, (LPARAM)info)) {
            delete info;
            return;
        }
        if (frame.settingsRecord.btCplFlags & 1)
            ShellExecuteA(owner, "open", info->szSourceFolder, NULL, NULL, SW_SHOWNORMAL);
        return;
    }
    CompileRequest request = MakeRequest(info);
    char szText[COMMAND_LINE_MAX + 512];
    ToolsError error = BuildCompileConfirmText(&request, szText, sizeof szText);
    if (error != TOOLS_OK)
        ShowToolsError(owner, error);
    else if (MessageBoxA(owner, szText, "確認", MB_YESNO | MB_ICONQUESTION) != IDNO)
        RunCompile(owner, info);
    delete info;
}
