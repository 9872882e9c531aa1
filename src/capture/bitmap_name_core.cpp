#include "capture/bitmap_name_core.h"

#include <cstdio>
#include <cstring>

// Leaves out empty (when it has room at all) and returns 0.
static int Refuse(char *out, size_t nSize)
{
    if (nSize > 0)
        out[0] = '\0';
    return 0;
}

// Puts a + b into out when they fit nSize; otherwise refuses.
static int Join(const char *a, const char *b, char *out, size_t nSize)
{
    size_t aLen = std::strlen(a), bLen = std::strlen(b);
    if (aLen + bLen + 1 > nSize)
        return Refuse(out, nSize);
    std::memcpy(out, a, aLen);
    std::memcpy(out + aLen, b, bLen + 1);
    return 1;
}

int MakeBitmapFileName(const BitmapNameInput &input, bool bFolderExists, unsigned char btCounter,
                       char *szOut, size_t nSize)
{
    char szExt[16];
    std::snprintf(szExt, sizeof szExt, "%d.bmp", btCounter);
    const char *szDoc = input.szDocPath;
    char szName[SYSTEM_PATH_SIZE];

    if (input.szOutputFolder[0] != '\0' && bFolderExists) {
        if (szDoc[0] != '\0') {
            if (!ReplaceExtension(szDoc + FindNameOffset(szDoc), szExt, szName, sizeof szName))
                return Refuse(szOut, nSize);
        } else {
            std::strcpy(szName, szExt);
        }
        const char *szFolder = input.szOutputFolder;
        size_t folderLen = std::strlen(szFolder);
        bool bEndsInSlash = FindNameOffset(szFolder) == folderLen;
        char szFolderSlash[SYSTEM_PATH_SIZE];
        if (!Join(szFolder, bEndsInSlash ? "" : "\\", szFolderSlash, sizeof szFolderSlash))
            return Refuse(szOut, nSize);
        return Join(szFolderSlash, szName, szOut, nSize);
    }
    if (szDoc[0] != '\0')
        return ReplaceExtension(szDoc, szExt, szOut, nSize);
    std::snprintf(szName, sizeof szName, "NoFileName%s", szExt);
    return Join(input.szStartDir, szName, szOut, nSize);
}

BitmapNameResult ChooseBitmapFileName(const BitmapNameInput &input, unsigned char *pbtCounter,
                                      const PathPredicate &exists, const PathPredicate &folderExists,
                                      char *szOut, size_t nSize)
{
    bool bFolderExists = input.szOutputFolder[0] != '\0' && folderExists(input.szOutputFolder);
    for (unsigned counter = *pbtCounter; counter <= 255; ++counter) {
        if (!MakeBitmapFileName(input, bFolderExists, static_cast<unsigned char>(counter), szOut, nSize))
            return BMPNAME_TOO_LONG;
        if (!exists(szOut)) {
            *pbtCounter = static_cast<unsigned char>(counter);
            return BMPNAME_OK;
        }
    }
    Refuse(szOut, nSize);
    return BMPNAME_ALL_TAKEN;
}
