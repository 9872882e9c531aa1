// The writer of the recovery copies: one thread that takes jobs in order
// (write a copy, remove a copy), so that the user-interface thread only
// hands over a text it already holds and never waits for the disk.
#pragma once
#include <windows.h>

#include <string>

#include "filelist/recovery_copy.h"

// Writes header + text to szPath (beside it first, then moved over it).
// The header's text size and checksum come from the text.
void QueueRecoveryWrite(const std::string &szPath, const RecoveryHeader &header, std::string &&text);
// Removes szPath once the jobs before it are done.
void QueueRecoveryDelete(const std::string &szPath);

// TRUE when no job is waiting or running.
BOOL RecoveryWriterIdle();

// Number of writes that failed so far; the path of the last one into
// szLast (nSize bytes).
LONG RecoveryWriteFailures(char *szLast, size_t nSize);

// Does the jobs still waiting and ends the thread, waiting at most nWaitMs.
// FALSE when the thread did not end in time.
BOOL StopRecoveryWriter(DWORD nWaitMs);

// Writes one copy at once on the calling thread (bytes beside, then moved).
BOOL WriteRecoveryCopy(const std::string &szPath, const RecoveryHeader &header, const std::string &text);
