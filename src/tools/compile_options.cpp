#include "tools/compile_options.h"

#include <cstring>

#include "text/replace_nth.h"
#include "tools/tools_texts.h"

namespace {

bool IsLetterOrDigit(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Puts szFront before the options. Returns 0 when it does not fit.
int InsertFront(char *szOptions, size_t capacity, const char *szFront)
{
    size_t nFront = std::strlen(szFront), nLen = std::strlen(szOptions);
    if (nFront + nLen + 1 > capacity)
        return 0;
    std::memmove(szOptions + nFront, szOptions, nLen + 1);
    std::memcpy(szOptions, szFront, nFront);
    return 1;
}

// Appends szBack, after a blank when the options end in something else.
int AppendOption(char *szOptions, size_t capacity, const char *szBack)
{
    size_t nLen = std::strlen(szOptions), nBack = std::strlen(szBack);
    bool bGap = nLen > 0 && szOptions[nLen - 1] != ' ' && szOptions[nLen - 1] != '\t';
    if (nLen + (bGap ? 1 : 0) + nBack + 1 > capacity)
        return 0;
    if (bGap)
        szOptions[nLen++] = ' ';
    std::memcpy(szOptions + nLen, szBack, nBack + 1);
    return 1;
}

} // namespace

/* Finds "-name" followed by a character that is no letter or digit. */
long FindOption(const char *szOptions, const char *szName)
{
    size_t nName = std::strlen(szName);
    for (const char *p = std::strchr(szOptions, '-'); p; p = std::strchr(p + 1, '-')) {
        if (std::strncmp(p + 1, szName, nName) == 0 && !IsLetterOrDigit(p[1 + nName]))
            return static_cast<long>(p - szOptions);
    }
    return -1;
}

/* True when the option counts as present. */
bool HasOption(const char *szOptions, const char *szName)
{
    return FindOption(szOptions, szName) >= 0;
}

/* Removes the counting occurrence of the option, found by its number among
   all occurrences of its text so that "-tW" never bites into "-tWM". */
int RemoveOption(char *szOptions, size_t capacity, const char *szName)
{
    long nAt = FindOption(szOptions, szName);
    if (nAt < 0)
        return 0;
    char szWord[64];
    size_t nName = std::strlen(szName);
    if (nName + 2 > sizeof(szWord))
        return 0;
    szWord[0] = '-';
    std::memcpy(szWord + 1, szName, nName + 1);
    int n = 1;
    for (const char *p = std::strstr(szOptions, szWord); p && p < szOptions + nAt;
         p = std::strstr(p + 1, szWord))
        ++n;
    return ReplaceNth(szOptions, capacity, szWord, n, "");
}

/* The CP932 text of an option question. */
const char *OptionQuestionText(OptionQuestion question)
{
    switch (question) {
    case ASK_ADD_TW: return kAskAddTW;
    case ASK_REMOVE_TW: return kAskRemoveTW;
    case ASK_ADD_TWD: return kAskAddTWD;
    case ASK_REMOVE_TW_FOR_DLL: return kAskRemoveTWForDll;
    }
    return "";
}

/* Brings the options in line with the source facts. */
int CheckOptions(char *szOptions, size_t capacity, const SourceFacts *facts, OptionAskFn fnAsk,
                 void *context)
{
    if (strnlen(szOptions, capacity) >= capacity)
        return 0;
    bool bTW = HasOption(szOptions, "tW");
    if (facts->bWinMain && !bTW) {
        if (fnAsk(context, ASK_ADD_TW)) {
            if (!InsertFront(szOptions, capacity, "-tW "))
                return 0;
            bTW = true;
        }
    } else if (bTW && !facts->bWinMain) {
        if (fnAsk(context, ASK_REMOVE_TW)) {
            RemoveOption(szOptions, capacity, "tW");
            bTW = false;
        }
    }
    if (facts->bDllMain && !HasOption(szOptions, "tWD")) {
        if (fnAsk(context, ASK_ADD_TWD) && !InsertFront(szOptions, capacity, "-tWD "))
            return 0;
    } else if (facts->bDllMain && bTW) {
        if (fnAsk(context, ASK_REMOVE_TW_FOR_DLL))
            RemoveOption(szOptions, capacity, "tW");
    }
    if (!HasOption(szOptions, "f") && facts->bFloat && !AppendOption(szOptions, capacity, "-f "))
        return 0;
    if (!HasOption(szOptions, "tWM") && facts->bThreads &&
        !AppendOption(szOptions, capacity, "-tWM "))
        return 0;
    return 1;
}
