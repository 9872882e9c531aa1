// The driver's view of the editor's long operations, which run in slices
// while the main window keeps answering (so an answer alone does not mean
// the work is done). The editor sets the main window property BUSY_PROP
// for the time one runs and counts the operations begun in
// BUSY_STARTS_PROP (common/test_hooks.h).
//
// The answer watch: a thread sends the main window a WM_NULL every 100 ms
// and notes how long each answer took and how many did not come within
// the watch's time-out, while the steps go on as usual.
#pragma once

// True while the editor runs a long operation.
static bool EditorBusy()
{
    return mainWnd && GetPropW(mainWnd, WIDE_PROP(BUSY_PROP)) != NULL;
}

static LONG BusyStarts()
{
    return mainWnd ? (LONG)(INT_PTR)GetPropW(mainWnd, WIDE_PROP(BUSY_STARTS_PROP)) : 0;
}

// The count of long operations before the last step that started one
// without waiting for it (drop-nowait, post-command).
static LONG busyStartsBefore = 0;

static void NoteBusyStartsBefore() { busyStartsBefore = BusyStarts(); }

// The window answers, and the editor has ended any long operation.
static bool Idle(HWND hwnd, int timeoutMs = 20000)
{
    DWORD start = GetTickCount();
    DWORD_PTR r;
    if (!SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &r))
        return false;
    while (EditorBusy()) {
        if ((int)(GetTickCount() - start) > timeoutMs)
            return false;
        Sleep(20);
    }
    return true;
}

// Waits for the long operation started after NoteBusyStartsBefore to begin
// (up to 5 s: what comes before it, a question box say, is not its
// business) and then to end (up to timeoutMs). *pMs: from the wait's start
// to the end; *pSeen: whether it was seen to begin.
static bool WaitBusyEnd(int timeoutMs, DWORD *pMs, bool *pSeen)
{
    DWORD start = GetTickCount();
    bool seen = false;
    while (!(seen = BusyStarts() != busyStartsBefore || EditorBusy()) && GetTickCount() - start < 5000)
        Sleep(5);
    while (EditorBusy() && (int)(GetTickCount() - start) <= timeoutMs)
        Sleep(10);
    *pMs = GetTickCount() - start;
    *pSeen = seen;
    return !EditorBusy();
}

struct AnswerWatch {
    HANDLE thread;
    HWND target;
    volatile LONG stop;
    DWORD timeoutMs;  // an answer later than this counts as a miss
    DWORD intervalMs; // between two WM_NULLs (0: back to back)
    LONG polls, misses, over100;
    DWORD longestMs;
    DWORD startTick;
    std::string missedAt;  // " at MS ms" of the first few misses, from the start
};
static AnswerWatch answerWatch;

static DWORD WINAPI AnswerWatchThread(LPVOID)
{
    while (!answerWatch.stop) {
        DWORD start = GetTickCount();
        DWORD_PTR r;
        // SMTO_NORMAL: the time-out alone decides, however long the window was busy.
        bool answered =
            SendMessageTimeoutW(answerWatch.target, WM_NULL, 0, 0, SMTO_NORMAL, answerWatch.timeoutMs, &r) != 0;
        DWORD took = GetTickCount() - start;
        ++answerWatch.polls;
        if (!answered && IsWindow(answerWatch.target) && ++answerWatch.misses <= 5)
            answerWatch.missedAt += " at " + std::to_string(start - answerWatch.startTick) + " ms";
        if (took > 100)
            ++answerWatch.over100;
        if (took > answerWatch.longestMs)
            answerWatch.longestMs = took;
        Sleep(answerWatch.intervalMs ? answerWatch.intervalMs : 1);
    }
    return 0;
}

static bool StartAnswerWatch(DWORD timeoutMs, DWORD intervalMs = 100)
{
    if (answerWatch.thread)
        return false;
    answerWatch = AnswerWatch();
    answerWatch.target = mainWnd;
    answerWatch.timeoutMs = timeoutMs;
    answerWatch.intervalMs = intervalMs;
    answerWatch.startTick = GetTickCount();
    answerWatch.thread = CreateThread(NULL, 0, AnswerWatchThread, NULL, 0, NULL);
    return answerWatch.thread != NULL;
}

// Ends the watch; false when none was running.
static bool StopAnswerWatch()
{
    if (!answerWatch.thread)
        return false;
    answerWatch.stop = 1;
    WaitForSingleObject(answerWatch.thread, INFINITE);
    CloseHandle(answerWatch.thread);
    answerWatch.thread = NULL;
    return true;
}
