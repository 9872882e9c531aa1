#include "common/cp932.h"

namespace cp932 {

size_t PrevCharOffset(const char *text, size_t pos)
{
    if (pos == 0)
        return 0;
    size_t at = 0, prev = 0;
    while (at < pos) {
        prev = at;
        at += CharLength(text + at, text + pos);
    }
    return prev;
}

bool IsTrailAt(const char *text, size_t len, size_t pos)
{
    size_t at = 0;
    while (at < len && at < pos)
        at += CharLength(text + at, text + len);
    return at > pos;
}

size_t CutOnCharBoundary(const char *text, size_t len, size_t maxLen)
{
    if (len <= maxLen)
        return len;
    size_t at = 0;
    for (;;) {
        size_t next = at + CharLength(text + at, text + len);
        if (next > maxLen)
            return at;
        at = next;
    }
}

} // namespace cp932
