#include <windows.h>

#include <tlhelp32.h>

#include <cstdio>
#include <cstring>

#include "resource_ids.h"
#include "tools/win/dos_internal.h"
#include "tools/win/dos_process.h"

namespace {

const int kListWidth = 350;
// Whether the side list is open; kept for the run, so that a DOS window
// opened again shows it as the last one did.
bool bListOpen;

void AddLine(HWND list, const char *text, DWORD data)
{
    LRESULT at = SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)text);
    if (at >= 0)
        SendMessageA(list, LB_SETITEMDATA, at, (LPARAM)data);
}

void Relayout(HWND hDlg)
{
    RECT rc;
    GetClientRect(hDlg, &rc);
    SendMessageA(hDlg, WM_SIZE, SIZE_RESTORED, MAKELPARAM(rc.right, rc.bottom));
}

// Opens the side list (once) and empties it.
HWND OpenList(HWND hDlg)
{
    HWND list = GetDlgItem(hDlg, IDC_DOS_LIST);
    if (!bListOpen) {
        bListOpen = true;
        ShowWindow(list, SW_SHOW);
        Relayout(hDlg);
    }
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    return list;
}

const char *FileTitleOf(const char *path)
{
    const char *name = path;
    for (const char *p = path; *p; ++p)
        if (*p == '\\' || *p == '/')
            name = p + 1;
    return name;
}

// Calls fn for every thread of the system (of one process when dwOwner is
// not 0) until it returns false.
template <typename Fn> void WalkThreads(DWORD dwOwner, Fn fn)
{
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snap == INVALID_HANDLE_VALUE)
        return;
    THREADENTRY32 te = {};
    te.dwSize = sizeof te;
    for (BOOL more = Thread32First(snap, &te); more; more = Thread32Next(snap, &te))
        if ((!dwOwner || te.th32OwnerProcessID == dwOwner) && !fn(te))
            break;
    CloseHandle(snap);
}

} // namespace

int DosSideListWidth(void)
{
    return bListOpen ? kListWidth : 0;
}

/* ShowDosProcessList: "P": every process of the system, the interpreter
   marked with a star. */
void ShowDosProcessList(HWND hDlg)
{
    tools.dosProcess.nSideList = 1;
    HWND list = OpenList(hDlg);
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap != INVALID_HANDLE_VALUE) {
        PROCESSENTRY32 pe = {};
        pe.dwSize = sizeof pe;
        for (BOOL more = Process32First(snap, &pe); more; more = Process32Next(snap, &pe)) {
            char szTitle[65];
            std::snprintf(szTitle, sizeof szTitle, "%s", FileTitleOf(pe.szExeFile));
            char szLine[160];
            if (tools.dosProcess.pi.dwProcessId && pe.th32ProcessID == tools.dosProcess.pi.dwProcessId)
                std::snprintf(szLine, sizeof szLine, "pIDparent %-10d pID:%-10d*  %-s",
                              (int)pe.th32ParentProcessID, (int)pe.th32ProcessID, szTitle);
            else
                std::snprintf(szLine, sizeof szLine, "pIDparent %-10d pID:%-10d  %-s ",
                              (int)pe.th32ParentProcessID, (int)pe.th32ProcessID, szTitle);
            AddLine(list, szLine, pe.th32ProcessID);
        }
        CloseHandle(snap);
    }
    AddLine(list, "End watching processes.....", 0);
}

/* ShowDosThreadList: "T": every thread of the system, or of one process. */
void ShowDosThreadList(HWND hDlg, DWORD dwOnlyProcess)
{
    tools.dosProcess.nSideList = 2;
    HWND list = OpenList(hDlg);
    WalkThreads(dwOnlyProcess, [list](const THREADENTRY32 &te) {
        char szLine[80];
        std::snprintf(szLine, sizeof szLine, "pID:%-10d  thID:%-10d", (int)te.th32OwnerProcessID,
                      (int)te.th32ThreadID);
        AddLine(list, szLine, te.th32ThreadID);
        return true;
    });
    AddLine(list, "End watching threads.....", 0);
}

/* CloseDosSideList: hides the list; the output takes the width again. */
void CloseDosSideList(HWND hDlg)
{
    HWND list = GetDlgItem(hDlg, IDC_DOS_LIST);
    bListOpen = false;
    tools.dosProcess.nSideList = 0;
    ShowWindow(list, SW_HIDE);
    MoveWindow(list, 0, 0, 0, 0, FALSE);
    Relayout(hDlg);
    SetFocus(GetDlgItem(hDlg, IDC_DOS_INPUT));
}

/* OnDosListDoubleClick: the last line closes the list; a process line
   lists its threads; a thread of the interpreter is offered for ending. */
void OnDosListDoubleClick(HWND hDlg)
{
    HWND list = GetDlgItem(hDlg, IDC_DOS_LIST);
    LRESULT sel = SendMessageA(list, LB_GETCURSEL, 0, 0);
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    if (sel < 0 || count <= 0)
        return;
    if (sel == count - 1) {
        CloseDosSideList(hDlg);
        return;
    }
    DWORD data = (DWORD)SendMessageA(list, LB_GETITEMDATA, sel, 0);
    if (tools.dosProcess.nSideList == 1) {
        ShowDosThreadList(hDlg, data);
        return;
    }
    if (tools.dosProcess.nSideList != 2 || !tools.dosProcess.pi.dwProcessId)
        return;
    bool bOurs = false;
    WalkThreads(tools.dosProcess.pi.dwProcessId, [&](const THREADENTRY32 &te) {
        bOurs = te.th32ThreadID == data;
        return !bOurs;
    });
    if (!bOurs)
        return;
    if (MessageBoxA(hDlg,
                    "このスレッドはこのDOSプロセスに属するスレッドです。\r\n\r\n"
                    "DOSからの応答がない場合はWM_QUIT(終了メッセージ)を発行します。\r\n\r\n試しますか？",
                    "スレッドの強制終了", MB_YESNO | MB_ICONSTOP | MB_TASKMODAL) != IDYES)
        return;
    PostThreadMessageA(data, WM_QUIT, 0, 0);
    MessageBoxA(hDlg, "申し訳ございません。この方法は現在サポートされておりません。", "OK", MB_OK);
}
