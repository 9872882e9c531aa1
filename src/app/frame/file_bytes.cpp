#include "app/frame/file_bytes.h"

#include <cstdio>

#include "app/frame/globals.h"

/* WriteFileBytes: creates or overwrites the file with the bytes. */
BOOL WriteFileBytes(const char *szPath, const void *pBytes, size_t n)
{
    HANDLE h = CreateFileA(szPath, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return FALSE;
    BOOL ok = TRUE;
    const char *p = (const char *)pBytes;
    size_t left = n;
    while (ok && left > 0) {
        DWORD chunk = left > 0x100000 ? 0x100000 : (DWORD)left;
        DWORD written = 0;
        ok = WriteFile(h, p, chunk, &written, NULL) && written == chunk;
        p += chunk;
        left -= chunk;
    }
    if (ok)
        ok = SetEndOfFile(h);
    if (!CloseHandle(h))
        ok = FALSE;
    return ok;
}

/* WriteFileReplacing: writes beside the file, then moves it over the file. */
BOOL WriteFileReplacing(const char *szPath, const void *pBytes, size_t n)
{
    char szTmp[MAX_PATH + 8];
    // Each running copy writes beside the file under its own name.
    int len = _snprintf(szTmp, sizeof szTmp - 1, "%s.tmp%u", szPath, frame.nInstanceNo);
    if (len < 0 || len >= (int)sizeof szTmp - 1)
        return FALSE;
    szTmp[sizeof szTmp - 1] = '\0';
    if (!WriteFileBytes(szTmp, pBytes, n)) {
        DeleteFileA(szTmp);
        return FALSE;
    }
    if (!MoveFileExA(szTmp, szPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(szTmp);
        return FALSE;
    }
    return TRUE;
}

/* ReadFileBytes: the whole file as bytes. */
BOOL ReadFileBytes(const char *szPath, std::string &out)
{
    out.clear();
    HANDLE h = CreateFileA(szPath, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return FALSE;
    LARGE_INTEGER size;
    BOOL ok = GetFileSizeEx(h, &size) && size.QuadPart < 0x40000000;
    if (ok) {
        out.resize((size_t)size.QuadPart);
        size_t got = 0;
        while (ok && got < out.size()) {
            DWORD chunk = out.size() - got > 0x100000 ? 0x100000 : (DWORD)(out.size() - got);
            DWORD read = 0;
            ok = ReadFile(h, &out[got], chunk, &read, NULL);
            if (ok && read == 0)
                break;
            got += read;
        }
        out.resize(got);
    }
    CloseHandle(h);
    return ok;
}

BOOL FileExists(const char *szPath)
{
    DWORD attr = GetFileAttributesA(szPath);
    return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}

BOOL FolderExists(const char *szPath)
{
    DWORD attr = GetFileAttributesA(szPath);
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}
