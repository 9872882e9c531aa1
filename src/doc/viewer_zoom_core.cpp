#include "doc/viewer_zoom_core.h"

int NextZoomSize(int nZoom, ZoomRequest request, int nThumbPos)
{
    switch (request) {
    case ZOOM_LINE_LEFT: nZoom -= 1; break;
    case ZOOM_LINE_RIGHT: nZoom += 1; break;
    case ZOOM_PAGE_LEFT: nZoom -= ZOOM_PAGE; break;
    case ZOOM_PAGE_RIGHT: nZoom += ZOOM_PAGE; break;
    case ZOOM_THUMB_RELEASED: nZoom = nThumbPos; break;
    case ZOOM_OTHER: break;
    }
    if (nZoom < ZOOM_MIN)
        return ZOOM_MIN;
    if (nZoom > ZOOM_MAX)
        return ZOOM_MAX;
    return nZoom;
}
