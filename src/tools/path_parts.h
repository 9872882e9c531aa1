// CP932-aware pieces of Windows paths for the tool command lines, on top of
// the document path helpers (FindNameOffset, ReplaceExtension). A 0x5C byte
// that is the second byte of a double-byte character is no separator.
#pragma once
#include <cstddef>

#include "doc/path_core.h"

// Copies text[0, nLen) and then suffix into out (capacity bytes). Returns 1,
// or 0 when it would not fit (out is then empty).
int CopyJoined(char *out, size_t capacity, const char *text, size_t nLen, const char *suffix);

// Splits a full path into its folder without the trailing backslash and its
// file name. Returns 1, or 0 when there is no file name or a part does not fit.
int SplitFullPath(const char *path, char *folder, size_t folderCap, char *name, size_t nameCap);

// A folder written so that it can stand between double quotes on a command
// line: trailing backslashes removed (a backslash before the closing quote
// would escape it); a root ("X:\\" or "\\") becomes "X:\\." so that it still
// names the root, an empty folder ".". Returns 1, or 0 when it would not fit.
int QuotableFolder(const char *folder, char *out, size_t capacity);

// The drive letter of a path "X:...", or 0 when it has none.
char PathDriveLetter(const char *path);

// Compares two folders ignoring ASCII letter case and trailing backslashes.
bool SameFolder(const char *a, const char *b);

// Compares two file names ignoring ASCII letter case (not in trail bytes).
bool SameFileName(const char *a, const char *b);
