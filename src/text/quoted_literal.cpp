#include "text/quoted_literal.h"

#include "common/cp932.h"

#include <cstring>

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

size_t SkipRawStringLiteral(const char *t, size_t len, size_t i)
{
    if (i == 0 || t[i - 1] != 'R')
        return i;
    size_t q = i - 1;
    if (q >= 2 && t[q - 2] == 'u' && t[q - 1] == '8')
        q -= 2;
    else if (q >= 1 && (t[q - 1] == 'u' || t[q - 1] == 'U' || t[q - 1] == 'L'))
        q -= 1;
    if (q > 0) {
        unsigned char b = static_cast<unsigned char>(t[q - 1]);
        if (b == '_' || (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') ||
            cp932::IsLeadByte(b))
            return i; // the end of a longer word, or a double-byte character's trail byte
    }
    size_t d = i + 1; // the delimiter runs to "(", at most 16 bytes
    while (d < len && d - i - 1 <= 16 && t[d] != '(' && t[d] != ')' && t[d] != '\\' && t[d] != '"' &&
           static_cast<unsigned char>(t[d]) > ' ')
        ++d;
    if (d >= len || t[d] != '(' || d - i - 1 > 16)
        return i;
    size_t nDelim = d - i - 1;
    for (size_t e = d + 1; e < len && t[e]; ++e)
        if (t[e] == ')' && e + 1 + nDelim < len && std::memcmp(t + e + 1, t + i + 1, nDelim) == 0 &&
            t[e + 1 + nDelim] == '"')
            return e + 2 + nDelim;
    return len;
}
