#include "doc/document_core.h"

#include "common/cp932.h"

#include <cstdio>
#include <cstring>

// Checks shared by reading and overwriting once the path is known to be
// set: no folder part, then a missing folder.
static DocCheck CheckFolderPart(const char *szPath, const PathPredicate &folderExists)
{
    char szFolder[SYSTEM_PATH_SIZE];
    if (!GetFolderOfPath(szPath, szFolder, sizeof szFolder))
        return DOC_PATH_TOO_LONG;
    if (szFolder[0] == '\0')
        return DOC_RELATIVE_PATH;
    if (!folderExists(szFolder))
        return DOC_MISSING_FOLDER;
    return DOC_OK;
}

// True when the path fits szFullPath with its terminator.
static bool FitsFullPath(const char *szPath)
{
    return std::strlen(szPath) < FULL_PATH_SIZE;
}

DocCheck CheckReadPath(const char *szPath, const PathPredicate &exists,
                       const PathPredicate &folderExists)
{
    if (!FitsFullPath(szPath))
        return DOC_PATH_TOO_LONG;
    if (szPath[0] == '\0' || !exists(szPath))
        return DOC_MISSING_FILE;
    return CheckFolderPart(szPath, folderExists);
}

DocCheck CheckOverWritePath(const char *szPath, const PathPredicate &folderExists)
{
    if (szPath[0] == '\0')
        return DOC_NO_FILE_NAME;
    if (!FitsFullPath(szPath))
        return DOC_PATH_TOO_LONG;
    return CheckFolderPart(szPath, folderExists);
}

DocCheck CheckReadSize(bool bSizeKnown, uint64_t nSize)
{
    if (!bSizeKnown)
        return DOC_SIZE_UNKNOWN;
    if (nSize >= DOCUMENT_SIZE_LIMIT)
        return DOC_TOO_BIG;
    return DOC_OK;
}

DocCheck CheckFileSize(bool bSizeKnown, uint64_t nSize)
{
    if (!bSizeKnown)
        return DOC_SIZE_UNKNOWN;
    return nSize >= DOCUMENT_FILE_LIMIT ? DOC_TOO_BIG : DOC_OK;
}

bool FindLongLine(const char *text, size_t len, size_t nLimit, LongLine *found)
{
    size_t nLine = 1, start = 0;
    for (size_t at = 0;; ++at) {
        if (at < len && text[at] != '\r' && text[at] != '\n')
            continue;
        if (at - start > nLimit) {
            *found = {nLine, at - start};
            return true;
        }
        if (at >= len)
            return false;
        if (text[at] == '\r' && at + 1 < len && text[at + 1] == '\n')
            ++at;
        start = at + 1;
        ++nLine;
    }
}

size_t ReadBufferSize(size_t nSize)
{
    return nSize + 2;
}

ReadAnalysis AnalyseReadBuffer(char *buf, size_t nRead, uint64_t nFileSize)
{
    ReadAnalysis a;
    buf[nRead] = '\0';
    const void *zero = std::memchr(buf, '\0', nRead);
    a.nTextLen = zero ? static_cast<const char *>(zero) - buf : nRead;
    a.bHasZeroBytes = zero != nullptr;
    a.bShortRead = nRead < nFileSize;
    a.bOverwriteAllowed = !a.bHasZeroBytes && !a.bShortRead;
    return a;
}

void ReplaceZeroBytes(char *buf, size_t nTextLen, size_t nRead)
{
    for (size_t at = nTextLen; at < nRead; ++at)
        if (buf[at] == '\0')
            buf[at] = '\\';
}

std::string FormatDocumentTitle(const char *szFileTitle, uint64_t nFileSize,
                                uint64_t nTextLen, bool bOverWritten)
{
    size_t titleLen = std::strlen(szFileTitle);
    int keep = static_cast<int>(cp932::CutOnCharBoundary(szFileTitle, titleLen, FILE_TITLE_SIZE - 1));
    char szTitle[WINDOW_TITLE_SIZE];
    std::snprintf(szTitle, sizeof szTitle, "[%.*s]  (FileSize %llubyte,TextSize(detected) %llubyte%s)",
                  keep, szFileTitle, static_cast<unsigned long long>(nFileSize),
                  static_cast<unsigned long long>(nTextLen), bOverWritten ? ":OverWritten" : "");
    return szTitle;
}

size_t SavedTextLength(const char *text, size_t nCapacity)
{
    const void *zero = std::memchr(text, '\0', nCapacity);
    return zero ? static_cast<const char *>(zero) - text : nCapacity;
}

SaveCheck CheckSaveSteps(const SaveSteps &steps)
{
    if (steps.bCancelled)
        return SAVE_CANCELLED;
    if (!steps.bBufferAllocated)
        return SAVE_NO_MEMORY;
    if (!steps.bTempOpened)
        return SAVE_OPEN_FAILED;
    if (steps.nWritten != steps.nToWrite)
        return SAVE_WRITE_FAILED;
    if (!steps.bClosed)
        return SAVE_CLOSE_FAILED;
    if (!steps.bReplaced)
        return SAVE_REPLACE_FAILED;
    return SAVE_OK;
}

int SaveReturnValue(SaveCaller caller, SaveCheck check, uint64_t nFileSize)
{
    int nSize = nFileSize > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(nFileSize);
    switch (caller) {
    case SAVE_AS:
        return check == SAVE_OK ? nSize : 0;
    case SAVE_AS_2:
        return check == SAVE_OK ? nSize : -1;
    case SAVE_OVERWRITE:
        break;
    }
    return check == SAVE_OK ? 0 : -1;
}

int SeedSaveDialog2(const char *szPath, SaveDialogSeed *seed)
{
    std::memset(seed, 0, sizeof *seed);
    size_t len = std::strlen(szPath);
    if (len >= sizeof seed->szFile)
        return 0;
    std::memcpy(seed->szFile, szPath, len + 1);
    GetNameOfPath(szPath, seed->szFileTitle, sizeof seed->szFileTitle);
    return 1;
}
