#include "common/cp932.h"

namespace cp932 {

#define A10 1, 1, 1, 1, 1, 1, 1, 1, 1, 1
#define Z16 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0
#define L16 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1
const unsigned char kAlnumTable[256] = {
    Z16, Z16, Z16,                                  // 0x00-0x2F
    A10, 0, 0, 0, 0, 0, 0,                          // 0x30-0x3F digits
    0, L16 /* 0x41-0x50 */, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, // 0x40-0x5F
    0, L16 /* 0x61-0x70 */, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, // 0x60-0x7F
    Z16, Z16,                                       // 0x80-0x9F
    0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, // 0xA0-0xAF
    L16, L16, L16,                                  // 0xB0-0xDF katakana
    Z16, Z16,                                       // 0xE0-0xFF
};
#undef A10
#undef Z16
#undef L16

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
