#include "tools/dos_history.h"

#include <cstring>

#include "common/cp932.h"

/* Empties the history. */
void DosHistoryClear(DosHistory *history)
{
    history->nCount = 0;
    history->nCursor = 0;
}

/* Records one sent line as the newest entry. */
void DosHistoryAdd(DosHistory *history, const char *szLine)
{
    size_t nLen = std::strlen(szLine);
    nLen = cp932::CutOnCharBoundary(szLine, nLen, DOS_INPUT_LINE_MAX);
    size_t nBlank = std::strspn(szLine, " \t\r\n");
    bool bBlank = nBlank >= nLen;
    bool bRepeat = history->nCount > 0 &&
                   std::strlen(history->szLines[history->nCount - 1]) == nLen &&
                   std::memcmp(history->szLines[history->nCount - 1], szLine, nLen) == 0;
    if (!bBlank && !bRepeat) {
        if (history->nCount == DOS_HISTORY_MAX) {
            std::memmove(history->szLines[0], history->szLines[1],
                         sizeof(history->szLines[0]) * (DOS_HISTORY_MAX - 1));
            --history->nCount;
        }
        char *slot = history->szLines[history->nCount++];
        std::memcpy(slot, szLine, nLen);
        slot[nLen] = '\0';
    }
    history->nCursor = history->nCount;
}

/* Steps to the next older entry. */
const char *DosHistoryUp(DosHistory *history)
{
    if (history->nCount == 0)
        return nullptr;
    if (history->nCursor > 0)
        --history->nCursor;
    return history->szLines[history->nCursor];
}

/* Steps to the next newer entry, or to a fresh empty line. */
const char *DosHistoryDown(DosHistory *history)
{
    if (history->nCursor < history->nCount)
        ++history->nCursor;
    if (history->nCursor >= history->nCount)
        return "";
    return history->szLines[history->nCursor];
}
