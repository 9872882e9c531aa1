// Start-up paths and instance numbering, without windows.h.
#pragma once
#include <cstddef>
#include <string>

// Field widths of the start-up paths (bytes, terminator included).
enum {
    CUR_DIR_SIZE = 256,
    MODULE_SIZE = 64,
    SYS_DRIVE_SIZE = 4,
    WORK_DIR_SIZE = 256,
    CFG_FILE_SIZE = 16,
};

// Longest file name put after szWorkDir by the rest of the editor
// ("%s%d.rc.tmp%d" with two ten-digit numbers is the longest).
enum { WORK_FILE_NAME_RESERVE = 32 };

struct StartupPaths {
    char szCurDir[CUR_DIR_SIZE];
    char szModule[MODULE_SIZE];
    char szSysDrive[SYS_DRIVE_SIZE];
    char szSysDriveNoSlash[SYS_DRIVE_SIZE];
    char szWorkDir[WORK_DIR_SIZE];
    char CfgFiles[2][CFG_FILE_SIZE];
    bool bCurDirTooLong;  // the start folder did not fit: szCurDir and szWorkDir are empty
    bool bModuleCut;      // the program path was cut to fit szModule
};

// Fills every start-up path from what the system reported. Nothing is ever
// written past a field: a start folder too long for its field (with room
// left for the working folder's file names) leaves both folders empty and
// sets bCurDirTooLong; a long program path is cut on a character boundary.
void BuildStartupPaths(const char *currentDir, const char *modulePath,
                       const char *windowsDir, StartupPaths *paths);

// The start folder with its one trailing backslash: appended unless the text
// from the second character on is exactly ":\" (a drive root).
std::string FolderWithSlash(const std::string &dir);

// Name of the mutex that numbers copy n (n = 0 for the first attempt): the
// program path followed by n in decimal, no number when n is 0. Object names
// may not hold a backslash, so each backslash that is a character of its own
// (not the trail byte of a double-byte character) becomes '/': copies of one
// program file still get one name per number.
std::string InstanceMutexName(const char *modulePath, unsigned n);
