// Our lead-byte and alphanumeric tables against glibc's own CP932 decoder.
#include "common/cp932.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <cwctype>

namespace {

// Decodes bytes as CP932 into one UTF-32 character; false when iconv refuses.
bool Decode(const char *bytes, size_t n, char32_t &out)
{
    iconv_t cd = iconv_open("UTF-32LE", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    char in[4] = {0};
    for (size_t k = 0; k < n; ++k)
        in[k] = bytes[k];
    char buf[16];
    char *pin = in, *pout = buf;
    size_t inLeft = n, outLeft = sizeof buf;
    size_t r = iconv(cd, &pin, &inLeft, &pout, &outLeft);
    iconv_close(cd);
    if (r == static_cast<size_t>(-1) || inLeft != 0 || sizeof buf - outLeft != 4)
        return false;
    unsigned char *u = reinterpret_cast<unsigned char *>(buf);
    out = static_cast<char32_t>(u[0] | (u[1] << 8) | (u[2] << 16) | (u[3] << 24));
    return true;
}

} // namespace

TEST(Cp932Tables, LeadBytesMatchIconv)
{
    iconv_t probe = iconv_open("UTF-32LE", "CP932");
    if (probe == reinterpret_cast<iconv_t>(-1))
        GTEST_SKIP() << "no CP932 converter";
    iconv_close(probe);
    for (int b = 0x80; b < 0x100; ++b) {
        // A lead byte is one that iconv decodes together with some trail byte.
        bool pair = false;
        for (int t = 0x40; t <= 0xFC && !pair; ++t) {
            char two[2] = {static_cast<char>(b), static_cast<char>(t)};
            char32_t c;
            pair = Decode(two, 2, c);
        }
        // Rows without any assigned character are still lead bytes to the
        // system's stepping, though glibc decodes nothing there.
        bool emptyRow = b == 0x85 || b == 0x86 || b == 0xEB || b == 0xEC || b == 0xEF || (b >= 0xF0 && b <= 0xF9);
        EXPECT_EQ(cp932::IsLeadByte(static_cast<unsigned char>(b)), pair || emptyRow) << std::hex << b;
    }
}

TEST(Cp932Tables, AlphanumericBytesDecodeToLettersAndDigits)
{
    for (int b = 0; b < 0x100; ++b) {
        char one = static_cast<char>(b);
        char32_t c = 0;
        bool ok = !cp932::IsLeadByte(static_cast<unsigned char>(b)) && Decode(&one, 1, c);
        bool alnum = ok && ((c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') ||
                            (c >= 0xFF66 && c <= 0xFF9F));
        EXPECT_EQ(cp932::IsAlnumByte(static_cast<unsigned char>(b)), alnum) << std::hex << b;
    }
}
