// File helpers shared by the sora-tool commands.
#pragma once
#include <string>

// Reads a whole file as raw bytes; on failure prints a message naming the
// file to stderr and returns false.
bool ReadWholeFile(const char *path, std::string &bytes);

// Writes bytes to stdout exactly as given (no newline translation).
void WriteStdout(const std::string &bytes);

// A JSON string (RFC 8259) of text in a Windows code page (932 for CP932,
// 65001 for UTF-8): converted to UTF-8 (a sequence not valid in the code
// page becomes "?"), then quote, backslash and control characters escaped.
// A CP932 0x5C trail byte is part of its character, not a backslash.
std::string JsonString(const char *text, unsigned codePage);
