// The binary viewer's dump text: one line per 16 bytes with the offset,
// the bytes in hex and a character column, under a fixed header.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// The header put above the dump (79 bytes, ends with two line ends).
extern const char szHexDumpHeader[];
size_t HexDumpHeaderLength();

// Bytes in one full dump line: "%08x  ", 16 x "%02x ", " ", 16 characters, "\r\n".
enum { HEXDUMP_LINE_BYTES = 77 };

// Exact length of the dump of nSize bytes, header and terminator excluded.
size_t HexDumpSize(size_t nSize);

// Writes the dump of data[0, nSize) and a terminator into out of nCapacity
// bytes and returns its length. In the character column a zero byte shows
// as "0", a line feed as "D" after a carriage return and as "A" otherwise;
// the last partial line is padded with "   " per missing byte and has no
// line end. When nCapacity is below HexDumpSize(nSize) + 1 nothing is
// written but an empty text (when there is room for it) and 0 is returned.
size_t BuildHexDump(const unsigned char *data, size_t nSize, char *out, size_t nCapacity);

// The same for the rows of a part of a file: data[0, nBytes) lies at the
// file offset nOffset (a multiple of 16, below 4 GiB) and follows the byte
// nPrevByte of the file (-1 at its start), which decides whether a leading
// line feed shows as "D". A partial row may only end the file.
size_t BuildHexDumpRows(const unsigned char *data, size_t nBytes, uint64_t nOffset, int nPrevByte,
                        char *out, size_t nCapacity);

// The whole text the viewer shows: the header followed by the dump.
std::string HexDumpText(const unsigned char *data, size_t nSize);
