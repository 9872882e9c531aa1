#include <cstdio>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "app/frame/globals.h"
#include "tools/dos_input.h"
#include "tools/win/dos_internal.h"
#include "tools/win/dos_process.h"

ToolsState tools;

namespace {

const DWORD kPipeSize = 4096;

// Command lines wait here until the interpreter has taken the one before:
// an interpreter that reads its input in blocks (Wine's cmd.exe does) and
// then works on the first line only would lose the lines behind it. A
// second handle on the input's read end tells whether the pipe is empty.
HANDLE hInputPeek;
std::deque<std::string> inputQueue;

BOOL InputPipeEmpty(void)
{
    DWORD nAvail = 0;
    if (!hInputPeek || !PeekNamedPipe(hInputPeek, NULL, 0, NULL, &nAvail, NULL))
        return TRUE;
    return nAvail == 0;
}

void CloseAndClear(HANDLE *handle)
{
    if (*handle)
        CloseHandle(*handle);
    *handle = NULL;
}

// One pipe whose end on our side is not inherited by the interpreter, so
// that closing it here really closes the pipe.
BOOL MakePipe(HANDLE *read, HANDLE *write, BOOL bOursIsRead)
{
    SECURITY_ATTRIBUTES sa = {sizeof sa, NULL, TRUE};
    if (!CreatePipe(read, write, &sa, kPipeSize))
        return FALSE;
    SetHandleInformation(bOursIsRead ? *read : *write, HANDLE_FLAG_INHERIT, 0);
    return TRUE;
}

void ClosePipes(void)
{
    CloseAndClear(&tools.dosProcess.hStdInRd);
    CloseAndClear(&tools.dosProcess.hStdInWr);
    CloseAndClear(&tools.dosProcess.hStdOutRd);
    CloseAndClear(&tools.dosProcess.hStdOutWr);
    CloseAndClear(&tools.dosProcess.hStdErrRd);
    CloseAndClear(&tools.dosProcess.hStdErrWr);
    CloseAndClear(&hInputPeek);
    inputQueue.clear();
}

} // namespace

/* StartInterpreter: COMSPEC with its standard handles on three pipes. */
BOOL StartInterpreter(DosSession *session, char *szWhy, size_t whyCap)
{
    std::memset(&tools.dosProcess, 0, sizeof tools.dosProcess);
    char szComspec[256] = "";
    DWORD n = GetEnvironmentVariableA("COMSPEC", szComspec, sizeof szComspec);
    if (n == 0 || n >= sizeof szComspec) {
        std::snprintf(szWhy, whyCap,
                      "環境変数COMSPECが見つからないため、コマンドインタープリタを起動できません。\r\n"
                      "このDOS窓ではコマンドを実行できません。\r\n");
        return FALSE;
    }
    if (!MakePipe(&tools.dosProcess.hStdInRd, &tools.dosProcess.hStdInWr, FALSE) ||
        !MakePipe(&tools.dosProcess.hStdOutRd, &tools.dosProcess.hStdOutWr, TRUE) ||
        !MakePipe(&tools.dosProcess.hStdErrRd, &tools.dosProcess.hStdErrWr, TRUE)) {
        std::snprintf(szWhy, whyCap, "パイプを作成できませんでした（エラー %lu）。\r\n"
                                     "このDOS窓ではコマンドを実行できません。\r\n", GetLastError());
        ClosePipes();
        return FALSE;
    }
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_HIDE;
    si.hStdInput = tools.dosProcess.hStdInRd;
    si.hStdOutput = tools.dosProcess.hStdOutWr;
    si.hStdError = tools.dosProcess.hStdErrWr;
    const char *szCurDir = frame.startupPaths.szCurDir;
    const char *szFolder = szCurDir[0] && GetFileAttributesA(szCurDir) != INVALID_FILE_ATTRIBUTES ? szCurDir : NULL;
    if (!CreateProcessA(szComspec, NULL, NULL, NULL, TRUE, CREATE_NO_WINDOW | IDLE_PRIORITY_CLASS, NULL, szFolder,
                        &si, &tools.dosProcess.pi)) {
        std::snprintf(szWhy, whyCap,
                      "コマンドインタープリタ「%s」を起動できませんでした（エラー %lu）。\r\n"
                      "このDOS窓ではコマンドを実行できません。\r\n",
                      szComspec, GetLastError());
        ClosePipes();
        std::memset(&tools.dosProcess.pi, 0, sizeof tools.dosProcess.pi);
        return FALSE;
    }
    CloseAndClear(&tools.dosProcess.pi.hThread);
    DuplicateHandle(GetCurrentProcess(), tools.dosProcess.hStdInRd, GetCurrentProcess(), &hInputPeek, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
    WaitForInputIdle(tools.dosProcess.pi.hProcess, 2000);
    session->hProcess = tools.dosProcess.pi.hProcess;
    session->hStdOut = tools.dosProcess.hStdOutRd;
    session->hStdErr = tools.dosProcess.hStdErrRd;
    session->hStdIn = tools.dosProcess.hStdInWr;
    // The read ends belong to the reader from now on; the interpreter's
    // ends are its own.
    tools.dosProcess.hStdOutRd = tools.dosProcess.hStdErrRd = NULL;
    CloseAndClear(&tools.dosProcess.hStdInRd);
    CloseAndClear(&tools.dosProcess.hStdOutWr);
    CloseAndClear(&tools.dosProcess.hStdErrWr);
    return TRUE;
}

/* FlushDosInput: the next waiting line into the pipe once the pipe is
   empty. TRUE when no line waits any more. */
BOOL FlushDosInput(void)
{
    while (!inputQueue.empty() && tools.dosProcess.hStdInWr && InputPipeEmpty()) {
        const std::string &bytes = inputQueue.front();
        DWORD written = 0;
        if (!WriteFile(tools.dosProcess.hStdInWr, bytes.data(), (DWORD)bytes.size(), &written, NULL))
            inputQueue.clear();
        else
            inputQueue.pop_front();
    }
    return inputQueue.empty();
}

/* WriteDosCommand: one command line for the interpreter's input, sent at
   once or after the lines before it. */
BOOL WriteDosCommand(const char *szLine)
{
    SORA_ASSERT(tools.dosProcess.hStdInWr != NULL);
    if (!tools.dosProcess.hStdInWr)
        return FALSE;
    std::vector<char> buf(std::strlen(szLine) + 4);
    size_t n = ComposeDosInput(szLine, buf.data(), buf.size());
    if (n == 0)
        return FALSE;
    inputQueue.emplace_back(buf.data(), n);
    if (!FlushDosInput() && frame.hStdDialog)
        SetTimer(frame.hStdDialog, DOS_INPUT_TIMER, 30, NULL);
    return TRUE;
}

/* DosProcessRunning: the interpreter exists and has not ended. */
BOOL DosProcessRunning(void)
{
    DWORD code = 0;
    return tools.dosProcess.pi.hProcess && GetExitCodeProcess(tools.dosProcess.pi.hProcess, &code) &&
           code == STILL_ACTIVE;
}

/* EndInterpreter: "exit", waiting, closing our ends and, when it still
   runs, termination. */
void EndInterpreter(HWND owner, DWORD dwFirstWaitMs, DWORD dwSecondWaitMs, const char *szQuestion)
{
    HANDLE hProcess = tools.dosProcess.pi.hProcess;
    // The lines still waiting go first, then "exit" as a line of its own.
    for (DWORD start = GetTickCount(); GetTickCount() - start < 2000 && hProcess &&
                                       WaitForSingleObject(hProcess, 0) == WAIT_TIMEOUT;
         Sleep(20))
        if (FlushDosInput() && InputPipeEmpty())
            break;
    if (tools.dosProcess.hStdInWr) {
        char szExit[16];
        size_t n = ComposeDosInput("exit", szExit, sizeof szExit);
        DWORD written = 0;
        WriteFile(tools.dosProcess.hStdInWr, szExit, (DWORD)n, &written, NULL);
    }
    if (hProcess)
        WaitForSingleObject(hProcess, dwFirstWaitMs);
    CloseAndClear(&tools.dosProcess.hStdInWr);
    CloseDosSemaphore();
    if (tools.pDosSession)
        InterlockedExchange(&tools.pDosSession->bClosing, 1);
    if (hProcess && WaitForSingleObject(hProcess, dwSecondWaitMs) == WAIT_TIMEOUT) {
        GetExitCodeProcess(hProcess, &tools.dosProcess.dwExitCode);
        if (!szQuestion ||
            MessageBoxA(owner, szQuestion, "確認", MB_YESNO | MB_ICONEXCLAMATION) == IDYES)
            TerminateProcess(hProcess, tools.dosProcess.dwExitCode);
    }
    // The process handle stays with the reader, which still drains the
    // pipes until the interpreter is gone.
    ClosePipes();
    std::memset(&tools.dosProcess, 0, sizeof tools.dosProcess);
}
