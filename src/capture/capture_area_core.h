// Geometry of one capture: the dragged rectangle and the saved size.
#pragma once

// The bitmap made from a drag and the screen area copied into it. The
// source extent is signed (end - start), so a rectangle dragged leftwards
// or upwards comes out mirrored; it holds the same pixels as the drag the
// other way: columns min(x) to max(x) - 1, rows min(y) to max(y) - 1 (a
// negative extent counts from the origin pixel inclusive, as GDI's
// StretchBlt does, so the origin then is the start point less one).
struct CaptureArea {
    int nWidth, nHeight;  // |end - start|
    int xSrc, ySrc;       // the start point
    int cxSrc, cySrc;     // end - start
};

// Plans the copy of a drag from (xStart, yStart) to (xEnd, yEnd). Returns
// false when the rectangle has no area (a click without a drag), so that
// no empty bitmap is made.
bool PlanCaptureArea(int xStart, int yStart, int xEnd, int yEnd, CaptureArea *area);

// Size of the saved file: the fixed output size when that setting is on
// and its sides are within 1 to 32767, else the bitmap's own size.
void ChooseBitmapTargetSize(bool bFixedSize, int nFixedWidth, int nFixedHeight,
                            int nOwnWidth, int nOwnHeight, int *pnWidth, int *pnHeight);
