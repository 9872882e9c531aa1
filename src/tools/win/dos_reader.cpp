#include <process.h>

#include <cstdio>

#include "tools/dos_output.h"
#include "tools/win/dos_internal.h"
#include "tools/win/dos_process.h"

namespace {

// The reader stops reading ahead of the window beyond this much text, so
// a window that cannot keep up slows the interpreter instead of the
// editor's memory growing without end.
const size_t kPendingMax = 1 << 20;
// Longest pause between two polls while the interpreter is quiet.
const DWORD kPollMaxMs = 200;

// Queues text for the window and tells the window once until it takes it.
void Queue(DosSession *session, const char *text, size_t nText, size_t nRead)
{
    EnterCriticalSection(&session->cs);
    if (!session->bClosing)
        session->pending.append(text, nText);
    session->nTotal += nRead;
    if (nRead)
        session->dwLastOutputTick = GetTickCount();
    bool bPost = !session->bNotified && !session->pending.empty();
    if (bPost)
        session->bNotified = true;
    LeaveCriticalSection(&session->cs);
    if (bPost && !PostMessageA(session->hDlg, DOSM_OUTPUT, 0, 0)) {
        EnterCriticalSection(&session->cs);
        session->bNotified = false;
        session->pending.clear();
        LeaveCriticalSection(&session->cs);
    }
}

// Waits while the window has more than enough text to show.
void Throttle(DosSession *session)
{
    for (;;) {
        EnterCriticalSection(&session->cs);
        size_t nPending = session->pending.size();
        LeaveCriticalSection(&session->cs);
        if (nPending < kPendingMax || session->bClosing)
            return;
        if (!IsWindow(session->hDlg)) {
            EnterCriticalSection(&session->cs);
            session->pending.clear();
            LeaveCriticalSection(&session->cs);
            return;
        }
        WaitForSingleObject(session->hDrained, kPollMaxMs);
    }
}

// Reads what waits in one pipe (at most DOS_READ_MAX bytes). Returns the
// bytes read, 0 when none waited.
size_t Pump(DosSession *session, HANDLE pipe, DosChunkCarry *carry, char *buf, char *out)
{
    DWORD nAvail = 0, nGot = 0;
    if (!PeekNamedPipe(pipe, NULL, 0, NULL, &nAvail, NULL) || nAvail == 0)
        return 0;
    DWORD nWant = nAvail < DOS_READ_MAX ? nAvail : (DWORD)DOS_READ_MAX;
    if (!ReadFile(pipe, buf, nWant, &nGot, NULL) || nGot == 0)
        return 0;
    buf[nGot] = '\0';
    size_t nOut = AssembleDosChunk(carry, buf, nGot, out);
    Queue(session, out, nOut, nGot);
    return nGot;
}

void QueueText(DosSession *session, const char *text)
{
    Queue(session, text, strlen(text), 0);
}

/* ReaderThread: polls both output pipes into the DOS window until the
   interpreter ends, then drains them. */
unsigned __stdcall ReaderThread(void *param)
{
    DosSession *session = (DosSession *)param;
    char *buf = new char[DOS_READ_BUFFER];
    char *out = new char[DOS_READ_BUFFER + 2];
    DosChunkCarry carryOut = {0, false}, carryErr = {0, false};
    QueueText(session, "しばらくお待ちください\r\n");
    size_t nLastRead = 0;
    unsigned nQuiet = 0;
    bool bEnded = false;
    for (;;) {
        size_t nOut = Pump(session, session->hStdOut, &carryOut, buf, out);
        if (nOut == 0 && DosSemaphoreOpen())
            CloseDosSemaphore();
        size_t nErr = Pump(session, session->hStdErr, &carryErr, buf, out);
        if (nOut || nErr)
            nLastRead = nErr ? nErr : nOut;
        DWORD dwCode = 0;
        if (!GetExitCodeProcess(session->hProcess, &dwCode) || dwCode != STILL_ACTIVE) {
            bEnded = true;
            break;
        }
        if (nOut || nErr) {
            nQuiet = 0;
        } else {
            // Quiet: poll at once for a while, so that a stream that pauses
            // between two writes is read without delay, then wait longer
            // each time up to the poll period.
            ++nQuiet;
            DWORD dwPause = nQuiet < 50 ? 1 : (nQuiet - 50 < 8 ? (DWORD)1 << (nQuiet - 50) : kPollMaxMs);
            if (dwPause > kPollMaxMs)
                dwPause = kPollMaxMs;
            if (WaitForSingleObject(session->hProcess, dwPause) == WAIT_OBJECT_0) {
                bEnded = true;
                break;
            }
        }
        Throttle(session);
    }
    char szLine[64];
    std::snprintf(szLine, sizeof szLine, "%dバイト", (int)nLastRead);
    QueueText(session, szLine);
    while (Pump(session, session->hStdOut, &carryOut, buf, out) ||
           Pump(session, session->hStdErr, &carryErr, buf, out))
        Throttle(session);
    size_t nRest = FlushDosChunk(&carryOut, out);
    nRest += FlushDosChunk(&carryErr, out + nRest);
    Queue(session, out, nRest, 0);
    CloseDosSemaphore();
    if (bEnded)
        QueueText(session, "DOS process finished normally.\r\nNo more commands acceptable.\r\nClose this window .");
    else
        QueueText(session, "Process Still Active.\r\nError occured.Terminate DOS process in any other way.\r\n");
    PostMessageA(session->hDlg, DOSM_READER_END, bEnded ? 1 : 0, 0);
    delete[] buf;
    delete[] out;
    ReleaseDosSession(session);
    return 0;
}

} // namespace

/* StartDosReader: the reader thread on the session's reader block. */
BOOL StartDosReader(DosSession *session)
{
    if (!(session->hStdOut && session->hStdErr && session->hStdIn && session->hProcess))
        return FALSE;
    InterlockedIncrement(&session->nRefs);
    uintptr_t thread = _beginthreadex(NULL, 0, ReaderThread, session, 0, NULL);
    if (!thread) {
        InterlockedDecrement(&session->nRefs);
        return FALSE;
    }
    CloseHandle((HANDLE)thread);
    return TRUE;
}
