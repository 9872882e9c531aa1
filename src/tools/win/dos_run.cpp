#include <windows.h>

#include <tlhelp32.h>

#include <cstring>

#include "app/frame/globals.h"
#include "resource_ids.h"
#include "tools/dos_history.h"
#include "tools/dos_input.h"
#include "tools/win/dos_internal.h"
#include "tools/win/dos_process.h"

namespace {

void Say(const char *text)
{
    if (frame.hStdDialog)
        AppendDosOutput(frame.hStdDialog, text, std::strlen(text));
}

// True when the interpreter runs a program of its own or output came
// within the last moment: a command is still at work.
bool InterpreterBusy(void)
{
    if (tools.pDosSession) {
        EnterCriticalSection(&tools.pDosSession->cs);
        DWORD dwLast = tools.pDosSession->dwLastOutputTick;
        LeaveCriticalSection(&tools.pDosSession->cs);
        if (dwLast && GetTickCount() - dwLast < 250)
            return true;
    }
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE)
        return false;
    bool bChild = false;
    PROCESSENTRY32 pe = {};
    pe.dwSize = sizeof pe;
    for (BOOL more = Process32First(snap, &pe); more && !bChild; more = Process32Next(snap, &pe))
        // The console host that the system gives the interpreter is no
        // command of the user's.
        bChild = pe.th32ParentProcessID == tools.dosProcess.pi.dwProcessId &&
                 pe.th32ProcessID != tools.dosProcess.pi.dwProcessId && lstrcmpiA(pe.szExeFile, "conhost.exe") != 0;
    CloseHandle(snap);
    return bChild;
}

} // namespace

/* RunDosCommand: the command line to the interpreter, opening the DOS
   window with it when there is none. */
int RunDosCommand(const char *szCommandLine, HWND owner)
{
    if (!szCommandLine)
        szCommandLine = "";
    if (!frame.hStdDialog || !IsWindow(frame.hStdDialog)) {
        frame.hStdDialog = NULL;
        HWND hDlg = CreateDialogParamA(frame.hInst, "STDDIALOG", owner, DosDialogProc, (LPARAM)szCommandLine);
        if (!hDlg)
            MessageBoxA(owner, "DOS窓を作成できませんでした。", "エラー", MB_OK | MB_ICONSTOP);
        else
            CreateDosSemaphore();
        return 0;
    }
    if (!tools.dosProcess.hStdInWr || !WriteDosCommand(szCommandLine)) {
        Say("コマンドインタープリタが動いていないため、コマンドは送られませんでした。\r\n");
        return 0;
    }
    CreateDosSemaphore();
    BringWindowToTop(frame.hStdDialog);
    if (IsExitCommand(szCommandLine)) {
        Say("exitOk\r\n");
        EndInterpreter(owner, 5000, 0, "TerminateProcessを発行します。よろしいですか？");
        DestroyWindow(frame.hStdDialog);
    }
    return 0;
}

/* OnDosInputEnter: the input line goes to the interpreter. */
void OnDosInputEnter(void)
{
    if (!frame.hStdDialog)
        return;
    char szLine[DOS_INPUT_LINE_MAX + 1] = "";
    GetDlgItemTextA(frame.hStdDialog, IDC_DOS_INPUT, szLine, sizeof szLine);
    SetDlgItemTextA(frame.hStdDialog, IDC_DOS_INPUT, "");
    if (!tools.dosProcess.hStdInWr || !WriteDosCommand(szLine)) {
        Say("コマンドインタープリタが動いていないため、入力は送られませんでした。\r\n");
        return;
    }
    CreateDosSemaphore();
    RememberDosInput(szLine);
}

/* EndDosProcessForClose: the main window closes: the interpreter is
   asked to exit, and ended when it does not. */
BOOL EndDosProcessForClose(HWND owner)
{
    if (!frame.hStdDialog || !IsWindow(frame.hStdDialog))
        return TRUE;
    if (DosProcessRunning()) {
        bool bBusy = true;
        for (DWORD start = GetTickCount(); GetTickCount() - start < 300; Sleep(25))
            if (!InterpreterBusy()) {
                bBusy = false;
                break;
            }
        if (bBusy && MessageBoxA(owner,
                                 "DOSプロセスは実行中です。\r\nこのまま終わると正しく終了することは保証されません。\r\n"
                                 "exitコマンドで終了することが推奨されます\r\n\r\n終了しますか？",
                                 "警告", MB_YESNOCANCEL | MB_ICONSTOP | MB_TASKMODAL) != IDYES)
            return FALSE;
    }
    EndInterpreter(owner, 1500, 0, NULL);
    DestroyWindow(frame.hStdDialog);
    return TRUE;
}
