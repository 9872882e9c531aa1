#include "tools/win/dos_internal.h"

static HANDLE volatile hDosSemaphore;

/* NewDosSession: an empty stream record for a new DOS window, held once by
   the window. */
DosSession *NewDosSession(HWND hDlg)
{
    DosSession *session = new DosSession();
    session->nRefs = 1;
    InitializeCriticalSection(&session->cs);
    session->hDrained = CreateEventA(NULL, FALSE, FALSE, NULL);
    session->hDlg = hDlg;
    return session;
}

/* ReleaseDosSession: lets go of a session; the last one frees it with the
   handles it still holds. */
void ReleaseDosSession(DosSession *session)
{
    if (!session || InterlockedDecrement(&session->nRefs) != 0)
        return;
    HANDLE handles[] = {session->hStdOut, session->hStdErr, session->hProcess, session->hDrained};
    for (HANDLE h : handles)
        if (h)
            CloseHandle(h);
    DeleteCriticalSection(&session->cs);
    delete session;
}

/* CreateDosSemaphore: marks that output of a command just sent is due. */
void CreateDosSemaphore(void)
{
    HANDLE fresh = CreateSemaphoreA(NULL, 1, 10, "sora_doscommand");
    HANDLE old = InterlockedExchangePointer((PVOID volatile *)&hDosSemaphore, fresh);
    if (old)
        CloseHandle(old);
}

/* CloseDosSemaphore: the output is drained (or the window goes). */
void CloseDosSemaphore(void)
{
    HANDLE old = InterlockedExchangePointer((PVOID volatile *)&hDosSemaphore, NULL);
    if (old)
        CloseHandle(old);
}

BOOL DosSemaphoreOpen(void)
{
    return hDosSemaphore != NULL;
}
