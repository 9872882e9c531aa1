#include "text/function_list.h"

#include "common/cp932.h"
#include "text/quoted_literal.h"
#include "text/search_core.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

inline unsigned char U(char c) { return static_cast<unsigned char>(c); }

// Bytes of the character at i within [0, len).
inline size_t StepAt(const char *t, size_t len, size_t i)
{
    return cp932::CharLength(t + i, t + len);
}

// Copies the name through the closing parenthesis, at most 63 bytes.
void CopyName(const char *t, size_t from, size_t to, char *out)
{
    size_t n = cp932::CutOnCharBoundary(t + from, to - from, 63);
    std::memcpy(out, t + from, n);
    out[n] = '\0';
}

// At a "{" at depth 0: the name start and ")" position of the definition it
// opens, or false when the brace does not follow a parameter list.
bool FindDefinition(const char *t, size_t brace, size_t &nName, size_t &nClose)
{
    size_t p = brace;
    while (p > 0 && (t[p - 1] == '\\' || t[p - 1] == '{' || search::IsSpaceByte(U(t[p - 1]))))
        --p;
    if (p == 0 || t[p - 1] != ')')
        return false;
    nClose = p - 1;
    int depth = 0;
    size_t q = nClose + 1;
    do {
        --q;
        if (t[q] == ')')
            ++depth;
        else if (t[q] == '(')
            --depth;
    } while (depth > 0 && q > 0);
    if (depth != 0)
        return false;
    while (q > 0 && (t[q - 1] == '\\' || search::IsSpaceByte(U(t[q - 1]))))
        --q;
    while (q > 0 && t[q - 1] != '\\' && !search::IsSpaceByte(U(t[q - 1])))
        --q;
    nName = q;
    return true;
}

} // namespace

/* Brace scan of a comment-free copy: a "{" at depth 0 right after a ")"
   opens a function body. */
int EnumerateFunctions(const char *text, size_t len, int nMax, FunctionList &out)
{
    out.entries.clear();
    out.bCapped = false;
    if (!text || len == 0 || !text[0])
        return -1;
    std::string copy(text, len);
    char *t = &copy[0];
    BlankComments(t, len);
    int depth = 0;
    for (size_t i = 0; i < len && t[i];) {
        char c = t[i];
        size_t n = StepAt(t, len, i);
        if (n == 2) {
            i += 2;
            continue;
        }
        if (c == '{') {
            size_t nName, nClose;
            if (depth == 0 && FindDefinition(t, i, nName, nClose)) {
                if (nMax > 0 && static_cast<int>(out.entries.size()) >= nMax) {
                    out.bCapped = true;
                    break;
                }
                FunctionEntry e;
                e.nOffset = nName;
                CopyName(text, nName, nClose + 1, e.szName);
                out.entries.push_back(e);
            }
            ++depth;
        } else if (c == '}') {
            if (depth > 0)
                --depth;
        } else if (c == '"' || c == '\'') {
            i = SkipQuotedLiteral(t, len, i);
            continue;
        }
        ++i;
    }
    return static_cast<int>(out.entries.size());
}

int FunctionIndexAt(const FunctionList &list, size_t nCaret)
{
    int found = -1;
    for (size_t k = 0; k < list.entries.size() && list.entries[k].nOffset < nCaret; ++k)
        found = static_cast<int>(k);
    return found;
}

long NextFunctionOffset(const FunctionList &list, size_t nCaret)
{
    for (const FunctionEntry &e : list.entries)
        if (e.nOffset > nCaret)
            return static_cast<long>(e.nOffset);
    return -1;
}

size_t FunctionTopOffset(const FunctionList &list, size_t nCaret)
{
    int k = FunctionIndexAt(list, nCaret);
    return k < 0 ? 0 : list.entries[static_cast<size_t>(k)].nOffset;
}

long CurrentFunctionName(const char *text, size_t len, const FunctionList &list, size_t nCaret, char *buf,
                         size_t nSize)
{
    if (!buf || nSize == 0)
        return 0;
    static const char kOutside[] = "not in function area";
    int k = (len == 0) ? -1 : FunctionIndexAt(list, nCaret);
    if (len != 0 && list.entries.empty()) {
        buf[0] = '\0';
        return -1;
    }
    if (k < 0) {
        size_t n = std::min(sizeof kOutside - 1, nSize - 1);
        std::memcpy(buf, kOutside, n);
        buf[n] = '\0';
        return 0;
    }
    size_t at = list.entries[static_cast<size_t>(k)].nOffset;
    size_t e = at;
    while (e < len && text[e] && text[e] != '(')
        e += StepAt(text, len, e);
    size_t room = nSize > 3 ? nSize - 3 : 0;
    size_t n = cp932::CutOnCharBoundary(text + at, e - at, room);
    std::memcpy(buf, text + at, n);
    size_t w = n;
    if (w + 2 < nSize) {
        buf[w++] = '(';
        buf[w++] = ')';
    }
    buf[w] = '\0';
    return static_cast<long>(at);
}

int LineOfOffset(const char *text, size_t len, size_t nOffset)
{
    int line = 1;
    for (size_t i = 0; i < nOffset && i < len; ++i)
        if (text[i] == '\n')
            ++line;
    return line;
}
