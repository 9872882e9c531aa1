// The command interpreter behind pipes and its DOS window (STDDIALOG):
// one long-lived interpreter at a time, fed by RunDosCommand and the
// window's input line, its output streamed into the window by a reader
// thread.
#pragma once
#include <windows.h>

// The interpreter: its process, the six pipe handles, the last exit code
// read and what the side list shows.
struct DosProcess {
    PROCESS_INFORMATION pi;
    HANDLE hStdInRd, hStdInWr;     // interpreter's input: its end, ours
    HANDLE hStdOutRd, hStdOutWr;   // its output: our end, its end
    HANDLE hStdErrRd, hStdErrWr;   // its error output: our end, its end
    DWORD dwExitCode;
    int nSideList;                 // 0 none, 1 process list, 2 thread list
};
struct DosSession;

struct ToolsState {
    DosProcess dosProcess;
    DosSession *pDosSession; // the session of the open DOS window, null when none (dos_internal.h)
};
extern ToolsState tools;

#include "common/test_hooks.h" // DOSM_GETTOTAL, DOSM_GETSTATE: questions the driver asks from outside

// Messages of the DOS window from its reader thread.
enum {
    DOSM_OUTPUT = WM_APP + 0x50,    // the reader has text waiting
    DOSM_READER_END = WM_APP + 0x51 // the reader stopped; wParam 1 when the interpreter ended
};

// Sends a command line to the interpreter, opening the DOS window (and
// starting the interpreter) with it as the first command when the window
// is not open. A command line whose first word is "exit" ends the
// interpreter and closes the window, asking before termination when it
// does not end within 5 s. Returns 0.
int RunDosCommand(const char *szCommandLine, HWND owner);

// The Enter key of the input line: sends the line to the interpreter.
void OnDosInputEnter(void);

// The first steps of the main window's close: waits briefly for the
// interpreter, asks before ending a busy one, then ends it. Returns FALSE
// when the user chose to keep the editor open.
BOOL EndDosProcessForClose(HWND owner);

// The window procedure of STDDIALOG.
INT_PTR CALLBACK DosDialogProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam);
