#include "doc/win/viewer_thread.h"

#include "doc/win/binary_viewer.h"

#include <process.h>

namespace {

HANDLE hThread = NULL;        // the viewer's thread while it runs (or until joined)
HANDLE hMade = NULL;          // set once the window exists or its creation failed
HWND hMadeViewer = NULL;      // the window, written before hMade is set

/* ViewerThread: makes the viewer window and runs its messages until the
   window is destroyed (its WM_DESTROY posts the quit message). */
unsigned __stdcall ViewerThread(void *)
{
    HWND viewer = CreateViewerWindow();
    if (!viewer) {
        hMadeViewer = NULL;
        SetEvent(hMade);
        return 0;
    }
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

/* WaitAnswering: waits up to nMaxMs for the object while delivering the
   messages other threads send to this one (the viewer's activation, the
   end-to-end driver's WM_NULL), so that the caller's windows answer. */
bool WaitAnswering(HANDLE object, DWORD nMaxMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        DWORD elapsed = GetTickCount() - start;
        DWORD left = elapsed < nMaxMs ? nMaxMs - elapsed : 0;
        DWORD got = MsgWaitForMultipleObjects(1, &object, FALSE, left, QS_SENDMESSAGE);
        if (got == WAIT_OBJECT_0)
            return true;
        if (got != WAIT_OBJECT_0 + 1)
            return false;
        MSG msg;
        PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

/* JoinEndedThread: closes the handle of a viewer thread that has ended. */
bool JoinEndedThread()
{
    if (!hThread)
        return true;
    if (WaitForSingleObject(hThread, 0) != WAIT_OBJECT_0)
        return false;
    CloseHandle(hThread);
    hThread = NULL;
    return true;
}

} // namespace

HWND StartViewerThread()
{
    if (!JoinEndedThread())
        return NULL;  // one viewer thread at a time (EndViewerThread first)
    if (!hMade && !(hMade = CreateEventA(NULL, FALSE, FALSE, NULL)))
        return NULL;
    ResetEvent(hMade);
    hMadeViewer = NULL;
    uintptr_t thread = _beginthreadex(NULL, 0, ViewerThread, NULL, 0, NULL);
    if (!thread)
        return NULL;
    hThread = (HANDLE)thread;
    HANDLE both[2] = {hMade, hThread};
    for (;;) {
        DWORD got = MsgWaitForMultipleObjects(2, both, FALSE, INFINITE, QS_SENDMESSAGE);
        if (got == WAIT_OBJECT_0)
            return hMadeViewer;
        if (got == WAIT_OBJECT_0 + 1)
            return NULL;  // the thread ended without a window
        if (got != WAIT_OBJECT_0 + 2)
            return NULL;
        MSG msg;
        PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

void ViewerWindowMade(HWND viewer)
{
    hMadeViewer = viewer;
    SetEvent(hMade);
}

bool EndViewerThread(DWORD nMaxMs)
{
    if (!hThread)
        return true;
    if (hMadeViewer && IsWindow(hMadeViewer))
        PostMessageA(hMadeViewer, WM_CLOSE, 0, 0);
    WaitAnswering(hThread, nMaxMs);
    return JoinEndedThread();
}
