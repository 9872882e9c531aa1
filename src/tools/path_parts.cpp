#include "tools/path_parts.h"

#include <cstring>

#include "common/cp932.h"

namespace {

// Upper-cases an ASCII letter.
char AsciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Length of path without its trailing backslashes (those that are not the
// second byte of a double-byte character).
size_t LengthWithoutTrailingBackslashes(const char *path)
{
    size_t nLen = std::strlen(path);
    while (nLen > 0 && path[nLen - 1] == '\\' && !cp932::IsTrailAt(path, nLen, nLen - 1))
        --nLen;
    return nLen;
}

// Compares a[0, nA) with b[0, nB) ignoring ASCII case outside trail bytes.
bool SameIgnoringCase(const char *a, size_t nA, const char *b, size_t nB)
{
    if (nA != nB)
        return false;
    size_t i = 0;
    while (i < nA) {
        size_t nChar = cp932::CharLength(a + i, a + nA);
        if (nChar == 1) {
            if (AsciiUpper(a[i]) != AsciiUpper(b[i]))
                return false;
        } else if (std::memcmp(a + i, b + i, nChar) != 0) {
            return false;
        }
        i += nChar;
    }
    return true;
}

} // namespace

/* Copies a prefix and a suffix into a bounded buffer. */
int CopyJoined(char *out, size_t capacity, const char *text, size_t nLen, const char *suffix)
{
    size_t nSuffix = std::strlen(suffix);
    if (capacity == 0)
        return 0;
    if (nLen + nSuffix + 1 > capacity) {
        out[0] = '\0';
        return 0;
    }
    std::memmove(out, text, nLen);
    std::memcpy(out + nLen, suffix, nSuffix + 1);
    return 1;
}

/* Splits a full path into folder (no trailing backslash) and file name. */
int SplitFullPath(const char *path, char *folder, size_t folderCap, char *name, size_t nameCap)
{
    size_t nName = FindNameOffset(path);
    if (path[nName] == '\0')
        return 0;
    size_t nFolder = nName;
    while (nFolder > 0 && path[nFolder - 1] == '\\' &&
           !cp932::IsTrailAt(path, nName, nFolder - 1))
        --nFolder;
    return CopyJoined(folder, folderCap, path, nFolder, "") &&
           CopyJoined(name, nameCap, path + nName, std::strlen(path + nName), "");
}

/* Writes a folder so that a closing double quote may follow it. */
int QuotableFolder(const char *folder, char *out, size_t capacity)
{
    if (folder[0] == '\0')
        return CopyJoined(out, capacity, ".", 1, "");
    size_t nLen = LengthWithoutTrailingBackslashes(folder);
    bool bRoot = nLen == 0 || (nLen == 2 && folder[1] == ':');
    return CopyJoined(out, capacity, folder, nLen, bRoot ? "\\." : "");
}

/* The drive letter of "X:..." paths. */
char PathDriveLetter(const char *path)
{
    char c = AsciiUpper(path[0]);
    if (c >= 'A' && c <= 'Z' && path[1] == ':')
        return c;
    return 0;
}

/* Folder comparison as the file system sees it (ASCII case, trailing "\\"). */
bool SameFolder(const char *a, const char *b)
{
    return SameIgnoringCase(a, LengthWithoutTrailingBackslashes(a), b,
                            LengthWithoutTrailingBackslashes(b));
}

/* File name comparison ignoring ASCII case. */
bool SameFileName(const char *a, const char *b)
{
    return SameIgnoringCase(a, std::strlen(a), b, std::strlen(b));
}
