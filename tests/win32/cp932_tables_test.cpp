// Our CP932 byte tables against the system's own answers (run with ACP 932).
#include <windows.h>

#include <gtest/gtest.h>

#include "common/cp932.h"

TEST(Cp932SystemTables, LeadBytesMatchTheSystem)
{
    for (int b = 0; b < 256; ++b) {
        BYTE byte = static_cast<BYTE>(b);
        EXPECT_EQ(cp932::IsLeadByte(byte), IsDBCSLeadByteEx(932, byte) != FALSE) << "byte " << b;
    }
}

TEST(Cp932SystemTables, ForwardAndBackwardSteppingMatchTheSystem)
{
    for (int b = 1; b < 256; ++b) {
        for (int t : {0x00, 0x40, 0x5C, 0x7B, 0x7D, 0x7E, 0x80, 0xA0, 0xFC}) {
            char s[4] = {static_cast<char>(b), static_cast<char>(t), 'z', 0};
            size_t len = t == 0 ? 1 : 3;
            LPSTR next = CharNextExA(932, s, 0);
            size_t ours = cp932::NextCharOffset(s, len, 0);
            EXPECT_EQ(static_cast<size_t>(next - s), ours) << "bytes " << b << " " << t;
            if (t == 0)
                continue;
            // The character before the final 'z'.
            LPSTR prev = CharPrevExA(932, s, s + 2, 0);
            EXPECT_EQ(static_cast<size_t>(prev - s), cp932::PrevCharOffset(s, 2)) << "bytes " << b << " " << t;
        }
    }
}

TEST(Cp932SystemTables, AlphanumericBytesMatchTheSystem)
{
    ASSERT_EQ(GetACP(), 932u) << "run with the ANSI code page 932";
    for (int b = 1; b < 256; ++b) {
        CHAR c = static_cast<CHAR>(b);
        EXPECT_EQ(cp932::IsAlnumByte(static_cast<unsigned char>(b)), IsCharAlphaNumericA(c) != FALSE)
            << "byte " << b;
    }
}
