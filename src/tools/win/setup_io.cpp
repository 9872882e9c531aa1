#include "tools/win/setup_io.h"

#include <cstdio>
#include <cstring>

/* ReadSetupFile: a bounded read of one installation file. */
int ReadSetupFile(const char *szPath, char *buf, size_t capacity, size_t *pnLen)
{
    std::memset(buf, 0, capacity);
    *pnLen = 0;
    DWORD attr = GetFileAttributesA(szPath);
    if (attr == INVALID_FILE_ATTRIBUTES)
        return SETUP_READ_MISSING;
    HANDLE file = CreateFileA(szPath, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        MessageBoxA(NULL, "ファイルハンドル取得失敗！", "Error", MB_OK);
        return SETUP_READ_FAILED;
    }
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size)) {
        CloseHandle(file);
        return SETUP_READ_FAILED;
    }
    DWORD nWant = size.QuadPart >= (LONGLONG)capacity ? (DWORD)(capacity - 1) : (DWORD)size.QuadPart;
    DWORD nGot = 0;
    BOOL ok = ReadFile(file, buf, nWant, &nGot, NULL);
    CloseHandle(file);
    if (!ok || nGot != nWant) {
        MessageBoxA(NULL, "読み込みが不正に終りました:ReadFile();", "Error", MB_OK);
        std::memset(buf, 0, capacity);
        return SETUP_READ_FAILED;
    }
    *pnLen = nGot;
    return size.QuadPart >= (LONGLONG)capacity ? SETUP_READ_TOO_LARGE : SETUP_READ_OK;
}

/* BackupPath: the first free "name.bak", "name.bak2", ... beside the file. */
static bool BackupPath(const char *szPath, char *out, size_t capacity)
{
    for (int i = 1; i < 100; ++i) {
        int n = i == 1 ? std::snprintf(out, capacity, "%s.bak", szPath)
                       : std::snprintf(out, capacity, "%s.bak%d", szPath, i);
        if (n < 0 || (size_t)n >= capacity)
            return false;
        if (GetFileAttributesA(out) == INVALID_FILE_ATTRIBUTES)
            return true;
    }
    return false;
}

/* RewriteSetupFile: backup, temporary file, replace. */
BOOL RewriteSetupFile(const char *szPath, const char *text, size_t nLen)
{
    char szBackup[MAX_PATH + 16], szTemp[MAX_PATH + 16];
    if (GetFileAttributesA(szPath) != INVALID_FILE_ATTRIBUTES) {
        if (!BackupPath(szPath, szBackup, sizeof szBackup) || !CopyFileA(szPath, szBackup, TRUE))
            return FALSE;
    }
    int n = std::snprintf(szTemp, sizeof szTemp, "%s.soratmp", szPath);
    if (n < 0 || (size_t)n >= sizeof szTemp)
        return FALSE;
    HANDLE file = CreateFileA(szTemp, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return FALSE;
    DWORD nWritten = 0;
    BOOL ok = WriteFile(file, text, (DWORD)nLen, &nWritten, NULL) && nWritten == nLen && FlushFileBuffers(file);
    ok = CloseHandle(file) && ok;
    if (ok)
        ok = MoveFileExA(szTemp, szPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok)
        DeleteFileA(szTemp);
    return ok;
}
