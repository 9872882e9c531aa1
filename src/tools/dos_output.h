// The DOS window's output pane: assembling the reader's chunks and keeping
// the pane to the newest text.
#pragma once
#include <cstddef>

// Size of the reader's buffer and the most it reads at once.
const size_t DOS_READ_BUFFER = 4096;
const size_t DOS_READ_MAX = DOS_READ_BUFFER - 1;

// The pane is trimmed when its text grows beyond this many bytes ...
const size_t DOS_OUTPUT_LIMIT = 25000;
// ... by at least this many bytes from the front, replaced by "\r\n".
const size_t DOS_OUTPUT_CUT = 10000;

// Carry between two reads: a lead byte whose second byte has not come yet.
struct DosChunkCarry {
    char chLead;
    bool bHeld;
};

// Turns one read (pChunk, nChunk bytes) into text to append: a held lead
// byte from the last read goes first, a lead byte at the very end is held
// back for the next read, so a double-byte character is never split between
// two appends; NUL bytes become spaces so that the text is not cut short.
// out needs nChunk + 2 bytes; it is NUL-terminated. Returns its length.
size_t AssembleDosChunk(DosChunkCarry *carry, const char *pChunk, size_t nChunk, char *out);

// Text left in the carry when the pipe is drained (0 or 1 byte into out,
// which needs 2 bytes). Returns its length.
size_t FlushDosChunk(DosChunkCarry *carry, char *out);

// How to trim the pane: replace its first nCutBytes bytes (nCutChars
// characters, counting a double-byte character once) by "\r\n".
struct DosTrimPlan {
    size_t nCutBytes;
    size_t nCutChars;
};

// Plans the trim for the pane's text. Nothing is cut (0, 0) until the text
// exceeds DOS_OUTPUT_LIMIT bytes; then at least DOS_OUTPUT_CUT bytes go, and
// enough that the rest with the "\r\n" fits the limit. The cut ends after a
// line break when one lies within the next 256 bytes, and never splits a
// double-byte character.
DosTrimPlan PlanDosTrim(const char *text, size_t nLen);
