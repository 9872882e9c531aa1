// Scanning over a quoted string or character literal of C source.
#pragma once
#include <cstddef>

// From the opening quote at i in t[0, len): the offset of the closing quote
// (bClosed true), or of the line feed or text end that came first. A
// backslash escapes the next character but never a line feed.
size_t FindLiteralEnd(const char *t, size_t len, size_t i, bool &bClosed);

// Offset just past the literal opening at i (past its closing quote, or at
// the line feed or text end that ended it).
inline size_t SkipQuotedLiteral(const char *t, size_t len, size_t i)
{
    bool bClosed;
    size_t e = FindLiteralEnd(t, len, i, bClosed);
    return bClosed ? e + 1 : e;
}

// At a double quote at i that follows a raw string prefix (R, u8R, uR, UR or
// LR, not the end of a longer word): the offset just past the raw string's
// closing )delimiter", or the text end when it has none; i itself when the
// quote opens no raw string.
size_t SkipRawStringLiteral(const char *t, size_t len, size_t i);
