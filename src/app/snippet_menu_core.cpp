#include "app/snippet_menu_core.h"

#include <cstring>

// Length of the word at p, stopping at the terminator or at end.
static size_t WordLength(const char *p, const char *end)
{
    const void *nul = std::memchr(p, '\0', end - p);
    return nul ? static_cast<const char *>(nul) - p : end - p;
}

SnippetList ParseSnippetList(const char *list, size_t size)
{
    SnippetList result;
    const char *end = list + size;
    const char *p = list;
    size_t len = WordLength(p, end);
    for (size_t i = 0; i < len && list[i] >= '0' && list[i] <= '9'; ++i) {
        if (result.nDeclared > 100000)
            break;
        result.nDeclared = result.nDeclared * 10 + (list[i] - '0');
    }
    p += len + 1;
    while (result.items.size() < result.nDeclared && p < end) {
        len = WordLength(p, end);
        if (len == 0 && p + 1 >= end)
            break;
        result.items.emplace_back(p, len);
        p += len + 1;
    }
    return result;
}
