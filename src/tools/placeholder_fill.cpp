#include "tools/placeholder_fill.h"

#include <cstring>

#include "text/replace_nth.h"

namespace {

const char kPlaceholder[] = "INSERTION";

// Replaces the first occurrence of word at or after offset *pnFrom and moves
// *pnFrom past the inserted replacement. Returns 0 when there is none or it
// does not fit.
int ReplaceNextFrom(char *text, size_t capacity, size_t *pnFrom, const char *word,
                    const char *replacement)
{
    char *from = text + *pnFrom;
    const char *hit = std::strstr(from, word);
    if (!hit)
        return 0;
    if (!ReplaceNth(from, capacity - *pnFrom, word, 1, replacement))
        return 0;
    *pnFrom = static_cast<size_t>(hit - text) + std::strlen(replacement);
    return 1;
}

} // namespace

/* Copies the template and fills its placeholders in text order. */
int FillPlaceholders(char *text, size_t capacity, const char *szTemplate,
                     const char *const *values, int nValues)
{
    if (capacity == 0)
        return 0;
    size_t nLen = std::strlen(szTemplate);
    text[0] = '\0';
    if (nLen + 1 > capacity)
        return 0;
    std::memcpy(text, szTemplate, nLen + 1);
    size_t nFrom = 0;
    for (int i = 0; i < nValues; ++i) {
        if (!ReplaceNextFrom(text, capacity, &nFrom, kPlaceholder, values[i])) {
            text[0] = '\0';
            return 0;
        }
    }
    return 1;
}

/* Replaces every occurrence of word, left to right, on a scratch copy so
   that a failure leaves the text as it was. */
int ReplaceEach(char *text, size_t capacity, const char *word, const char *replacement)
{
    size_t nLen = std::strlen(text);
    if (nLen + 1 > capacity || word[0] == '\0')
        return 0;
    char *scratch = new char[capacity];
    std::memcpy(scratch, text, nLen + 1);
    size_t nFrom = 0;
    int bOk = 1;
    while (std::strstr(scratch + nFrom, word)) {
        if (!ReplaceNextFrom(scratch, capacity, &nFrom, word, replacement)) {
            bOk = 0;
            break;
        }
    }
    if (bOk)
        std::memcpy(text, scratch, std::strlen(scratch) + 1);
    delete[] scratch;
    return bOk;
}
