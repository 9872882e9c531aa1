// What the editor writes into the command interpreter's input pipe.
#pragma once
#include <cstddef>

// Longest command line taken from the DOS window's input line.
const size_t DOS_INPUT_LINE_MAX = 256;

// Bytes written to close the interpreter: a line break, "exit", a line break.
extern const char kDosExitInput[];

// Composes the bytes for one command line: a space, the line, "\r\n" (no
// terminating NUL goes down the pipe). An empty line sends a single space,
// which makes the interpreter show a fresh prompt. Returns the number of
// bytes in out (out is also NUL-terminated), or 0 when they would not fit
// in capacity bytes.
size_t ComposeDosInput(const char *szLine, char *out, size_t capacity);

// True when the command line is the interpreter's exit command: "exit" in
// any letter case as its first word, alone or followed by a blank or "/".
// A line that merely holds "exit" elsewhere ("cd exits") is no exit.
bool IsExitCommand(const char *szLine);
