#include "capture/win/bitmap_blit.h"

/* BlitBitmap: source onto target, each selected into a DC of its own. */
BOOL BlitBitmap(HDC hdc, HBITMAP hFrom, int nFromWidth, int nFromHeight, HBITMAP hTo, int nToWidth, int nToHeight)
{
    HDC src = CreateCompatibleDC(hdc), dst = CreateCompatibleDC(hdc);
    BOOL ok = hFrom && hTo && src && dst;
    if (ok) {
        HGDIOBJ oldSrc = SelectObject(src, hFrom), oldDst = SelectObject(dst, hTo);
        ok = oldSrc && oldDst;
        if (ok && (nFromWidth != nToWidth || nFromHeight != nToHeight)) {
            SetStretchBltMode(dst, COLORONCOLOR);
            ok = StretchBlt(dst, 0, 0, nToWidth, nToHeight, src, 0, 0, nFromWidth, nFromHeight, SRCCOPY);
        } else if (ok) {
            ok = BitBlt(dst, 0, 0, nToWidth, nToHeight, src, 0, 0, SRCCOPY);
        }
        if (oldSrc)
            SelectObject(src, oldSrc);
        if (oldDst)
            SelectObject(dst, oldDst);
    }
    if (src)
        DeleteDC(src);
    if (dst)
        DeleteDC(dst);
    return ok;
}
