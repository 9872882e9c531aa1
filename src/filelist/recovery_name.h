// File names of the recovery copies in the working folder. Each running
// copy of the editor has a session (a 64-bit number it picks at start-up)
// and writes only names that carry its instance number and session:
//
//   sora<instance>_<session, 16 hex digits>_<id>.recover      main pane
//   sora<instance>_<session, 16 hex digits>_<id>.rc.recover   resource pane
//
// id is the file button id of a parked text, 0 for the text on show. A
// copy is written under its name + ".tmp<instance>" first and then moved
// over the name, so a crash leaves either the old or the new copy whole.
#pragma once
#include <cstddef>
#include <cstdint>

#include "filelist/recovery_copy.h"

// What a recovery copy's name tells.
struct RecoveryName {
    uint32_t nInstanceNo = 0;
    uint64_t nSession = 0;
    uint32_t id = 0;
    uint32_t pane = RECOVERY_PANE_MAIN;
    bool bTemporary = false;   // the ".tmp<n>" name of a copy being written
};

// The file name (no folder) of a copy into szOut of nSize bytes. Returns 1,
// or 0 with szOut empty when it does not fit.
int MakeRecoveryName(const RecoveryName &name, char *szOut, size_t nSize);

// The start shared by every name of one session ("sora1_0123456789ABCDEF_").
int MakeRecoverySessionPrefix(uint32_t nInstanceNo, uint64_t nSession, char *szOut, size_t nSize);

// Reads a file name back; false when it is not exactly of the form above.
bool ParseRecoveryName(const char *szFileName, RecoveryName &name);
