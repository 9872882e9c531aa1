#include "doc/path_core.h"

#include "common/cp932.h"

#include <cstdio>
#include <cstring>

// Leaves out empty (when it has room at all) and returns 0.
static int Refuse(char *out, size_t nSize)
{
    if (nSize > 0)
        out[0] = '\0';
    return 0;
}

// Copies len bytes of text and a terminator into out when they fit nSize;
// otherwise refuses.
static int CopyFitting(const char *text, size_t len, char *out, size_t nSize)
{
    if (len + 1 > nSize)
        return Refuse(out, nSize);
    std::memcpy(out, text, len);
    out[len] = '\0';
    return 1;
}

// True when the path fits a system path buffer with its terminator.
static bool FitsSystemPath(const char *szPath, size_t *pnLen)
{
    *pnLen = std::strlen(szPath);
    return *pnLen < SYSTEM_PATH_SIZE;
}

size_t FindNameOffset(const char *szPath)
{
    size_t len = std::strlen(szPath);
    size_t nameAt = 0;
    for (size_t at = 0; at < len;) {
        size_t step = cp932::CharLength(szPath + at, szPath + len);
        if (step == 1 && szPath[at] == '\\')
            nameAt = at + 1;
        at += step;
    }
    return nameAt;
}

int GetFolderOfPath(const char *szPath, char *szFolder, size_t nSize)
{
    size_t len;
    if (!FitsSystemPath(szPath, &len))
        return Refuse(szFolder, nSize);
    return CopyFitting(szPath, FindNameOffset(szPath), szFolder, nSize);
}

int GetNameOfPath(const char *szPath, char *szName, size_t nSize)
{
    size_t len;
    if (nSize == 0 || !FitsSystemPath(szPath, &len))
        return Refuse(szName, nSize);
    const char *name = szPath + FindNameOffset(szPath);
    size_t nameLen = len - (name - szPath);
    size_t keep = cp932::CutOnCharBoundary(name, nameLen, nSize - 1);
    return CopyFitting(name, keep, szName, nSize);
}

int ReplaceExtension(const char *szPath, const char *szNewExt, char *szOut, size_t nSize)
{
    size_t len = std::strlen(szPath);
    size_t from = FindNameOffset(szPath);
    if (from < 1)
        from = 1;
    size_t keep = len;
    for (size_t at = from; at < len; ++at)
        if (szPath[at] == '.')
            keep = at;  // a dot is never a trail byte, so bytes may be scanned
    size_t extLen = std::strlen(szNewExt);
    if (keep + extLen + 1 > nSize)
        return Refuse(szOut, nSize);
    std::memcpy(szOut, szPath, keep);
    std::memcpy(szOut + keep, szNewExt, extLen + 1);
    return 1;
}

int MakeSaveTempPath(const char *szPath, unsigned nTry, char *szOut, size_t nSize)
{
    size_t folderLen = FindNameOffset(szPath);
    char name[32];
    int nameLen = std::snprintf(name, sizeof name, "~sora%u.tmp", nTry);
    if (folderLen == 0 || folderLen + nameLen + 1 > nSize)
        return Refuse(szOut, nSize);
    std::memcpy(szOut, szPath, folderLen);
    std::memcpy(szOut + folderLen, name, nameLen + 1);
    return 1;
}
