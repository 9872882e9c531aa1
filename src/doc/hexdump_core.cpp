#include "doc/hexdump_core.h"

#include <cstring>

const char szHexDumpHeader[] =
    "          00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F  0123456789ABCDEF\r\n\r\n";

size_t HexDumpHeaderLength()
{
    return sizeof szHexDumpHeader - 1;
}

// Width of the offset and hex part of a line ("%08x  " and 16 x "%02x ").
enum { HEX_PART_BYTES = 10 + 16 * 3 };

size_t HexDumpSize(size_t nSize)
{
    size_t rest = nSize % 16;
    return nSize / 16 * HEXDUMP_LINE_BYTES + (rest ? HEX_PART_BYTES + 1 + rest : 0);
}

static const char kHexDigits[] = "0123456789abcdef";

// Character shown for byte b in the character column; prev is the byte
// before it in the file, -1 at the start.
static char ShownChar(unsigned char b, int prev)
{
    if (b == 0)
        return '0';
    if (b == '\n')
        return prev == '\r' ? 'D' : 'A';
    return static_cast<char>(b);
}

// Writes one line of count (1 to 16) bytes of row, whose first byte lies at
// the file offset nOffset and follows the byte prev; returns the position
// after it.
static char *WriteLine(const unsigned char *row, uint64_t nOffset, size_t count, int prev, char *p)
{
    for (int shift = 28; shift >= 0; shift -= 4)
        *p++ = kHexDigits[(nOffset >> shift) & 0xF];
    *p++ = ' ';
    *p++ = ' ';
    for (size_t i = 0; i < 16; ++i) {
        if (i < count) {
            unsigned char b = row[i];
            *p++ = kHexDigits[b >> 4];
            *p++ = kHexDigits[b & 0xF];
        } else {
            *p++ = ' ';
            *p++ = ' ';
        }
        *p++ = ' ';
    }
    *p++ = ' ';
    for (size_t i = 0; i < count; ++i)
        *p++ = ShownChar(row[i], i ? row[i - 1] : prev);
    if (count == 16) {
        *p++ = '\r';
        *p++ = '\n';
    }
    return p;
}

size_t BuildHexDumpRows(const unsigned char *data, size_t nBytes, uint64_t nOffset, int nPrevByte,
                        char *out, size_t nCapacity)
{
    size_t need = HexDumpSize(nBytes);
    if (nCapacity < need + 1) {
        if (nCapacity > 0)
            out[0] = '\0';
        return 0;
    }
    char *p = out;
    for (size_t at = 0; at < nBytes; at += 16) {
        size_t count = nBytes - at < 16 ? nBytes - at : 16;
        p = WriteLine(data + at, nOffset + at, count, at ? data[at - 1] : nPrevByte, p);
    }
    *p = '\0';
    return p - out;
}

size_t BuildHexDump(const unsigned char *data, size_t nSize, char *out, size_t nCapacity)
{
    return BuildHexDumpRows(data, nSize, 0, -1, out, nCapacity);
}

std::string HexDumpText(const unsigned char *data, size_t nSize)
{
    size_t headerLen = HexDumpHeaderLength();
    std::string text(headerLen + HexDumpSize(nSize) + 1, '\0');
    std::memcpy(&text[0], szHexDumpHeader, headerLen);
    size_t len = BuildHexDump(data, nSize, &text[headerLen], text.size() - headerLen);
    text.resize(headerLen + len);
    return text;
}
