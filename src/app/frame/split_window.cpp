#include "app/frame/split_window.h"

#include "app/frame/globals.h"

#include <cstdlib>

const char SPLIT_WINDOW_CLASS[] = "SplitWindow";

struct SplitInfo {
    SplitInfo *next;
    HWND hwnd;
    int nPos, nThick;
    HWND hFirst, hSecond;
    BOOL bRepaintFirst, bRepaintSecond;
    BOOL bDragging;
    HCURSOR hCursor;
    HINSTANCE hInst;
    RECT rcBar, rcClient;
    int nSecondSize;
    UINT nEdge;
    short xyStart, xyCur, xyDrawn;
    int nMin;
    DWORD dwStyle;
    UINT nEdgeFlags;
};

static SplitInfo *splitList;
static HCURSOR hCursorWE, hCursorNS;
// TRUE while the window's first paint runs: it paints the panes too.
static BOOL bFirstPaint;

/*
 * FindSplitInfo: the record of a split window, made zeroed on its first
 * message.
 */
static SplitInfo *FindSplitInfo(HWND hwnd)
{
    for (SplitInfo *p = splitList; p; p = p->next)
        if (p->hwnd == hwnd)
            return p;
    SplitInfo *p = (SplitInfo *)std::calloc(1, sizeof(SplitInfo));
    if (!p)
        return NULL;
    p->hwnd = hwnd;
    p->next = splitList;
    splitList = p;
    return p;
}

/* RemoveSplitInfo: unlinks and frees the record of a destroyed window. */
static void RemoveSplitInfo(HWND hwnd)
{
    SplitInfo *prev = NULL;
    for (SplitInfo *p = splitList; p; prev = p, p = p->next) {
        if (p->hwnd != hwnd)
            continue;
        if (prev)
            prev->next = p->next;
        else
            splitList = p->next;
        std::free(p);
        return;
    }
    SORA_ASSERT(prev);
}

static BOOL IsHorz(const SplitInfo *p) { return (p->dwStyle & SWS_HORZ) != 0; }

/* FarExtent: the client bottom for a horizontal bar, the right for a vertical one. */
static int FarExtent(const SplitInfo *p)
{
    RECT rc;
    GetClientRect(p->hwnd, &rc);
    return IsHorz(p) ? rc.bottom : rc.right;
}

/*
 * PlacePane: moves a pane over a rectangle of the split window's client
 * area; pop-up panes are placed in screen coordinates.
 */
static void PlacePane(HWND split, HWND pane, RECT rc, BOOL repaint)
{
    if (!pane)
        return;
    if (GetWindowLongA(pane, GWL_STYLE) & WS_POPUP)
        MapWindowPoints(split, NULL, (POINT *)&rc, 2);
    else
        MapWindowPoints(split, GetParent(pane), (POINT *)&rc, 2);
    MoveWindow(pane, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, repaint);
}

/* PanesForPos: the rectangles of both panes for the bar at nPos. */
static void PanesForPos(const SplitInfo *p, RECT *first, RECT *second)
{
    RECT rc;
    GetClientRect(p->hwnd, &rc);
    *first = *second = rc;
    if (IsHorz(p)) {
        first->bottom = p->nPos;
        second->top = p->nPos + p->nThick;
    } else {
        first->right = p->nPos;
        second->left = p->nPos + p->nThick;
    }
}

static void SetBarRect(SplitInfo *p)
{
    RECT rc;
    GetClientRect(p->hwnd, &rc);
    if (IsHorz(p))
        SetRect(&p->rcBar, rc.left, p->nPos, rc.right, p->nPos + p->nThick);
    else
        SetRect(&p->rcBar, p->nPos, rc.top, p->nPos + p->nThick, rc.bottom);
}

/* DrawBar: the bar with its edges and filled middle. */
static void DrawBar(SplitInfo *p, HDC dc, UINT edge, UINT flags)
{
    RECT rc = p->rcBar;
    DrawEdge(dc, &rc, edge, flags | BF_MIDDLE);
}

/* SetPos: moves the bar to position pos and both panes with it. */
static void SetPos(SplitInfo *p, int pos)
{
    if (IsWindowVisible(p->hwnd)) {
        HDC dc = GetDC(p->hwnd);
        DrawBar(p, dc, p->nEdge, BF_RECT | BF_FLAT);
        ReleaseDC(p->hwnd, dc);
    }
    p->nPos = pos;
    SetBarRect(p);
    RECT first, second;
    PanesForPos(p, &first, &second);
    if (IsHorz(p)) {
        PlacePane(p->hwnd, p->hFirst, first, TRUE);
        PlacePane(p->hwnd, p->hSecond, second, TRUE);
    } else {
        PlacePane(p->hwnd, p->hFirst, first, p->bRepaintFirst);
        PlacePane(p->hwnd, p->hSecond, second, p->bRepaintSecond);
    }
    InvalidateRect(p->hwnd, NULL, FALSE);
}

/* Relayout: sends the split window a size change for its current client size. */
static void Relayout(HWND hwnd)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(rc.right, rc.bottom));
}

static void OnCreate(SplitInfo *p, HWND hwnd)
{
    p->dwStyle = GetWindowLongA(hwnd, GWL_STYLE);
    p->hCursor = LoadCursor(NULL, IDC_ARROW);
    p->nEdge = (p->dwStyle & SWS_FIXED) ? EDGE_ETCHED : EDGE_RAISED;
    p->nMin = 50;
    p->nPos = 50;
    p->nThick = 5;
    p->nSecondSize = 0;
    if (p->dwStyle & SWS_BOTTOM)
        SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    GetClientRect(hwnd, &p->rcClient);
    if (p->dwStyle & SWS_FIRSTFULL)
        p->nPos = IsHorz(p) ? p->rcClient.bottom : p->rcClient.right;
    else if (p->dwStyle & SWS_SECONDFULL)
        p->nPos = 0;
    p->nEdgeFlags = IsHorz(p) ? (BF_TOP | BF_BOTTOM) : (BF_LEFT | BF_RIGHT);
    SetBarRect(p);
}

static void OnSize(SplitInfo *p)
{
    GetClientRect(p->hwnd, &p->rcClient);
    SetBarRect(p);
    int extent = FarExtent(p);
    if (p->dwStyle & SWS_FIRSTFULL) {
        SetPos(p, extent);
    } else if (p->dwStyle & SWS_SECONDFULL) {
        SetPos(p, 0);
    } else if (p->dwStyle & SWS_KEEPSECOND) {
        if (p->nSecondSize < 1)
            p->nSecondSize = 24;
        int pos = extent - p->nSecondSize;
        SetPos(p, pos > 0 ? pos : 0);
    } else {
        RECT first, second;
        PanesForPos(p, &first, &second);
        PlacePane(p->hwnd, p->hFirst, first, p->bRepaintFirst);
        if (p->nPos + p->nThick < extent)
            PlacePane(p->hwnd, p->hSecond, second, p->bRepaintSecond);
    }
}

static void OnMove(SplitInfo *p)
{
    RECT first, second, rc;
    PanesForPos(p, &first, &second);
    PlacePane(p->hwnd, p->hFirst, first, TRUE);
    PlacePane(p->hwnd, p->hSecond, second, TRUE);
    GetClientRect(p->hwnd, &rc);
    if (p->hSecond)
        SendMessageA(p->hSecond, WM_MOVE, rc.left, rc.top);
    if (p->hFirst)
        SendMessageA(p->hFirst, WM_MOVE, rc.left, rc.top);
}

/* DrawDragLine: inverts the drag line at q, so that drawing it twice erases it. */
static void DrawDragLine(SplitInfo *p, int q)
{
    HDC dc = GetDC(p->hwnd);
    RECT rc;
    GetClientRect(p->hwnd, &rc);
    int oldRop = SetROP2(dc, R2_NOT);
    if (IsHorz(p)) {
        HPEN pen = CreatePen(PS_SOLID, 8, RGB(0, 0, 0));
        HGDIOBJ old = SelectObject(dc, pen);
        MoveToEx(dc, 0, q, NULL);
        LineTo(dc, rc.right, q);
        SelectObject(dc, old);
        DeleteObject(pen);
    } else {
        HPEN pen = CreatePen(PS_DOT, 1, RGB(0, 0, 0));
        HGDIOBJ old = SelectObject(dc, pen);
        for (int x = q; x <= q + 5; ++x) {
            MoveToEx(dc, x, 0, NULL);
            LineTo(dc, x, rc.bottom);
        }
        SelectObject(dc, old);
        DeleteObject(pen);
    }
    SetROP2(dc, oldRop);
    ReleaseDC(p->hwnd, dc);
}

static int AlongSplit(const SplitInfo *p, LPARAM lParam)
{
    return IsHorz(p) ? (short)HIWORD(lParam) : (short)LOWORD(lParam);
}

static BOOL InHotZone(const SplitInfo *p, int q)
{
    return q > p->nPos && q < p->nPos + 2 * p->nThick;
}

static HCURSOR DragCursor(const SplitInfo *p) { return IsHorz(p) ? hCursorNS : hCursorWE; }

static void OnMouseMove(SplitInfo *p, LPARAM lParam)
{
    if (p->dwStyle & SWS_FIXED)
        return;
    int q = AlongSplit(p, lParam);
    if (!p->bDragging) {
        SetCursor(InHotZone(p, q) ? DragCursor(p) : p->hCursor);
        return;
    }
    int high = FarExtent(p) - p->nThick;
    if (q > high) q = high;
    if (q < p->nMin) q = p->nMin;
    DrawDragLine(p, p->xyDrawn);
    DrawDragLine(p, q);
    p->xyDrawn = p->xyCur = (short)q;
}

static void OnLButtonDown(SplitInfo *p, LPARAM lParam)
{
    if (p->dwStyle & SWS_FIXED)
        return;
    int q = AlongSplit(p, lParam);
    if (!InHotZone(p, q))
        return;
    p->xyStart = p->xyCur = p->xyDrawn = (short)q;
    DrawDragLine(p, q);
    SetCursor(DragCursor(p));
    SetCapture(p->hwnd);
    p->bDragging = TRUE;
}

static void OnLButtonUp(SplitInfo *p)
{
    if (!p->bDragging)
        return;
    p->nPos += p->xyCur - p->xyStart;
    SetCursor(p->hCursor);
    ReleaseCapture();
    DrawDragLine(p, p->xyDrawn);
    SetPos(p, p->nPos);
    p->bDragging = FALSE;
}

/* DropDeadPanes: forgets pane handles that are no longer windows. */
static void DropDeadPanes(SplitInfo *p)
{
    if (p->hFirst && !IsWindow(p->hFirst))
        p->hFirst = NULL;
    if (p->hSecond && !IsWindow(p->hSecond))
        p->hSecond = NULL;
}

static LRESULT CALLBACK SplitWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCDESTROY)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    SplitInfo *p = FindSplitInfo(hwnd);
    if (!p)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    if (!hCursorWE) {
        HINSTANCE inst = (HINSTANCE)GetWindowLongPtrA(hwnd, GWLP_HINSTANCE);
        p->hInst = inst;
        hCursorWE = LoadCursorA(inst, "SIZINGWECURSOR");
        hCursorNS = LoadCursorA(inst, "SIZINGNSCURSOR");
    }
    DropDeadPanes(p);
    switch (msg) {
    case WM_CREATE:
        OnCreate(p, hwnd);
        return 0;
    case SWM_SETFIRST:
    case SWM_SETSECOND:
        if (msg == SWM_SETFIRST) {
            p->hFirst = (HWND)wParam;
            p->bRepaintFirst = (BOOL)lParam;
        } else {
            p->hSecond = (HWND)wParam;
            p->bRepaintSecond = (BOOL)lParam;
        }
        InvalidateRect(hwnd, NULL, TRUE);
        Relayout(hwnd);
        return 0;
    case SWM_GETSECOND:
        return (LRESULT)p->hSecond;
    case SWM_SETPOS:
        SetPos(p, (int)wParam);
        return 0;
    case SWM_SETEDGE:
        p->nEdgeFlags = (UINT)wParam;
        p->nEdge = (UINT)lParam;
        if (IsWindowVisible(hwnd))
            InvalidateRect(hwnd, &p->rcBar, TRUE);
        return 0;
    case SWM_SETMIN:
        p->nMin = (int)wParam < 0 ? 0 : (int)wParam;
        return 0;
    case SWM_SETSECONDSIZE:
        p->nSecondSize = (int)wParam;
        SetPos(p, FarExtent(p) - p->nThick - p->nSecondSize);
        return 0;
    case WM_SIZE:
        OnSize(p);
        break;
    case WM_MOVE:
        OnMove(p);
        return 0;
    case WM_SHOWWINDOW:
        if (p->hFirst) ShowWindow(p->hFirst, wParam ? SW_SHOW : SW_HIDE);
        if (p->hSecond) ShowWindow(p->hSecond, wParam ? SW_SHOW : SW_HIDE);
        break;
    case WM_PAINT: {
        if (!GetUpdateRect(hwnd, NULL, FALSE))
            return 0;
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        DrawBar(p, dc, p->nEdge, p->nEdgeFlags);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND: {
        DrawBar(p, (HDC)wParam, p->nEdge, p->nEdgeFlags);
        // The panes may hold stale bits of a move; on the first paint they
        // are painted afresh anyway.
        if (!bFirstPaint) {
            if (p->hFirst) InvalidateRect(p->hFirst, NULL, TRUE);
            if (p->hSecond) InvalidateRect(p->hSecond, NULL, TRUE);
        }
        return 1;
    }
    case WM_STYLECHANGED:
        if (wParam == (WPARAM)GWL_STYLE) {
            const STYLESTRUCT *s = (const STYLESTRUCT *)lParam;
            DWORD added = s->styleNew & ~s->styleOld;
            p->dwStyle = s->styleNew;
            if (added & (SWS_FIRSTFULL | SWS_SECONDFULL))
                Relayout(hwnd);
        }
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(p, lParam);
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(p, lParam);
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(p);
        return 0;
    case WM_ENTERSIZEMOVE:
    case WM_EXITSIZEMOVE:
        return 0;
    case WM_DESTROY:
        RemoveSplitInfo(hwnd);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

/* PaintFirstTime: UpdateWindow with the split windows leaving their panes valid. */
void PaintFirstTime(HWND hwnd)
{
    bFirstPaint = TRUE;
    UpdateWindow(hwnd);
    bFirstPaint = FALSE;
}

BOOL RegisterSplitWindowClass(HINSTANCE instance)
{
    WNDCLASSA wc = {};
    if (GetClassInfoA(instance, SPLIT_WINDOW_CLASS, &wc))
        return TRUE;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = SplitWndProc;
    wc.hInstance = instance;
    wc.hbrBackground = (HBRUSH)GetStockObject(NULL_BRUSH);
    wc.lpszClassName = SPLIT_WINDOW_CLASS;
    return RegisterClassA(&wc) != 0;
}
