#include "text/win/colour_pass.h"

#include "app/win/globals.h"
#include "app/win/pane_text.h"
#include "resource_ids.h"
#include "text/colour_scan.h"
#include "text/paint_plan.h"
#include "text/win/pane_select.h"

#include <commctrl.h>
#include <richedit.h>
#include <string>
#include <vector>

namespace {

enum {
    IDC_COLOUR_PROGRESS = 5021,
    COLOUR_TIMER = 1411,
    STEP_MS = 40,          // painting time per timer tick
};

// State of the one pass that may run.
struct ColourPass {
    HWND pane = NULL;
    std::vector<ColourRun> strokes;
    std::vector<LONG> panePos;  // pane position of every byte offset of the text
    size_t nNext = 0;
    size_t nBase = 0;           // byte offset of the processed text
    CHARFORMATA base = {};
    BOOL bWasModified = FALSE;
    CHARRANGE sel = {0, 0};
    LRESULT eventMask = 0;
    int nBraceBalance = 0, nParenDepth = 0;
    HWND progress = NULL;
};

ColourPass *pass; // null while no pass runs

// Pane positions of every byte offset of text (its length included).
std::vector<LONG> PanePositionTable(HWND pane, const std::string &text)
{
    std::vector<LONG> pos(text.size() + 1);
    PanePositions map(text.c_str(), text.size(), PaneCountsBytes(pane, text));
    for (size_t i = 0; i <= text.size(); ++i)
        pos[i] = map.ToPane(i);
    return pos;
}

/* UpperBarHeight: the user-button bar's height when it is docked and shown. */
int UpperBarHeight()
{
    if (!hRebarBase || !IsWindowVisible(hRebarBase) || (GetWindowLongPtrA(hRebarBase, GWL_STYLE) & WS_CAPTION))
        return 0;
    RECT rc;
    GetWindowRect(hRebarBase, &rc);
    return rc.bottom - rc.top;
}

void EnableTopMenu(BOOL enable)
{
    HMENU menu = GetMenu(hMainWnd);
    int n = menu ? GetMenuItemCount(menu) : 0;
    for (int i = 0; i < n; ++i)
        EnableMenuItem(menu, i, MF_BYPOSITION | (enable ? MF_ENABLED : MF_GRAYED));
    DrawMenuBar(hMainWnd);
}

/* LockUserInterface: progress bar up, pane hidden, menu and bars off. */
void LockUserInterface(ColourPass &p, size_t len)
{
    p.progress = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, 20, 40 + UpperBarHeight(), 160, 10,
                                 hMainWnd, (HMENU)(INT_PTR)IDC_COLOUR_PROGRESS, hInst, NULL);
    if (p.progress) {
        SendMessageA(p.progress, PBM_SETRANGE32, 0, (LPARAM)(len / 16));
        SendMessageA(p.progress, PBM_SETSTEP, 1, 0);
        SetWindowPos(p.progress, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    ShowWindow(p.pane, SW_HIDE);
    SendMessageA(p.pane, EM_HIDESELECTION, TRUE, 0);
    if (hEditEntry)
        EnableWindow(hEditEntry, FALSE);
    if (HWND toggle = GetDlgItem(hMainWnd, IDM_PANESWITCH))
        EnableWindow(toggle, FALSE);
    if (hRebar)
        EnableWindow(hRebar, FALSE);
    // The bars are only disabled: hiding and showing their windows costs
    // seconds under Wine, and a disabled bar takes no click either.
    if (hFileRebar)
        EnableWindow(hFileRebar, FALSE);
    EnableTopMenu(FALSE);
}

/* UnlockUserInterface: everything back as it was before the pass. */
void UnlockUserInterface(ColourPass &p)
{
    if (p.progress)
        DestroyWindow(p.progress);
    p.progress = NULL;
    EnableTopMenu(TRUE);
    if (hEditEntry)
        EnableWindow(hEditEntry, TRUE);
    if (HWND toggle = GetDlgItem(hMainWnd, IDM_PANESWITCH))
        EnableWindow(toggle, TRUE);
    if (hRebar)
        EnableWindow(hRebar, TRUE);
    if (hFileRebar)
        EnableWindow(hFileRebar, TRUE);
}

/* FinishPass: the pane's own state back, the balance reported, the lock off. */
void FinishPass(BOOL bCompleted)
{
    ColourPass &p = *pass;
    KillTimer(hMainWnd, COLOUR_TIMER);
    if (IsWindow(p.pane)) {
        // Typing after the pass goes on in the pane's own colour.
        CHARRANGE caret = {p.sel.cpMin, p.sel.cpMin};
        SendMessageA(p.pane, EM_EXSETSEL, 0, (LPARAM)&caret);
        CHARFORMATA cf;
        ColourFormat(&cf, p.base, p.base.crTextColor);
        cf.dwEffects = p.base.dwEffects;
        SendMessageA(p.pane, EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
        SendMessageA(p.pane, EM_SETEVENTMASK, 0, p.eventMask);
        SendMessageA(p.pane, WM_SETREDRAW, TRUE, 0);
        SendMessageA(p.pane, EM_HIDESELECTION, FALSE, 0);
        if (!p.bWasModified)
            SendMessageA(p.pane, EM_SETMODIFY, FALSE, 0);
        ShowWindow(p.pane, SW_SHOW);
        InvalidateRect(p.pane, NULL, TRUE);
    }
    SetPropA(hMainWnd, COLOUR_PAIRS_PROP, (HANDLE)(INT_PTR)p.nNext);
    if (bCompleted) {
        ShowStatusMessage(BraceBalanceText(p.nBraceBalance).c_str(), 10000);
        if (hStatus)
            SendMessageA(hStatus, SB_SETTEXTA, 1, (LPARAM)ParenBalanceText(p.nParenDepth).c_str());
    }
    UnlockUserInterface(p);
    delete pass;
    pass = NULL;
}

/* PaintSomeStrokes: one timer tick of painting, then the progress bar. */
void CALLBACK PaintSomeStrokes(HWND, UINT, UINT_PTR, DWORD)
{
    if (!pass)
        return;
    ColourPass &p = *pass;
    if (!IsWindow(p.pane) || (p.pane != hEdit && p.pane != hSubEdit1)) {
        FinishPass(FALSE); // the pane went away under the pass
        return;
    }
    KillTimer(hMainWnd, COLOUR_TIMER); // no tick may pile up behind a slow one
    CHARFORMATA cf;
    CHARRANGE cr;
    DWORD started = GetTickCount();
    size_t stop = p.strokes.size();
    // A pair costs milliseconds in a large pane, so the clock is read after each.
    for (; p.nNext < stop && GetTickCount() - started < STEP_MS; ++p.nNext) {
        const ColourRun &s = p.strokes[p.nNext];
        cr.cpMin = p.panePos[s.nStart - p.nBase];
        cr.cpMax = p.panePos[s.nEnd - p.nBase];
        SendMessageA(p.pane, EM_EXSETSEL, 0, (LPARAM)&cr);
        ColourFormat(&cf, p.base, (COLORREF)s.rgb);
        SendMessageA(p.pane, EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
    }
    if (p.progress && p.nNext > 0)
        SendMessageA(p.progress, PBM_SETPOS, (WPARAM)((p.strokes[p.nNext - 1].nStart - p.nBase) / 16), 0);
    if (p.nNext >= stop) {
        FinishPass(TRUE);
        return;
    }
    SetTimer(hMainWnd, COLOUR_TIMER, 1, PaintSomeStrokes);
}

} // namespace

BOOL ColourPassRunning() { return pass != NULL; }

void StartColourPass(HWND pane)
{
    if (pass || !pane)
        return;
    std::string text = GetPaneText(pane);
    if (text.empty())
        return;
    ColourPass *p = new (std::nothrow) ColourPass;
    if (!p) {
        MessageBoxA(hMainWnd, "Memory Allocation Failed", "ColorStream", MB_OK);
        return;
    }
    p->pane = pane;
    p->bWasModified = (BOOL)SendMessageA(pane, EM_GETMODIFY, 0, 0);
    GetPaneBaseFormat(pane, &p->base);
    SendMessageA(pane, EM_EXGETSEL, 0, (LPARAM)&p->sel);
    std::vector<LONG> all = PanePositionTable(pane, text);
    size_t from = 0, to = text.size();
    if (p->sel.cpMax > p->sel.cpMin) { // only the selected text
        PanePositions map(text.c_str(), text.size(), PaneCountsBytes(pane, text));
        from = map.ToByte(p->sel.cpMin);
        to = map.ToByte(p->sel.cpMax);
    }
    p->nBase = from;
    p->panePos.assign(all.begin() + (long)from, all.begin() + (long)to + 1);
    ColourScan scan;
    ScanColours(text.c_str() + from, to - from, from, scan);
    SecureZeroMemory(&text[0], text.size());
    p->strokes = PlanStrokes(scan.runs);
    p->nBraceBalance = scan.nBraceBalance;
    p->nParenDepth = scan.nParenDepth;
    pass = p;
    LockUserInterface(*p, to - from);
    p->eventMask = SendMessageA(pane, EM_SETEVENTMASK, 0, 0); // no notice per selection
    SendMessageA(pane, WM_SETREDRAW, FALSE, 0);
    if (!SetTimer(hMainWnd, COLOUR_TIMER, 1, PaintSomeStrokes))
        FinishPass(FALSE);
}
