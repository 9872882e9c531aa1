// Whole-file reading and writing for the workspace files: the parked pane
// texts and the settings files.
#pragma once
#include <windows.h>

#include <string>

// Creates or overwrites the file with bytes[0, n) and cuts it there.
// FALSE when any step failed (the file may then be incomplete).
BOOL WriteFileBytes(const char *szPath, const void *pBytes, size_t n);

// Writes the bytes to szPath + ".tmp<instance>" and then moves that over szPath, so
// that a failure at any point leaves the old file whole. FALSE on failure
// (the temporary file is removed).
BOOL WriteFileReplacing(const char *szPath, const void *pBytes, size_t n);

// The whole file into out. FALSE when it cannot be opened or read.
BOOL ReadFileBytes(const char *szPath, std::string &out);

// TRUE when the path names an existing file (not a folder).
BOOL FileExists(const char *szPath);
// TRUE when the path names an existing folder.
BOOL FolderExists(const char *szPath);
