#include "app/frame/busy_guard.h"

#include "app/frame/globals.h"

namespace {

int nBusyDepth = 0;        // guards alive
LONG nBusyStarts = 0;      // busy times begun so far
HWND hCloseAfterBusy = NULL; // the window whose close waits
DWORD dwLastPump = 0;
BOOL (*pPretranslate)(MSG *) = NULL; // the message loop's own handling

enum { PUMP_EVERY_MS = 40, PUMP_FOR_MS = 30 };

/* IsUserInput: keyboard and client-area mouse messages, which would start work. */
BOOL IsUserInput(UINT msg)
{
    return (msg >= WM_KEYFIRST && msg <= WM_KEYLAST) || (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST);
}

BOOL IsPress(UINT msg)
{
    return msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN || msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN ||
           msg == WM_MBUTTONDOWN;
}

/* OnMainThread: busy times are the main window's (before it exists, the start-up's). */
BOOL OnMainThread()
{
    return !frame.hMainWnd || GetWindowThreadProcessId(frame.hMainWnd, NULL) == GetCurrentThreadId();
}

} // namespace

BusyGuard::BusyGuard() : bCounted(OnMainThread() != FALSE)
{
    if (bCounted && nBusyDepth++ == 0) {
        dwLastPump = GetTickCount();
        if (frame.hMainWnd) {
            SetPropA(frame.hMainWnd, BUSY_PROP, (HANDLE)1);
            SetPropA(frame.hMainWnd, BUSY_STARTS_PROP, (HANDLE)(INT_PTR)++nBusyStarts);
        }
    }
}

BusyGuard::~BusyGuard()
{
    if (!bCounted || --nBusyDepth != 0)
        return;
    if (frame.hMainWnd)
        RemovePropA(frame.hMainWnd, BUSY_PROP);
    if (hCloseAfterBusy) {
        HWND wnd = hCloseAfterBusy;
        hCloseAfterBusy = NULL;
        PostMessageA(wnd, WM_CLOSE, 0, 0);
    }
}

BOOL IsBusy() { return nBusyDepth > 0; }

BOOL RefuseWhileBusy()
{
    if (!IsBusy())
        return FALSE;
    MessageBeep(MB_OK);
    return TRUE;
}

void SetBusyPretranslate(BOOL (*pretranslate)(MSG *msg))
{
    pPretranslate = pretranslate;
}

/* PumpWhileBusy: a short nested message loop without user input. */
void PumpWhileBusy()
{
    if (!IsBusy() || GetTickCount() - dwLastPump < PUMP_EVERY_MS || !OnMainThread())
        return;
    DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < PUMP_FOR_MS && PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage((int)msg.wParam); // for the main loop, after the operation
            break;
        }
        if (IsUserInput(msg.message)) {
            if (IsPress(msg.message))
                MessageBeep(MB_OK);
            continue;
        }
        if (!pPretranslate || pPretranslate(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    dwLastPump = GetTickCount();
}

BOOL DeferCloseWhileBusy(HWND mainWnd)
{
    if (!IsBusy())
        return FALSE;
    hCloseAfterBusy = mainWnd;
    return TRUE;
}
