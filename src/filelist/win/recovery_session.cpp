#include "filelist/win/recovery_session.h"

#include <algorithm>
#include <cstring>

#include "app/frame/globals.h"
#include "filelist/recovery_name.h"
#include "app/frame/file_bytes.h"

namespace {

uint64_t nSession = 0;
HANDLE hSessionMutex = NULL;

/* MutexName: the name of a session's mutex ("SoraEditorRecovery_sora1_<16 hex>_"). */
std::string MutexName(uint32_t nInstance, uint64_t nOfSession)
{
    char szPrefix[64];
    MakeRecoverySessionPrefix(nInstance, nOfSession, szPrefix, sizeof szPrefix);
    return std::string("SoraEditorRecovery_") + szPrefix;
}

/* Now: the time as 100 ns steps since 1601-01-01 (UTC). */
uint64_t Now()
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return (uint64_t)now.dwHighDateTime << 32 | now.dwLowDateTime;
}

/* ForEachFile: calls f(name) for each plain file of the working folder matching the pattern. */
template <typename F> void ForEachFile(const std::string &szPattern, F f)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((std::string(frame.startupPaths.szWorkDir) + szPattern).c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            f(fd);
    } while (FindNextFileA(h, &fd));
    FindClose(h);
}

bool EndsWith(const std::string &s, const char *tail)
{
    size_t n = std::strlen(tail);
    return s.size() >= n && s.compare(s.size() - n, n, tail) == 0;
}

/* ReadFound: reads and checks one copy; its header must agree with its name. */
void ReadFound(FoundRecoveryCopy &found, const RecoveryName &name)
{
    found.status = RECOVERY_DAMAGED;
    // A copy holds at most a text of the largest size and two paths.
    if (found.nFileSize > (uint64_t)RECOVERY_MAX_TEXT + 3 * RECOVERY_MAX_PATH)
        return;
    std::string bytes;
    if (!ReadFileBytes(found.szFullPath.c_str(), bytes))
        return;
    RecoveryHeader h;
    found.status = DecodeRecoveryCopy(bytes.data(), bytes.size(), h, NULL);
    if (found.status != RECOVERY_OK)
        return;
    if (h.nInstanceNo != name.nInstanceNo || h.nSession != name.nSession || h.id != name.id || h.pane != name.pane)
        found.status = RECOVERY_DAMAGED;
    else
        found.header = h;
}

} // namespace

BOOL OpenRecoverySession()
{
    if (hSessionMutex)
        return TRUE;
    if (!frame.startupPaths.szWorkDir[0] || !FolderExists(frame.startupPaths.szWorkDir))
        return FALSE;
    uint64_t nTry = Now();
    // Two copies started in the same instant: the second takes the next number.
    for (int i = 0; i < 64; ++i, ++nTry) {
        HANDLE h = CreateMutexA(NULL, TRUE, MutexName(frame.nInstanceNo, nTry).c_str());
        if (h && GetLastError() != ERROR_ALREADY_EXISTS) {
            hSessionMutex = h;
            nSession = nTry;
            return TRUE;
        }
        if (h)
            CloseHandle(h);
    }
    return FALSE;
}

BOOL RecoverySessionOpen() { return hSessionMutex != NULL; }

void CloseRecoverySession()
{
    if (hSessionMutex)
        CloseHandle(hSessionMutex);
    hSessionMutex = NULL;
}

RecoveryHeader OwnRecoveryHeader(uint32_t id, RecoveryPane pane, const char *szPath, const char *szOwnerPath,
                                 uint32_t flags)
{
    RecoveryHeader h;
    h.nInstanceNo = frame.nInstanceNo;
    h.nSession = nSession;
    h.id = id;
    h.pane = pane;
    h.flags = flags;
    h.nTime = Now();
    h.szPath = szPath ? szPath : "";
    h.szOwnerPath = szOwnerPath ? szOwnerPath : "";
    return h;
}

std::string OwnRecoveryCopyPath(uint32_t id, RecoveryPane pane)
{
    RecoveryName name;
    name.nInstanceNo = frame.nInstanceNo;
    name.nSession = nSession;
    name.id = id;
    name.pane = pane;
    char szName[MAX_PATH];
    if (!MakeRecoveryName(name, szName, sizeof szName))
        return std::string();
    return std::string(frame.startupPaths.szWorkDir) + szName;
}

void RemoveOwnRecoveryCopies()
{
    char szPrefix[64];
    if (!hSessionMutex || !MakeRecoverySessionPrefix(frame.nInstanceNo, nSession, szPrefix, sizeof szPrefix))
        return;
    ForEachFile(std::string(szPrefix) + "*", [](const WIN32_FIND_DATAA &fd) {
        RecoveryName name;
        if (ParseRecoveryName(fd.cFileName, name))
            DeleteFileA((std::string(frame.startupPaths.szWorkDir) + fd.cFileName).c_str());
    });
}

BOOL IsRecoverySessionRunning(uint32_t nOfInstance, uint64_t nOfSession)
{
    if (hSessionMutex && nOfInstance == frame.nInstanceNo && nOfSession == nSession)
        return TRUE;
    HANDLE h = OpenMutexA(SYNCHRONIZE, FALSE, MutexName(nOfInstance, nOfSession).c_str());
    if (!h)
        return FALSE;
    CloseHandle(h);
    return TRUE;
}

std::vector<FoundRecoveryCopy> ScanRecoveryCopies()
{
    std::vector<FoundRecoveryCopy> list;
    if (!frame.startupPaths.szWorkDir[0])
        return list;
    ForEachFile("sora*.recover*", [&](const WIN32_FIND_DATAA &fd) {
        FoundRecoveryCopy found;
        found.szFile = fd.cFileName;
        found.szFullPath = std::string(frame.startupPaths.szWorkDir) + fd.cFileName;
        found.ftWritten = fd.ftLastWriteTime;
        found.nFileSize = (uint64_t)fd.nFileSizeHigh << 32 | fd.nFileSizeLow;
        RecoveryName name;
        if (!ParseRecoveryName(fd.cFileName, name)) {
            // Only a name that claims to be a copy is reported as a foreign one.
            if (EndsWith(found.szFile, ".recover"))
                list.push_back(found);
            return;
        }
        if (IsRecoverySessionRunning(name.nInstanceNo, name.nSession))
            return;  // a running copy's own
        if (name.bTemporary) {
            // Never finished: the copy it was to replace is still whole.
            DeleteFileA(found.szFullPath.c_str());
            return;
        }
        ReadFound(found, name);
        list.push_back(found);
    });
    // Whole copies first, the newest on top; then the others by name.
    std::sort(list.begin(), list.end(), [](const FoundRecoveryCopy &a, const FoundRecoveryCopy &b) {
        bool aOk = a.status == RECOVERY_OK, bOk = b.status == RECOVERY_OK;
        if (aOk != bOk)
            return aOk;
        return aOk ? a.header.nTime > b.header.nTime : a.szFile < b.szFile;
    });
    return list;
}
