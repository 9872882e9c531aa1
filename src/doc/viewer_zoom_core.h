// The binary viewer's zoom: the dump's character height in twips, moved by
// the zoom bar.
#pragma once

enum {
    ZOOM_MIN = 128,
    ZOOM_MAX = 511,
    ZOOM_PAGE = 15,
    ZOOM_START = 208,
};

// Requests of the zoom bar (the Win32 layer maps SB_ codes onto them).
enum ZoomRequest {
    ZOOM_LINE_LEFT,
    ZOOM_LINE_RIGHT,
    ZOOM_PAGE_LEFT,
    ZOOM_PAGE_RIGHT,
    ZOOM_THUMB_RELEASED,
    ZOOM_OTHER,
};

// The zoom size after a request: lines move by 1, pages by ZOOM_PAGE, a
// released thumb sets nThumbPos; the result stays within the bar's range.
int NextZoomSize(int nZoom, ZoomRequest request, int nThumbPos);
