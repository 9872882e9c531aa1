// Bounded reading and writing of the stored blocks of the settings files:
// 32-bit little-endian integers, single bytes, raw byte runs and
// zero-terminated CP932 texts, field after field without padding. The
// reader never trusts the file: every field is checked against the bytes
// left, and the first one that does not fit is recorded with its offset.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Where a stored file stopped making sense.
struct BlockDamage {
    bool bDamaged = false;
    int nField = 0;              // number of the damaged field (file-specific), 0 when none
    const char *szField = "";    // its name
    const char *szReason = "";   // what was wrong
    size_t nOffset = 0;          // byte offset of the damaged field in the file
};

struct BlockReader {
    const unsigned char *pData;
    size_t nSize;
    size_t nPos;
};

// A reader over bytes[0, nSize).
BlockReader MakeBlockReader(const void *pBytes, size_t nSize);

// Bytes not read yet.
size_t BytesLeft(const BlockReader &r);

// Each reads one field and advances; false (nothing consumed) when the
// field does not fit in the bytes left.
bool ReadU8(BlockReader &r, uint8_t &value);
bool ReadU32(BlockReader &r, uint32_t &value);
bool ReadBytes(BlockReader &r, void *pOut, size_t nCount);

// Reads a zero-terminated text. False when no terminator is left in the
// data. A text longer than nMaxLen bytes is consumed whole but kept cut on
// a character boundary to nMaxLen bytes, and bCut is set.
bool ReadText(BlockReader &r, std::string &text, size_t nMaxLen, bool &bCut);

// Records the damage (only the first one counts) and returns false.
bool MarkDamage(BlockDamage &damage, int nField, const char *szField,
                const char *szReason, size_t nOffset);

// Appenders of the same fields to an output byte string.
void AppendU8(std::string &out, uint8_t value);
void AppendU32(std::string &out, uint32_t value);
void AppendBytes(std::string &out, const void *pBytes, size_t nCount);

// Appends a text cut on a character boundary to nMaxLen bytes (and at an
// embedded NUL), then its terminator.
void AppendText(std::string &out, const std::string &text, size_t nMaxLen);
