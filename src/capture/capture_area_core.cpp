#include "capture/capture_area_core.h"

#include "capture/bmp_writer_core.h"

#include <cstdlib>

bool PlanCaptureArea(int xStart, int yStart, int xEnd, int yEnd, CaptureArea *area)
{
    area->cxSrc = xEnd - xStart;
    area->cySrc = yEnd - yStart;
    // A negative extent copies leftwards (upwards) from the pixel at the
    // origin inclusive; starting one pixel in gives the very rectangle
    // that a drag the other way copies, mirrored.
    area->xSrc = area->cxSrc < 0 ? xStart - 1 : xStart;
    area->ySrc = area->cySrc < 0 ? yStart - 1 : yStart;
    area->nWidth = std::abs(area->cxSrc);
    area->nHeight = std::abs(area->cySrc);
    return area->nWidth > 0 && area->nHeight > 0;
}

void ChooseBitmapTargetSize(bool bFixedSize, int nFixedWidth, int nFixedHeight,
                            int nOwnWidth, int nOwnHeight, int *pnWidth, int *pnHeight)
{
    bool bFixedUsable = nFixedWidth >= 1 && nFixedWidth <= BMP_MAX_SIDE &&
                        nFixedHeight >= 1 && nFixedHeight <= BMP_MAX_SIDE;
    if (bFixedSize && bFixedUsable) {
        *pnWidth = nFixedWidth;
        *pnHeight = nFixedHeight;
    } else {
        *pnWidth = nOwnWidth;
        *pnHeight = nOwnHeight;
    }
}
