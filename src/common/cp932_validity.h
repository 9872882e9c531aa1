// Which byte sequences code page 932 defines: the pane holds only these, so
// a file read as CP932 that has others cannot be written back unchanged.
#pragma once
#include <cstddef>

namespace cp932 {

// A single byte CP932 defines: everything but the lead bytes and the
// undefined 0x80, 0xA0 and 0xFD-0xFF.
bool IsDefinedSingle(unsigned char b);

// A double-byte code CP932 defines (including the NEC and IBM extensions
// and the user-defined area 0xF040-0xF9FC).
bool IsDefinedPair(unsigned char lead, unsigned char trail);

// Offset of the first byte sequence in p[0, len) that CP932 does not
// define, or len when every one is defined.
size_t FirstUndefined(const char *p, size_t len);

} // namespace cp932
