// This running copy's recovery session and the recovery copies found in
// the working folder. A session is a 64-bit number picked at start-up and
// held as a named mutex for the life of the process: a copy of the editor
// is still running exactly while the mutex of its session exists, which
// tells the copies of a crashed editor from those of a running one.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "filelist/recovery_copy.h"

// Picks this copy's session and takes its mutex. FALSE when there is no
// working folder to keep copies in (recovery is then off).
BOOL OpenRecoverySession();
// TRUE between OpenRecoverySession and CloseRecoverySession.
BOOL RecoverySessionOpen();
// Gives up the session (its mutex goes with the process anyway).
void CloseRecoverySession();

// A header of this session for a copy of a pane's text, stamped now.
RecoveryHeader OwnRecoveryHeader(uint32_t id, RecoveryPane pane, const char *szPath, const char *szOwnerPath,
                                 uint32_t flags);

// Full path of this session's copy of a pane's text; id 0 is the text on show.
std::string OwnRecoveryCopyPath(uint32_t id, RecoveryPane pane);
// Removes every file this session wrote (copies and half-written ones).
void RemoveOwnRecoveryCopies();

// TRUE while the copy of the editor with that session runs.
BOOL IsRecoverySessionRunning(uint32_t nInstanceNo, uint64_t nSession);

// A file of the working folder that a copy of the editor that ended left.
struct FoundRecoveryCopy {
    std::string szFile;           // its name
    std::string szFullPath;       // working folder + name
    RecoveryStatus status = RECOVERY_FOREIGN;
    RecoveryHeader header;        // when status is RECOVERY_OK
    FILETIME ftWritten = {0, 0};  // the file's own time
    uint64_t nFileSize = 0;
};

// The recovery copies no running copy owns: whole ones with their headers,
// and damaged or foreign files that only look like copies (reported, never
// touched), the whole ones first and newest first, the others by name.
// Half-written copies of ended sessions are removed on the way.
std::vector<FoundRecoveryCopy> ScanRecoveryCopies();
