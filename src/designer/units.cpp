// Dialog base units from a font's text extent.
#include "designer/units.h"

/* a * b / c rounded half away from zero, in 64 bits. */
int32_t MulDivRound(int32_t a, int32_t b, int32_t c)
{
    if (c == 0)
        return 0;
    int64_t p = (int64_t)a * b;
    int64_t half = (c < 0 ? -c : c) / 2;
    int64_t q = ((p < 0) != (c < 0)) ? (p - half) / c : (p + half) / c;
    if (q > INT32_MAX) return INT32_MAX;
    if (q < INT32_MIN) return INT32_MIN;
    return (int32_t)q;
}

/* gridpixelX = pt * dpi * a / (72 * h), gridpixelY = pt * dpi / 72, a the mean letter width. */
bool GridFromTextExtent(int pointSize, int logPixelsY, int w, int h, int &gridpixelX, int &gridpixelY)
{
    if (h <= 0 || pointSize <= 0 || logPixelsY <= 0 || w <= 0)
        return false;
    int a = (w / 26 + 1) / 2;
    gridpixelX = MulDivRound(pointSize, logPixelsY * a, 72 * h);
    gridpixelY = MulDivRound(pointSize, logPixelsY, 72);
    return gridpixelX > 0 && gridpixelY > 0;
}
