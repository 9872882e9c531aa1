#include "app/pane_stream_core.h"

#include "common/cp932.h"

#include <cstring>

size_t NextStreamChunk(const char *text, size_t left, size_t room)
{
    if (left <= room)
        return left;
    size_t n = cp932::CutOnCharBoundary(text, left, room);
    if (n >= 2 && text[n - 1] == '\r' && text[n] == '\n')
        --n;
    return n ? n : room;
}

/* NextLineSlice: the last line end within target bytes, else the first one after. */
size_t NextLineSlice(const char *text, size_t len, size_t target)
{
    if (len <= target)
        return len;
    // A slice may end after an LF, or after a CR that no LF follows.
    auto endsLine = [&](size_t n) {
        return text[n - 1] == '\n' || (text[n - 1] == '\r' && (n == len || text[n] != '\n'));
    };
    for (size_t n = target; n > 0; --n)
        if (endsLine(n))
            return n;
    for (size_t n = target + 1; n < len; ++n)
        if (endsLine(n))
            return n;
    return len;
}
