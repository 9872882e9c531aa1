// File helpers shared by the sora-tool commands.
#pragma once
#include <string>

// Reads a whole file as raw bytes; on failure prints a message naming the
// file to stderr and returns false.
bool ReadWholeFile(const char *path, std::string &bytes);

// Writes bytes to stdout exactly as given (no newline translation).
void WriteStdout(const std::string &bytes);
