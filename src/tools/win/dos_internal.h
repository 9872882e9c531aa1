// Shared by the pieces of the DOS runner: the stream between the reader
// thread and the DOS window, the interpreter's start and end, the output
// pane and the side list.
#pragma once
#include <windows.h>

#include <string>

// What the reader and the window share for one interpreter. The reader
// owns the read ends of the output pipes; the window owns the input write
// end. The record lives until both have let it go.
struct DosSession {
    LONG nRefs;
    CRITICAL_SECTION cs;
    std::string pending;          // read, not yet shown (under cs)
    bool bNotified;               // a DOSM_OUTPUT is on its way (under cs)
    unsigned long long nTotal;    // bytes read from both pipes (under cs)
    DWORD dwLastOutputTick;       // when the reader last found output (under cs)
    volatile LONG bClosing;       // the window is going: read on, show nothing
    HANDLE hDrained;              // set when the window took the pending text
    HWND hDlg;
    // The reader block: all four are set before the reader works.
    HANDLE hProcess, hStdOut, hStdErr, hStdIn;
};


DosSession *NewDosSession(HWND hDlg);
void ReleaseDosSession(DosSession *session);

// The semaphore "sora_doscommand": made when a command line is sent,
// closed by the reader when no output waits.
void CreateDosSemaphore(void);
void CloseDosSemaphore(void);
BOOL DosSemaphoreOpen(void);

// Starts the reader thread on the session; FALSE when it could not start.
BOOL StartDosReader(DosSession *session);

// Starts COMSPEC behind three pipes and fills dosProcess and the session's
// reader block. On failure writes why into szWhy (a CP932 text for the
// output pane) and returns FALSE with every handle closed.
BOOL StartInterpreter(DosSession *session, char *szWhy, size_t whyCap);

// Writes one command line (space, line, CR LF) into the interpreter's
// input. FALSE when the input is closed or the write failed.
BOOL WriteDosCommand(const char *szLine);

// Sends the next waiting line when the interpreter has taken the last;
// TRUE when none waits. The DOS window's timer DOS_INPUT_TIMER calls it.
BOOL FlushDosInput(void);
enum { DOS_INPUT_TIMER = 1 };

// The order of ending: "exit" down the input, wait dwFirstWaitMs, close
// our ends, wait dwSecondWaitMs more; an interpreter still running then is
// terminated after a Yes to szQuestion, or without a question when
// szQuestion is null. Clears dosProcess.
void EndInterpreter(HWND owner, DWORD dwFirstWaitMs, DWORD dwSecondWaitMs, const char *szQuestion);

// True while the interpreter's process runs.
BOOL DosProcessRunning(void);

// Output pane of the DOS window: appends text, trimming the front so the
// pane keeps the newest text.
void AppendDosOutput(HWND hDlg, const char *text, size_t nLen);
void ResetDosOutput(void);

// Records a line sent from the input line for the Up and Down keys.
void RememberDosInput(const char *szLine);

// Side list of processes and threads.
void ShowDosProcessList(HWND hDlg);
void ShowDosThreadList(HWND hDlg, DWORD dwOnlyProcess);
void OnDosListDoubleClick(HWND hDlg);
void CloseDosSideList(HWND hDlg);
int DosSideListWidth(void);
