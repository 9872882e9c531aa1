#include "text/quoted_literal.h"

#include "common/cp932.h"

size_t FindLiteralEnd(const char *t, size_t len, size_t i, bool &bClosed)
{
    char q = t[i];
    size_t p = i + 1;
    while (p < len && t[p] != q && t[p] != '\n') {
        if (t[p] == '\\' && p + 1 < len && t[p + 1] != '\n')
            ++p;
        p += cp932::CharLength(t + p, t + len);
    }
    bClosed = p < len && t[p] == q;
    return p;
}
