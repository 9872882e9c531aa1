#include "filelist/win/recovery.h"

#include <richedit.h>

#include <set>

#include "app/frame/globals.h"
#include "app/frame/pane_text.h"
#include "doc/win/document.h"
#include "filelist/win/file_list_win.h"
#include "filelist/win/recovery_offer.h"
#include "filelist/win/recovery_session.h"
#include "filelist/win/recovery_take.h"
#include "filelist/win/recovery_writer.h"
#include "app/frame/busy_guard.h"

namespace {

enum {
    RECOVERY_TIMER = 1430, RECOVERY_TICK_MS = 1000,
    RECOVERY_SLICE_TIMER = 1432, RECOVERY_SLICE_MS = 10,
    // Slices are taken back to back for this long at each slice timer
    // message: the shorter a take, the less often typing spoils it.
    RECOVERY_SLICE_BUDGET_MS = 25,
};

// The copy that holds a pane's text on show: this session's copy of the
// text on show, or the copy of the parked text it was brought up from.
struct OnShowCopy {
    std::string szCopy;     // "" while none
    LONG nCopiedAt = 0;     // the pane's change count the copy holds
    DWORD nTaken = 0;       // GetTickCount of the copy
};

// A text on show being taken slice by slice.
struct Taking {
    bool bActive = false;
    int pane = RECOVERY_PANE_MAIN;
    LONG nChangesAtStart = 0;
    PaneTake take;
};

OnShowCopy onShow[2];
LONG nChanges[2];                    // EN_CHANGE count of each pane
Taking taking;
std::set<std::string> parkedCopies;  // copies of parked texts this session keeps
LONG nFailuresShown = 0;

HWND PaneOf(int pane) { return pane == RECOVERY_PANE_RC ? frame.hSubEdit1 : frame.hEdit; }

/* Forget: the copy is no longer wanted; it goes after the jobs before it. */
void Forget(std::string &szCopy)
{
    if (szCopy.empty())
        return;
    QueueRecoveryDelete(szCopy);
    parkedCopies.erase(szCopy);
    szCopy.clear();
}

/* NoteTakeTime: the longest step of a take so far, for the tests. */
void NoteTakeTime(DWORD nMs)
{
    DWORD_PTR nLongest = (DWORD_PTR)GetPropA(frame.hMainWnd, RECOVERY_TAKE_MS_PROP);
    if (nMs + 1 > nLongest)
        SetPropA(frame.hMainWnd, RECOVERY_TAKE_MS_PROP, (HANDLE)(DWORD_PTR)(nMs + 1));
}

/* QueueOnShowCopy: a taken text on show goes to the writer as the pane's copy. */
void QueueOnShowCopy(int pane, std::string &text, LONG nCopiedAt)
{
    OnShowCopy &s = onShow[pane];
    RecoveryHeader h = pane == RECOVERY_PANE_RC
                           ? OwnRecoveryHeader(0, RECOVERY_PANE_RC, doc.szRcPath, doc.szFullPath, RECOVERY_FLAG_ON_SHOW)
                           : OwnRecoveryHeader(0, RECOVERY_PANE_MAIN, doc.szFullPath, "", RECOVERY_FLAG_ON_SHOW);
    std::string szName = OwnRecoveryCopyPath(0, (RecoveryPane)pane);
    QueueRecoveryWrite(szName, h, std::move(text));
    // The copy of a parked text it was brought up from goes once this one is written.
    if (s.szCopy != szName)
        Forget(s.szCopy);
    s.szCopy = szName;
    s.nCopiedAt = nCopiedAt;
    s.nTaken = GetTickCount();
}

/* CanTake: no switch, dialog or colouring is under way. */
BOOL CanTake()
{
    return frame.hEdit && frame.hSubEdit1 && IsWindowEnabled(frame.hMainWnd) && !FileListBusy() && !IsBusy();
}

/* DropTake: ends a take before it is whole. */
void DropTake()
{
    if (!taking.bActive)
        return;
    KillTimer(frame.hMainWnd, RECOVERY_SLICE_TIMER);
    taking.bActive = false;
    taking.take = PaneTake();
}

/* TakeSlice: one slice of the text being taken; a text that changed meanwhile is dropped. */
void TakeSlice()
{
    int pane = taking.pane;
    if (!CanTake() || nChanges[pane] != taking.nChangesAtStart || PaneOf(pane) != taking.take.pane) {
        DropTake();
        return;
    }
    DWORD nStart = GetTickCount();
    int r = TakePaneSlice(taking.take);
    NoteTakeTime(GetTickCount() - nStart);
    if (r < 0) {
        DropTake();
    } else if (r > 0) {
        std::string text;
        text.swap(taking.take.text);
        LONG nAt = taking.nChangesAtStart;
        DropTake();
        QueueOnShowCopy(pane, text, nAt);
    }
}

/* SliceTick: slices back to back until the take is whole or the budget is spent. */
VOID CALLBACK SliceTick(HWND, UINT, UINT_PTR, DWORD)
{
    DWORD nStart = GetTickCount();
    while (taking.bActive && GetTickCount() - nStart < RECOVERY_SLICE_BUDGET_MS)
        TakeSlice();
}

/* StartTake: the first slice at once, the others on a short timer. */
void StartTake(int pane)
{
    taking.bActive = true;
    taking.pane = pane;
    taking.nChangesAtStart = nChanges[pane];
    BeginPaneTake(taking.take, PaneOf(pane));
    TakeSlice();
    if (taking.bActive)
        SetTimer(frame.hMainWnd, RECOVERY_SLICE_TIMER, RECOVERY_SLICE_MS, SliceTick);
}

/* TickPane: starts taking a changed text on show when its copy is due (TRUE),
   drops the copy of a saved one. */
BOOL TickPane(int pane)
{
    OnShowCopy &s = onShow[pane];
    if (!SendMessageA(PaneOf(pane), EM_GETMODIFY, 0, 0)) {
        Forget(s.szCopy);
        s.nCopiedAt = nChanges[pane];
        return FALSE;
    }
    bool bChanged = nChanges[pane] != s.nCopiedAt;
    if (!s.szCopy.empty() && (!bChanged || GetTickCount() - s.nTaken < RECOVERY_INTERVAL_MS))
        return FALSE;
    // One text at a time: a slow disk never piles up copies of a large text.
    if (!RecoveryWriterIdle())
        return FALSE;
    StartTake(pane);
    return TRUE;
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
    if (!CanTake()) {
        DropTake();
        return;
    }
    if (!taking.bActive && !TickPane(RECOVERY_PANE_MAIN))
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
    KillTimer(frame.hMainWnd, RECOVERY_TIMER);
    DropTake();
    CancelRecoveryOffer(frame.hMainWnd);
    RemovePropA(frame.hMainWnd, RECOVERY_TAKE_MS_PROP);
    StopRecoveryWriter(10000);
    RemoveOwnRecoveryCopies();
    CloseRecoverySession();
}

void NoteRecoveryPaneChange(HWND pane)
{
    if (pane && pane == frame.hEdit)
        ++nChanges[RECOVERY_PANE_MAIN];
    else if (pane && pane == frame.hSubEdit1)
        ++nChanges[RECOVERY_PANE_RC];
}

void RecoveryParked(const FileEntry &e, std::string &mainText, std::string &rcText)
{
    if (!RecoverySessionOpen())
        return;
    DropTake();
    ParkedCopy(e.id, RECOVERY_PANE_MAIN, e.nMainModified != 0, e.szFull, "", mainText);
    ParkedCopy(e.id, RECOVERY_PANE_RC, e.bRcTmp && e.nRcModified, e.szRcFull, e.szFull, rcText);
    // The texts on show are parked now: their copies are the parked ones.
    for (int pane = RECOVERY_PANE_MAIN; pane <= RECOVERY_PANE_RC; ++pane) {
        OnShowCopy &s = onShow[pane];
        if (!parkedCopies.count(s.szCopy))
            Forget(s.szCopy);
        s = OnShowCopy();
        s.nCopiedAt = nChanges[pane];
    }
}

void RecoveryBroughtUp(const FileEntry &e)
{
    DropTake();
    for (int pane = RECOVERY_PANE_MAIN; pane <= RECOVERY_PANE_RC; ++pane) {
        std::string szName = OwnRecoveryCopyPath(e.id, (RecoveryPane)pane);
        OnShowCopy &s = onShow[pane];
        s.szCopy = parkedCopies.count(szName) ? szName : std::string();
        s.nCopiedAt = nChanges[pane];
        s.nTaken = GetTickCount();
    }
}

void RecoveryCopyOnShowNow()
{
    if (!RecoverySessionOpen())
        return;
    DropTake();
    for (int pane = RECOVERY_PANE_MAIN; pane <= RECOVERY_PANE_RC; ++pane)
        if (SendMessageA(PaneOf(pane), EM_GETMODIFY, 0, 0)) {
            std::string text = GetPaneText(PaneOf(pane));
            QueueOnShowCopy(pane, text, nChanges[pane]);
        }
}
