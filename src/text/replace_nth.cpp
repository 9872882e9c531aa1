#include "text/replace_nth.h"

#include <cstring>

int ReplaceNth(char *text, size_t capacity, const char *word, int n, const char *replacement)
{
    size_t wordLen = std::strlen(word);
    if (n < 1 || wordLen == 0)
        return 0;
    char *hit = nullptr;
    for (char *from = text; n > 0; --n) {
        hit = std::strstr(from, word);
        if (!hit)
            return 0;
        from = hit + 1;
    }
    size_t textLen = std::strlen(text);
    size_t replLen = std::strlen(replacement);
    if (textLen - wordLen + replLen + 1 > capacity)
        return 0;
    char *rest = hit + wordLen;
    std::memmove(hit + replLen, rest, std::strlen(rest) + 1);
    std::memcpy(hit, replacement, replLen);
    return 1;
}
