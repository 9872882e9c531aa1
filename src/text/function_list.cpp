#include "text/function_list.h"

#include "common/cp932.h"

#include <algorithm>
#include <cstring>

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

long CurrentFunctionName(size_t len, const FunctionList &list, size_t nCaret, char *buf, size_t nSize)
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
    const FunctionEntry &f = list.entries[static_cast<size_t>(k)];
    size_t room = nSize > 3 ? nSize - 3 : 0;
    size_t n = cp932::CutOnCharBoundary(f.szName, f.nNameLen, room);
    std::memcpy(buf, f.szName, n);
    size_t w = n;
    if (w + 2 < nSize) {
        buf[w++] = '(';
        buf[w++] = ')';
    }
    buf[w] = '\0';
    return static_cast<long>(f.nOffset);
}

int LineOfOffset(const char *text, size_t len, size_t nOffset)
{
    int line = 1;
    for (size_t i = 0; i < nOffset && i < len; ++i)
        if (text[i] == '\n')
            ++line;
    return line;
}
