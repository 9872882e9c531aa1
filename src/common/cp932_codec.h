// The system's CP932 <-> UTF-16 code-unit mapping, handed to the Unicode
// converters: kernel32 in the program, iconv in sora-tool and the tests.
#pragma once
#include <cstddef>
#include <string>

struct Cp932Codec {
    // CP932 bytes to UTF-16 code units appended to out; false when a byte
    // sequence is not valid CP932.
    bool (*toUtf16)(const char *in, size_t len, std::u16string &out);
    // UTF-16 code units to CP932 appended to out, never by best fit; false
    // when some unit has no CP932 form.
    bool (*fromUtf16)(const char16_t *in, size_t len, std::string &out);
};
