#include "app/frame/rubber_band.h"

/* DrawRubberBand: a dash-dot outline in R2_NOT, every object put back. */
void DrawRubberBand(HWND hwnd, POINT a, POINT b)
{
    HDC dc = GetDC(hwnd);
    if (!dc)
        return;
    HPEN pen = CreatePen(PS_DASHDOTDOT, 2, RGB(0, 0, 0));
    int oldRop = SetROP2(dc, R2_NOT);
    HGDIOBJ oldPen = pen ? SelectObject(dc, pen) : NULL;
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, a.x, a.y, b.x, b.y);
    SelectObject(dc, oldBrush);
    if (oldPen)
        SelectObject(dc, oldPen);
    SetROP2(dc, oldRop);
    if (pen)
        DeleteObject(pen);
    ReleaseDC(hwnd, dc);
}
