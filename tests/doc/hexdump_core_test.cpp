#include "doc/hexdump_core.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

static std::string Dump(const std::string &bytes)
{
    return HexDumpText(reinterpret_cast<const unsigned char *>(bytes.data()), bytes.size());
}

static const std::string kHeader =
    "          00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F  0123456789ABCDEF\r\n\r\n";

TEST(HexDump, EmptyFileGivesTheHeaderOnly)
{
    EXPECT_EQ(Dump(""), kHeader);
    EXPECT_EQ(kHeader.size(), 79u);
    EXPECT_EQ(HexDumpSize(0), 0u);
}

TEST(HexDump, PartialLinesArePaddedAndHaveNoLineEnd)
{
    EXPECT_EQ(Dump("x"), kHeader + "00000000  78 " + std::string(15 * 3, ' ') + " x");

    std::string fifteen = "abcdefghijklmno";
    EXPECT_EQ(Dump(fifteen), kHeader + "00000000  61 62 63 64 65 66 67 68 69 6a 6b 6c 6d 6e 6f " +
                                 "    abcdefghijklmno");

    std::string sixteen = fifteen + "p";
    std::string fullLine = "00000000  61 62 63 64 65 66 67 68 69 6a 6b 6c 6d 6e 6f 70  abcdefghijklmnop\r\n";
    EXPECT_EQ(fullLine.size(), static_cast<size_t>(HEXDUMP_LINE_BYTES));
    EXPECT_EQ(Dump(sixteen), kHeader + fullLine);

    // 17 bytes: one full line, then one byte, 15 paddings, a blank, one character.
    EXPECT_EQ(Dump(sixteen + "\xff"),
              kHeader + fullLine + "00000010  ff " + std::string(45, ' ') + " \xff");
}

TEST(HexDump, ZeroBytesAndLineEndsInTheCharacterColumn)
{
    // Hex keeps the bytes; the column shows 0 for a zero byte, D for the
    // LF of CR LF, A for a lone LF (also at the very start of the file).
    std::string text = Dump(std::string("\na\0b\r\nc\n", 8));
    EXPECT_EQ(text, kHeader + "00000000  0a 61 00 62 0d 0a 63 0a " + std::string(24, ' ') + " Aa0b\rDcA");

    // A CR that ends one line still makes the LF opening the next one a D.
    std::string crossing = std::string(15, '-') + "\r\n";
    std::string dumped = Dump(crossing);
    EXPECT_EQ(dumped.substr(dumped.size() - 2), " D");
    EXPECT_NE(dumped.find("00000010  0a "), std::string::npos);
}

TEST(HexDump, LargestFileFitsItsExactSizeAndOffsetsRunOn)
{
    const size_t size = 1048575;
    std::vector<unsigned char> data(size);
    for (size_t i = 0; i < size; ++i)
        data[i] = static_cast<unsigned char>(i * 7 + (i >> 9));
    size_t need = HexDumpSize(size);
    EXPECT_EQ(need, size / 16 * 77 + 10 + 48 + 1 + 15);
    EXPECT_LE(need + 1, size * 6 + 256);

    // A block of exactly the size needed is filled to its last byte, no further.
    std::vector<char> out(need + 1 + 16, 'Z');
    ASSERT_EQ(BuildHexDump(data.data(), size, out.data(), need + 1), need);
    EXPECT_EQ(out[need], '\0');
    EXPECT_EQ(out[need + 1], 'Z');

    // Spot lines against a plain formatter: offset and the first byte.
    for (size_t line : {size_t(0), size_t(1), size_t(4095), size_t(65535)}) {
        char expect[32];
        std::snprintf(expect, sizeof expect, "%08zx  %02x ", line * 16, data[line * 16]);
        EXPECT_EQ(std::string(out.data() + line * 77, 13), expect) << line;
    }
    std::string last(out.data() + size / 16 * 77, need - size / 16 * 77);
    EXPECT_EQ(last.substr(0, 10), "000ffff0  ");
    EXPECT_EQ(last.substr(10 + 15 * 3, 4), "    ");  // one padding and the blank
}

TEST(HexDump, TooSmallBlockIsRefusedWithoutWriting)
{
    const unsigned char data[17] = {1, 2, 3};
    std::vector<char> out(200, 'Z');
    size_t need = HexDumpSize(17);
    EXPECT_EQ(BuildHexDump(data, 17, out.data(), need), 0u);
    EXPECT_EQ(out[0], '\0');
    EXPECT_EQ(out[1], 'Z');
}
