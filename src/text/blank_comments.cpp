#include "text/function_list.h"

#include "common/cp932.h"
#include "text/quoted_literal.h"

namespace {

void Blank(char *t, size_t from, size_t to)
{
    for (size_t k = from; k < to; ++k)
        if (t[k] != '\r' && t[k] != '\n')
            t[k] = ' ';
}

// Bytes where a literal or a comment may start, and the zero byte that ends the text.
struct StopBytes {
    bool of[256] = {};
    StopBytes() { of['"'] = of['\''] = of['/'] = of[0] = true; }
    bool operator[](unsigned char b) const { return of[b]; }
};
const StopBytes kStops;

} // namespace

/* Replaces comments by spaces; string and character literals are passed
   over so that comment marks inside them stay. */
void BlankComments(char *t, size_t len)
{
    for (size_t i = 0; i < len && t[i];) {
        char c = t[i];
        if (c == '"' || c == '\'') {
            size_t raw = c == '"' ? SkipRawStringLiteral(t, len, i) : i;
            i = raw != i ? raw : SkipQuotedLiteral(t, len, i);
        } else if (c == '/' && i + 1 < len && t[i + 1] == '*') {
            size_t e = i + 2;
            while (e + 1 < len && !(t[e] == '*' && t[e + 1] == '/'))
                ++e;
            e = e + 1 < len ? e + 2 : len; // unterminated: runs to the end
            Blank(t, i, e);
            i = e;
        } else if (c == '/' && i + 1 < len && t[i + 1] == '/') {
            size_t e = i;
            while (e < len && t[e] != '\n')
                ++e;
            Blank(t, i, e);
            i = e;
        } else {
            // on to the next quote or slash, a double-byte character at a time
            do
                i += cp932::CharLength(t + i, t + len);
            while (i < len && !kStops[static_cast<unsigned char>(t[i])]);
        }
    }
}

