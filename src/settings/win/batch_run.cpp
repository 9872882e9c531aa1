#include "settings/win/batch_run.h"

#include <commctrl.h>
#include <process.h>
#include <richedit.h>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/frame/globals.h"
#include "app/frame/pane_text.h"
#include "doc/win/document.h"
#include "app/frame/file_bytes.h"
#include "resource_ids.h"
#include "settings/batch_folder.h"

// The folder batches run in, kept from batch to batch.
static std::string szBatchFolder;
static CRITICAL_SECTION csBatchFolder;
static BOOL bBatchFolderReady = FALSE;

static std::string GetBatchFolder()
{
    EnterCriticalSection(&csBatchFolder);
    std::string s = szBatchFolder;
    LeaveCriticalSection(&csBatchFolder);
    return s;
}

static void SetBatchFolder(const std::string &s)
{
    EnterCriticalSection(&csBatchFolder);
    szBatchFolder = s;
    LeaveCriticalSection(&csBatchFolder);
}

/* Ask: a request to the main window's thread, answered there. */
static LRESULT Ask(BatchRequest request, const void *p)
{
    return SendMessageA(frame.hMainWnd, WM_BATCH_REQUEST, (WPARAM)request, (LPARAM)p);
}

/* ChangeFolder: a "cd" line; a folder that does not exist changes nothing. */
static void ChangeFolder(const std::string &szArg)
{
    std::string result;
    bool bStripped = false;
    std::string current = GetBatchFolder();
    bool ok = ResolveBatchCd(current, szArg, result, bStripped);
    if (bStripped) {
        current.pop_back();
        SetBatchFolder(current);
        Ask(BATCH_MESSAGE, "「\\」が取り除かれました。");
    }
    if (!ok)
        return;
    std::string probe = result.size() == 2 ? result + "\\" : result;
    if (FolderExists(probe.c_str()))
        SetBatchFolder(result);
}

/* RunLine: one command line through the command interpreter, hidden, waited for. */
static void RunLine(const std::string &szLine)
{
    if (szLine.size() >= 128)
        Ask(BATCH_MESSAGE, "一行に含む文字の長さが多すぎます（128byte程度まで）\r\n"
                               "この命令は正しく行われない可能性があります。");
    std::string folder = GetBatchFolder();
    if (folder.size() == 2)
        folder += "\\";
    char szStatus[600];
    _snprintf(szStatus, sizeof szStatus - 1, "実行中です：%s ", szLine.c_str());
    szStatus[sizeof szStatus - 1] = '\0';
    Ask(BATCH_STATUS, szStatus);

    // COMMAND.COM where it exists; the system's interpreter otherwise.
    char szComspec[MAX_PATH] = "";
    GetEnvironmentVariableA("COMSPEC", szComspec, sizeof szComspec);
    const char *interpreters[] = {"COMMAND.COM", szComspec};
    for (const char *interp : interpreters) {
        if (!interp[0])
            continue;
        std::string cmd = std::string(interp) + " /C" + szLine;
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        si.dwFlags = STARTF_USESHOWWINDOW;
        si.wShowWindow = SW_HIDE;
        PROCESS_INFORMATION pi = {};
        std::string mutableCmd = cmd;
        if (!CreateProcessA(NULL, &mutableCmd[0], NULL, NULL, FALSE, CREATE_NO_WINDOW, NULL,
                            folder.empty() ? NULL : folder.c_str(), &si, &pi))
            continue;
        WaitForSingleObject(pi.hProcess, INFINITE);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        break;
    }
    _snprintf(szStatus, sizeof szStatus - 1, "終了しました：%s ", szLine.c_str());
    szStatus[sizeof szStatus - 1] = '\0';
    Ask(BATCH_STATUSDONE, szStatus);
}

/* BatchThread: every line of the batch in order; the text is its own copy. */
static unsigned __stdcall BatchThread(void *p)
{
    std::string *batch = (std::string *)p;
    std::vector<std::string> lines = SplitBatchLines(*batch);
    delete batch;
    for (const std::string &line : lines) {
        std::string word = FirstWord(line);
        std::string arg;
        if (word.empty())
            continue;
        if (word == "WriteFile") {
            std::string name = QuotedName(line);
            if (!name.empty())
                Ask(BATCH_WRITEFILE, name.c_str());
        } else if (word == "ReadFile") {
            std::string name = QuotedName(line);
            if (!name.empty())
                Ask(BATCH_READFILE, name.c_str());
        } else if (CdArgument(line, arg)) {
            ChangeFolder(arg);
        } else {
            RunLine(line);
        }
    }
    return 0;
}

void StartBatchRun(const std::string &szBatch)
{
    if (!bBatchFolderReady) {
        InitializeCriticalSection(&csBatchFolder);
        bBatchFolderReady = TRUE;
        SetBatchFolder(frame.startupPaths.szSysDriveNoSlash);
    }
    std::string *copy = new std::string(szBatch);
    uintptr_t h = _beginthreadex(NULL, 0, BatchThread, copy, 0, NULL);
    if (!h) {
        delete copy;
        MessageBoxA(frame.hMainWnd, "バッチを実行するスレッドを作れませんでした。", "エラー",
                    MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CloseHandle((HANDLE)h);
}

/* ReadIntoMainPane: a batch's ReadFile line, on the main window's thread. */
static void ReadIntoMainPane(const char *szName)
{
    if (SendMessageA(frame.hEdit, EM_GETMODIFY, 0, 0) &&
        MessageBoxA(frame.hMainWnd, "文章が変更されています。このままファイルを開いてもよろしいですか？", "確認",
                    MB_YESNO | MB_ICONEXCLAMATION | MB_TASKMODAL | MB_SETFOREGROUND) == IDNO)
        return;
    OpenIntoPane(frame.hEdit, szName);
    GETTEXTLENGTHEX gtl = {GTL_DEFAULT, CP_ACP};
    LONG end = (LONG)SendMessageA(frame.hEdit, EM_GETTEXTLENGTHEX, (WPARAM)&gtl, 0);
    CHARRANGE cr = {end, end};
    SendMessageA(frame.hEdit, EM_EXSETSEL, 0, (LPARAM)&cr);
    SendMessageA(frame.hEdit, EM_SCROLLCARET, 0, 0);
}

/* SamePath: two paths name the same file (after making them whole). */
static bool SamePath(const char *a, const char *b)
{
    char fa[MAX_PATH] = "", fb[MAX_PATH] = "";
    return a[0] && b[0] && GetFullPathNameA(a, sizeof fa, fa, NULL) && GetFullPathNameA(b, sizeof fb, fb, NULL) &&
           lstrcmpiA(fa, fb) == 0;
}

/* WriteMainPaneTo: a batch's WriteFile line. Over the file on show it is an
   overwrite, with its checks (a text not read whole is refused). */
static void WriteMainPaneTo(const char *szName)
{
    if (SamePath(szName, doc.szFullPath)) {
        OverWrite(frame.hMainWnd, frame.hEdit, doc.szFullPath);
        return;
    }
    std::string bytes = GetPaneText(frame.hEdit);
    if (!WriteFileBytes(szName, bytes.data(), bytes.size()))
        MessageBoxA(frame.hMainWnd, "ファイルに書き込めませんでした。", "エラー", MB_OK | MB_ICONEXCLAMATION);
}

LRESULT OnBatchRequest(WPARAM request, LPARAM lParam)
{
    const char *text = (const char *)lParam;
    switch (request) {
    case BATCH_READFILE:
        ReadIntoMainPane(text);
        break;
    case BATCH_WRITEFILE:
        WriteMainPaneTo(text);
        break;
    case BATCH_STATUS:
        KillTimer(frame.hMainWnd, 150);
        if (frame.hStatus)
            SendMessageA(frame.hStatus, SB_SETTEXTA, 0, (LPARAM)text);
        break;
    case BATCH_STATUSDONE:
        ShowStatusMessage(text, 3000);
        break;
    case BATCH_MESSAGE:
        MessageBoxA(frame.hMainWnd, text, "注意", MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL);
        break;
    }
    return 0;
}
