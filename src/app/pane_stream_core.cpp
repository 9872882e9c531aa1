#include "app/pane_stream_core.h"

#include "common/cp932.h"

size_t NextStreamChunk(const char *text, size_t left, size_t room)
{
    if (left <= room)
        return left;
    size_t n = cp932::CutOnCharBoundary(text, left, room);
    return n ? n : room;
}
