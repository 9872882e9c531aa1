#include "text/win/colour_pass.h"

#include "app/frame/busy_guard.h"
#include "app/frame/globals.h"
#include "app/frame/pane_text.h"
#include "common/test_hooks.h"
#include "resource_ids.h"
#include "text/colour_scan.h"
#include "text/paint_plan.h"
#include "text/win/colour_reload.h"
#include "text/win/pane_select.h"

#include <commctrl.h>
#include <richedit.h>
#include <string>
#include <vector>

namespace {

enum {
    IDC_COLOUR_PROGRESS = 5021,
    STEP_MS = 40,               // painting time between two looks at the message queue
    // A pass of at most this many strokes over at most this many bytes
    // paints range by range: quicker there than a reload, and the undo
    // history before the pass stays.
    RANGE_WAY_STROKES = 64,
    RANGE_WAY_BYTES = 16 * 1024,
};

// What a pass needs from start to end.
struct ColourPass {
    HWND pane = NULL;
    std::string text;           // the pane's whole text
    size_t nFrom = 0, nTo = 0;  // the processed bytes (a selection, or all)
    ColourScan scan;
    CHARFORMATA base = {};
    BOOL bWasModified = FALSE;
    CHARRANGE sel = {0, 0};
    LONG nFirstLine = 0;
    LRESULT eventMask = 0;
    HWND progress = NULL;
    size_t nPairs = 0;
    int nSlices = 0;
};

/* UpperBarHeight: the user-button bar's height when it is docked and shown. */
int UpperBarHeight()
{
    if (!frame.hRebarBase || !IsWindowVisible(frame.hRebarBase) ||
        (GetWindowLongPtrA(frame.hRebarBase, GWL_STYLE) & WS_CAPTION))
        return 0;
    RECT rc;
    GetWindowRect(frame.hRebarBase, &rc);
    return rc.bottom - rc.top;
}

void EnableTopMenu(BOOL enable)
{
    HMENU menu = GetMenu(frame.hMainWnd);
    int n = menu ? GetMenuItemCount(menu) : 0;
    for (int i = 0; i < n; ++i)
        EnableMenuItem(menu, i, MF_BYPOSITION | (enable ? MF_ENABLED : MF_GRAYED));
    DrawMenuBar(frame.hMainWnd);
}

/* EnableControls: the find box, the pane toggle and the two bars on or off. */
void EnableControls(BOOL enable)
{
    if (frame.hEditEntry)
        EnableWindow(frame.hEditEntry, enable);
    if (HWND toggle = GetDlgItem(frame.hMainWnd, IDM_PANESWITCH))
        EnableWindow(toggle, enable);
    // The bars are only disabled: hiding and showing their windows costs
    // seconds under Wine, and a disabled bar takes no click either.
    if (frame.hRebar)
        EnableWindow(frame.hRebar, enable);
    if (frame.hFileRebar)
        EnableWindow(frame.hFileRebar, enable);
    EnableTopMenu(enable);
}

/* LockUserInterface: progress bar up, pane hidden without notices, menu and bars off. */
void LockUserInterface(ColourPass &p)
{
    size_t len = p.nTo - p.nFrom;
    p.progress = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, 20, 40 + UpperBarHeight(), 160, 10,
                                 frame.hMainWnd, (HMENU)(INT_PTR)IDC_COLOUR_PROGRESS, frame.hInst, NULL);
    if (p.progress) {
        SendMessageA(p.progress, PBM_SETRANGE32, 0, (LPARAM)(len / 16));
        SendMessageA(p.progress, PBM_SETSTEP, 1, 0);
        SetWindowPos(p.progress, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    ShowWindow(p.pane, SW_HIDE);
    SendMessageA(p.pane, EM_HIDESELECTION, TRUE, 0);
    p.eventMask = SendMessageA(p.pane, EM_SETEVENTMASK, 0, 0); // no notice per selection
    EnableControls(FALSE);
}

void UnlockUserInterface(ColourPass &p)
{
    if (p.progress)
        DestroyWindow(p.progress);
    p.progress = NULL;
    EnableControls(TRUE);
}

void ShowProgress(ColourPass &p, size_t done)
{
    if (p.progress)
        SendMessageA(p.progress, PBM_SETPOS, (WPARAM)(done / 16), 0);
}

/* PaintRanges: one select + format pair per stroke, the message loop between stretches. */
void PaintRanges(ColourPass &p)
{
    std::vector<ColourRun> strokes = PlanStrokes(p.scan.runs);
    PanePositions map(p.text.c_str(), p.text.size(), PaneCountsBytes(p.pane, p.text));
    SendMessageA(p.pane, WM_SETREDRAW, FALSE, 0);
    // Without undo records a pair costs a fifth; what was undoable before stays so.
    SendMessageA(p.pane, EM_SETUNDOLIMIT, 0, 0);
    DWORD started = GetTickCount();
    for (const ColourRun &s : strokes) {
        PaintPaneRun(p.pane, map, p.base, s);
        ++p.nPairs;
        if (GetTickCount() - started >= STEP_MS) {
            ShowProgress(p, s.nStart - p.nFrom);
            PumpWhileBusy();
            started = GetTickCount();
        }
    }
    SendMessageA(p.pane, EM_SETUNDOLIMIT, PANE_UNDO_LIMIT, 0);
    SendMessageA(p.pane, WM_SETREDRAW, TRUE, 0);
}

/* Reload: the whole text coloured into a fresh pane; FALSE leaves the pane as it was. */
BOOL Reload(ColourPass &p)
{
    if (!PaneFormatIsUniform(p.pane))
        return FALSE; // a reload would lose the fonts of parts of the text
    PumpWhileBusy();
    HWND pane = ColourPaneByReload(
        p.pane, p.text, p.scan.runs, p.base, [&](size_t done) { ShowProgress(p, done); }, &p.nSlices);
    if (!pane)
        return FALSE;
    p.pane = pane;
    PumpWhileBusy();
    return TRUE;
}

/* RestorePane: caret, typing colour, view, notices and flag as before the pass. */
void RestorePane(ColourPass &p)
{
    // Typing after the pass goes on in the pane's own colour.
    CHARRANGE caret = {p.sel.cpMin, p.sel.cpMin};
    SendMessageA(p.pane, EM_EXSETSEL, 0, (LPARAM)&caret);
    CHARFORMATA cf;
    ColourFormat(&cf, p.base, p.base.crTextColor);
    cf.dwEffects = p.base.dwEffects;
    SendMessageA(p.pane, EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
    LONG first = (LONG)SendMessageA(p.pane, EM_GETFIRSTVISIBLELINE, 0, 0);
    if (first != p.nFirstLine)
        SendMessageA(p.pane, EM_LINESCROLL, 0, p.nFirstLine - first);
    SendMessageA(p.pane, EM_SETEVENTMASK, 0, p.eventMask);
    SendMessageA(p.pane, EM_HIDESELECTION, FALSE, 0);
    if (!p.bWasModified)
        SendMessageA(p.pane, EM_SETMODIFY, FALSE, 0);
    ShowWindow(p.pane, SW_SHOW);
    InvalidateRect(p.pane, NULL, TRUE);
}

/* ReportBalance: the brace balance in part 0, the parentheses in part 1. */
void ReportBalance(const ColourPass &p)
{
    ShowStatusMessage(BraceBalanceText(p.scan.nBraceBalance).c_str(), 10000);
    if (frame.hStatus)
        SendMessageA(frame.hStatus, SB_SETTEXTA, 1, (LPARAM)ParenBalanceText(p.scan.nParenDepth).c_str());
}

/* PrepareScan: the pane's text, selection and look, and the scan of the processed part. */
BOOL PrepareScan(ColourPass &p, HWND pane)
{
    p.pane = pane;
    p.text = GetPaneText(pane);
    if (p.text.empty())
        return FALSE;
    p.bWasModified = (BOOL)SendMessageA(pane, EM_GETMODIFY, 0, 0);
    GetPaneBaseFormat(pane, &p.base);
    SendMessageA(pane, EM_EXGETSEL, 0, (LPARAM)&p.sel);
    p.nFirstLine = (LONG)SendMessageA(pane, EM_GETFIRSTVISIBLELINE, 0, 0);
    p.nFrom = 0;
    p.nTo = p.text.size();
    if (p.sel.cpMax > p.sel.cpMin) { // only the selected text
        PanePositions map(p.text.c_str(), p.text.size(), PaneCountsBytes(pane, p.text));
        p.nFrom = map.ToByte(p.sel.cpMin);
        p.nTo = map.ToByte(p.sel.cpMax);
    }
    ScanColours(p.text.c_str() + p.nFrom, p.nTo - p.nFrom, p.nFrom, p.scan);
    LeaveCrowdedLinesPlain(p.text.c_str(), p.text.size(), kMaxRunsPerLine, p.scan.runs);
    return TRUE;
}

} // namespace

void StartColourPass(HWND pane)
{
    if (!pane || RefuseWhileBusy())
        return;
    BusyGuard busy;
    ColourPass p;
    try {
        if (!PrepareScan(p, pane))
            return;
    } catch (const std::bad_alloc &) {
        MessageBoxA(frame.hMainWnd, "Memory Allocation Failed", "ColorStream", MB_OK);
        return;
    }
    PumpWhileBusy();
    LockUserInterface(p);
    BOOL whole = p.nFrom == 0 && p.nTo == p.text.size();
    BOOL small = p.scan.runs.size() <= RANGE_WAY_STROKES && p.text.size() <= RANGE_WAY_BYTES;
    // Nothing to colour in a text that has no colours yet (a very long line
    // left plain, say): reloading it would only make Wine lay it out again.
    BOOL nothingToChange = whole && p.scan.runs.empty() && PaneIsPlain(p.pane, p.base);
    if (!nothingToChange && (!whole || small || !Reload(p)))
        PaintRanges(p);
    SecureZeroMemory(&p.text[0], p.text.size());
    RestorePane(p);
    SetPropA(frame.hMainWnd, COLOUR_PAIRS_PROP, (HANDLE)(INT_PTR)p.nPairs);
    SetPropA(frame.hMainWnd, COLOUR_SLICES_PROP, (HANDLE)(INT_PTR)p.nSlices);
    ReportBalance(p);
    UnlockUserInterface(p);
}
