#include "filelist/temp_backup_name.h"

#include <cstdio>
#include <cstring>

/* MakeTempBackupName: the parked file of one pane of one entry. */
int MakeTempBackupName(const char *szWorkDir, unsigned id, int nInstanceNo, TempPane pane,
                       char *szOut, size_t nSize)
{
    if (!szOut || nSize == 0)
        return 0;
    szOut[0] = '\0';
    if (!szWorkDir)
        return 0;
    const char *szFormat = pane == TEMP_PANE_RC ? "%s%u.rc.tmp%d" : "%s%u.tmp%d";
    int n = std::snprintf(szOut, nSize, szFormat, szWorkDir, id, nInstanceNo);
    if (n < 0 || static_cast<size_t>(n) >= nSize) {
        szOut[0] = '\0';
        return 0;
    }
    return 1;
}

/* RestoredTextLength: a text with a NUL byte is cut at it. */
size_t RestoredTextLength(const char *pBytes, size_t nSize)
{
    if (!pBytes)
        return 0;
    const void *pNul = std::memchr(pBytes, 0, nSize);
    return pNul ? static_cast<size_t>(static_cast<const char *>(pNul) - pBytes) : nSize;
}
