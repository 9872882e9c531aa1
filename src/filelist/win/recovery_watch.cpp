#include "filelist/win/recovery.h"

#include <richedit.h>

#include <set>

#include "app/win/globals.h"
#include "app/win/pane_text.h"
#include "doc/win/document.h"
#include "filelist/win/file_list_win.h"
#include "filelist/win/recovery_offer.h"
#include "filelist/win/recovery_session.h"
#include "filelist/win/recovery_writer.h"
#include "text/win/colour_pass.h"

namespace {

enum { RECOVERY_TIMER = 1430, RECOVERY_TICK_MS = 1000 };

// The copy that holds a pane's text on show: this session's copy of the
// text on show, or the copy of the parked text it was brought up from.
struct OnShowCopy {
    std::string szCopy;     // "" while none
    bool bChanged = false;  // the text changed since the copy was taken
    DWORD nTaken = 0;       // GetTickCount of the copy
};

OnShowCopy onShow[2];
std::set<std::string> parkedCopies;  // copies of parked texts this session keeps
LONG nFailuresShown = 0;

HWND PaneOf(int pane) { return pane == RECOVERY_PANE_RC ? hSubEdit1 : hEdit; }

/* Forget: the copy is no longer wanted; it goes after the jobs before it. */
void Forget(std::string &szCopy)
{
    if (szCopy.empty())
        return;
    QueueRecoveryDelete(szCopy);
    parkedCopies.erase(szCopy);
    szCopy.clear();
}

/* NoteTakeTime: the longest take so far, for the tests. */
void NoteTakeTime(DWORD nMs)
{
    DWORD_PTR nLongest = (DWORD_PTR)GetPropA(hMainWnd, RECOVERY_TAKE_MS_PROP);
    if (nMs + 1 > nLongest)
        SetPropA(hMainWnd, RECOVERY_TAKE_MS_PROP, (HANDLE)(DWORD_PTR)(nMs + 1));
}

/* CopyOnShow: takes the pane's text and hands it to the writer. */
void CopyOnShow(int pane)
{
    OnShowCopy &s = onShow[pane];
    DWORD nStart = GetTickCount();
    std::string text = GetPaneText(PaneOf(pane));
    RecoveryHeader h = pane == RECOVERY_PANE_RC
                           ? OwnRecoveryHeader(0, RECOVERY_PANE_RC, szRcPath, szFullPath, RECOVERY_FLAG_ON_SHOW)
                           : OwnRecoveryHeader(0, RECOVERY_PANE_MAIN, szFullPath, "", RECOVERY_FLAG_ON_SHOW);
    std::string szName = OwnRecoveryCopyPath(0, (RecoveryPane)pane);
    QueueRecoveryWrite(szName, h, std::move(text));
    NoteTakeTime(GetTickCount() - nStart);
    // The copy of a parked text it was brought up from goes once this one is written.
    if (s.szCopy != szName)
        Forget(s.szCopy);
    s.szCopy = szName;
    s.bChanged = false;
    s.nTaken = GetTickCount();
}

/* TickPane: copies a changed text on show when it is due, drops the copy of a saved one. */
void TickPane(int pane)
{
    OnShowCopy &s = onShow[pane];
    if (!SendMessageA(PaneOf(pane), EM_GETMODIFY, 0, 0)) {
        Forget(s.szCopy);
        s.bChanged = false;
        return;
    }
    if (!s.szCopy.empty() && (!s.bChanged || GetTickCount() - s.nTaken < RECOVERY_INTERVAL_MS))
        return;
    // One text at a time: a slow disk never piles up copies of a large text.
    if (RecoveryWriterIdle())
        CopyOnShow(pane);
}

/* ReportFailures: a note in the status bar when a copy could not be written. */
void ReportFailures()
{
    char szLast[MAX_PATH] = "";
    LONG n = RecoveryWriteFailures(szLast, sizeof szLast);
    if (n == nFailuresShown)
        return;
    nFailuresShown = n;
    char szMsg[MAX_PATH + 64];
    wsprintfA(szMsg, "回復用コピーを書き込めませんでした: %s", szLast);
    ShowStatusMessage(szMsg, 10000);
}

/* RecoveryTick: the timer; nothing is taken while a switch, a dialog or a colouring is under way. */
VOID CALLBACK RecoveryTick(HWND, UINT, UINT_PTR, DWORD)
{
    ReportFailures();
    if (!hEdit || !hSubEdit1 || !IsWindowEnabled(hMainWnd) || FileListBusy() || ColourPassRunning())
        return;
    TickPane(RECOVERY_PANE_MAIN);
    TickPane(RECOVERY_PANE_RC);
}

/* ParkedCopy: a parked text with changes is copied, one without loses its copy. */
void ParkedCopy(uint32_t id, RecoveryPane pane, bool bModified, const std::string &szPath,
                const std::string &szOwner, std::string &text)
{
    std::string szName = OwnRecoveryCopyPath(id, pane);
    if (bModified) {
        QueueRecoveryWrite(szName, OwnRecoveryHeader(id, pane, szPath.c_str(), szOwner.c_str(), 0), std::move(text));
        parkedCopies.insert(szName);
    } else if (parkedCopies.count(szName)) {
        Forget(szName);
    }
}

} // namespace

void StartRecovery(HWND mainWnd)
{
    if (!OpenRecoverySession())
        return;
    ScheduleRecoveryOffer(mainWnd);
    SetTimer(mainWnd, RECOVERY_TIMER, RECOVERY_TICK_MS, RecoveryTick);
}

void EndRecovery()
{
    if (!RecoverySessionOpen())
        return;
    KillTimer(hMainWnd, RECOVERY_TIMER);
    CancelRecoveryOffer(hMainWnd);
    RemovePropA(hMainWnd, RECOVERY_TAKE_MS_PROP);
    StopRecoveryWriter(10000);
    RemoveOwnRecoveryCopies();
    CloseRecoverySession();
}

void NoteRecoveryPaneChange(HWND pane)
{
    if (pane && pane == hEdit)
        onShow[RECOVERY_PANE_MAIN].bChanged = true;
    else if (pane && pane == hSubEdit1)
        onShow[RECOVERY_PANE_RC].bChanged = true;
}

void RecoveryParked(const FileEntry &e, std::string &mainText, std::string &rcText)
{
    if (!RecoverySessionOpen())
        return;
    ParkedCopy(e.id, RECOVERY_PANE_MAIN, e.nMainModified != 0, e.szFull, "", mainText);
    ParkedCopy(e.id, RECOVERY_PANE_RC, e.bRcTmp && e.nRcModified, e.szRcFull, e.szFull, rcText);
    // The texts on show are parked now: their copies are the parked ones.
    for (OnShowCopy &s : onShow) {
        if (!parkedCopies.count(s.szCopy))
            Forget(s.szCopy);
        s = OnShowCopy();
    }
}

void RecoveryBroughtUp(const FileEntry &e)
{
    for (int pane = RECOVERY_PANE_MAIN; pane <= RECOVERY_PANE_RC; ++pane) {
        std::string szName = OwnRecoveryCopyPath(e.id, (RecoveryPane)pane);
        OnShowCopy &s = onShow[pane];
        s.szCopy = parkedCopies.count(szName) ? szName : std::string();
        s.bChanged = false;
        s.nTaken = GetTickCount();
    }
}

void RecoveryCopyOnShowNow()
{
    if (!RecoverySessionOpen())
        return;
    for (int pane = RECOVERY_PANE_MAIN; pane <= RECOVERY_PANE_RC; ++pane)
        if (SendMessageA(PaneOf(pane), EM_GETMODIFY, 0, 0))
            CopyOnShow(pane);
}
