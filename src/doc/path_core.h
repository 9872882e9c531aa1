// Path pieces of the documents: folder and name parts, extension
// replacement and the temporary name of a save. Paths are CP932 byte
// strings; a "\" that is the second byte of a double-byte character
// (as in 表 = 95 5C or ソ = 83 5C) is part of that character, never a
// separator. Every result goes into a caller's buffer of a given size:
// a result that does not fit is refused, never cut or overrun.
#pragma once
#include <cstddef>
#include <functional>

// Largest buffer the system's path functions use (terminator included).
enum { SYSTEM_PATH_SIZE = 260 };

// Asks the file system whether a path (file or folder) exists.
using PathPredicate = std::function<bool(const char *szPath)>;

// Offset of the first byte after the last real "\" of the path, 0 when the
// path has none.
size_t FindNameOffset(const char *szPath);

// The path up to and including its last "\" (empty when it has none) into
// szFolder of nSize bytes. Returns 1, or 0 with szFolder empty when the
// path does not fit a system path buffer or the folder does not fit nSize.
int GetFolderOfPath(const char *szPath, char *szFolder, size_t nSize);

// The part after the last "\" (the whole path when it has none) into
// szName of nSize bytes (64 for the file title), cut on a character
// boundary when longer. Returns 1, or 0 with szName empty when the path
// does not fit a system path buffer.
int GetNameOfPath(const char *szPath, char *szName, size_t nSize);

// The path with its extension replaced by szNewExt (which brings its own
// dot, as ".rc" or "3.bmp"): everything from the last "." of the file
// name on is replaced; a name without a dot gets szNewExt appended. A dot
// in a folder name never counts, nor one standing first in the path.
// Returns 1, or 0 with szOut empty when the result does not fit nSize.
int ReplaceExtension(const char *szPath, const char *szNewExt, char *szOut, size_t nSize);

// Name of the temporary file a save writes before it replaces szPath:
// "~sora<nTry>.tmp" in the same folder, so the final rename never crosses
// volumes. The caller raises nTry while a name is taken. Returns 1, or 0
// with szOut empty when the path has no folder or the name does not fit.
int MakeSaveTempPath(const char *szPath, unsigned nTry, char *szOut, size_t nSize);
