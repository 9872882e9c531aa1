#include "text/win/pane_select.h"

#include "app/frame/panes.h"

#include <richedit.h>

/* PaneCountsBytes: compares the control's character count with the bytes. */
bool PaneCountsBytes(HWND pane, const std::string &text)
{
    GETTEXTLENGTHEX gtl = {GTL_NUMCHARS | GTL_PRECISE, CP_ACP};
    LRESULT n = SendMessageA(pane, EM_GETTEXTLENGTHEX, (WPARAM)&gtl, 0);
    if (n <= 0)
        n = SendMessageA(pane, WM_GETTEXTLENGTH, 0, 0);
    return n >= 0 && (size_t)n == text.size();
}

void SelectPaneBytes(HWND pane, PanePositions &map, size_t from, size_t to)
{
    CHARRANGE cr;
    cr.cpMin = map.ToPane(from);
    cr.cpMax = map.ToPane(to);
    SendMessageA(pane, EM_EXSETSEL, 0, (LPARAM)&cr);
}

void GetPaneByteSelection(HWND pane, PanePositions &map, size_t *from, size_t *to)
{
    CHARRANGE cr = {0, 0};
    SendMessageA(pane, EM_EXGETSEL, 0, (LPARAM)&cr);
    *from = map.ToByte(cr.cpMin);
    *to = map.ToByte(cr.cpMax);
}

/* ShowPaneHit: scroll left, select, then put the hit's line 10 lines down. */
void ShowPaneHit(HWND pane, PanePositions &map, size_t at, size_t len)
{
    SendMessageA(pane, WM_HSCROLL, SB_PAGELEFT, 0);
    SelectPaneBytes(pane, map, at, at + len);
    LRESULT line = SendMessageA(pane, EM_EXLINEFROMCHAR, 0, map.ToPane(at));
    LRESULT first = SendMessageA(pane, EM_GETFIRSTVISIBLELINE, 0, 0);
    LRESULT top = line > 10 ? line - 10 : 0;
    SendMessageA(pane, EM_LINESCROLL, 0, (LPARAM)(top - first));
}

void GetPaneBaseFormat(HWND pane, CHARFORMATA *base)
{
    ZeroMemory(base, sizeof *base);
    base->cbSize = sizeof *base;
    SendMessageA(pane, EM_GETCHARFORMAT, SCF_DEFAULT, (LPARAM)base);
}

void ColourFormat(CHARFORMATA *cf, const CHARFORMATA &base, COLORREF colour)
{
    *cf = base;
    cf->cbSize = sizeof *cf;
    cf->dwMask = FontMask;
    cf->dwEffects = base.dwEffects & ~CFE_AUTOCOLOR;
    cf->crTextColor = colour;
}

void PaintPaneRun(HWND pane, PanePositions &map, const CHARFORMATA &base, const ColourRun &run)
{
    SelectPaneBytes(pane, map, run.nStart, run.nEnd);
    CHARFORMATA cf;
    ColourFormat(&cf, base, (COLORREF)run.rgb);
    SendMessageA(pane, EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
}
