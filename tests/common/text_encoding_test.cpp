// Detection of a file's encoding from its bytes.
#include <gtest/gtest.h>

#include "common/text_encoding.h"

#include <string>

namespace {

struct Case {
    const char *what;
    std::string bytes;
    const char *name;
    bool unsure;
};

std::string S(const char *s, size_t n) { return std::string(s, n); }

/* UTF-16 of a 7-bit string, little or big endian. */
std::string Wide(const std::string &s, bool le)
{
    std::string w;
    for (char c : s) {
        w += le ? c : '\0';
        w += le ? '\0' : c;
    }
    return w;
}

} // namespace

TEST(TextEncodingDetect, Matrix)
{
    const std::string script = "IDD_ABOUT DIALOGEX 0, 0, 170, 62\r\nCAPTION \"About\"\r\n";
    // U+7248 版, U+4E00 一 (a zero low byte) amid a UTF-16LE script.
    const std::string japaneseLe = Wide("CAPTION \"", true) + S("\x48\x72\x00\x4E", 4) + Wide("\"\r\n", true);
    const Case cases[] = {
        {"empty", "", "ascii", false},
        {"one letter", "a", "ascii", false},
        {"utf-8 bom", "\xEF\xBB\xBFint x;\n", "utf-8-bom", false},
        {"utf-16le bom", "\xFF\xFE" + Wide(script, true), "utf-16le", false},
        {"utf-16be bom", "\xFE\xFF" + Wide(script, false), "utf-16be", false},
        {"bom-less utf-16le script", Wide(script, true), "utf-16le", false},
        {"bom-less utf-16be script", Wide(script, false), "utf-16be", false},
        {"bom-less utf-16le with zero low bytes", japaneseLe, "utf-16le", false},
        {"odd-length utf-16le", Wide(script, true) + "x", "ascii", false},
        {"lone surrogate", Wide("ab", true) + S("\x00\xD8", 2) + Wide("cd", true), "cp932", false},
        {"cp932 with a stray zero byte", "\x95\x5C text text text text text" + S("\0", 1) + "text text text!!", "cp932", false},
        {"one kanji cp932", "\x95\x5C", "cp932", false},
        {"one japanese word utf-8", "int x; // \xE6\x97\xA5\xE6\x9C\xAC\n", "utf-8", false},
        {"one utf-8 character, also cp932", "x = 1; // \xE6\x97\xA5\n", "utf-8", true},
        {"4-byte utf-8", "// \xF0\x9F\x98\x80 \xF0\xA0\xAE\xB7\n", "utf-8", false},
        {"half-width katakana cp932", "s = \"\xB1\xB2\xB3\";\n", "cp932", false},
        {"nec row 13 cp932", "// \x87\x40\x87\x90\n", "cp932", false},
        {"ibm extension cp932", "// \xFA\x40\xFB\xFC\n", "cp932", false},
        {"twin pairs utf-8", "\xE3\x80\x9C\xEF\xBD\x9E\xE2\x80\x94\xE2\x80\x95\n", "utf-8", false},
        {"euc-jp kanji", "/* \xC6\xFC\xCB\xDC */\n", "euc-jp", false},
        {"euc-jp kana also cp932", "\xA4\xA2\xA4\xA4\xA4\xA6\n", "euc-jp", false},
        {"euc-jp one kana", "x \xA4\xA2\n", "euc-jp", true},
        {"euc-jp 8E and 8F", "\x8E\xB1\x8F\xB0\xA1\xC6\xFC\n", "euc-jp", false},
        {"iso-2022-jp", "a \x1B$B4A;z\x1B(B b\n", "iso-2022-jp", false},
        {"iso-2022-jp esc ( J and esc ( I", "\x1B$@4A\x1B(J\\\x1B(I1\x1B(J\n", "iso-2022-jp", false},
        {"iso-2022-jp missing final esc ( B", "a \x1B$B4A;z", "iso-2022-jp", false},
        {"7-bit with a stray esc", "\x1B[0m text\n", "ascii", false},
        {"undefined cp932 single byte", "a\xA0" "b", "cp932", false},
    };
    for (const Case &c : cases) {
        EncodingGuess g = DetectTextEncoding(c.bytes.data(), c.bytes.size());
        EXPECT_STREQ(EncodingName(g.encoding, g.bom), c.name) << c.what;
        EXPECT_EQ(g.unsure, c.unsure) << c.what;
        EXPECT_EQ(g.refusal, nullptr) << c.what;
    }
}

TEST(TextEncodingDetect, RefusalsAndInvalidPlaces)
{
    for (const std::string &bom : {S("\xFF\xFE\0\0", 4), S("\0\0\xFE\xFF", 4)}) {
        EncodingGuess g = DetectTextEncoding((bom + S("a\0\0\0", 4)).data(), 8);
        ASSERT_NE(g.refusal, nullptr);
        EXPECT_NE(std::string(g.refusal).find("UTF-32"), std::string::npos);
    }
    // Binary: every byte once. Nothing decodes it; the first undefined CP932
    // byte (0x80) is named for the caller's overwrite refusal.
    std::string binary;
    for (int b = 0; b < 256; ++b)
        binary += static_cast<char>(b);
    EncodingGuess g = DetectTextEncoding(binary.data(), binary.size());
    EXPECT_EQ(g.encoding, TextEncoding::Cp932);
    EXPECT_EQ(g.firstInvalid.offset, 0x80u);
    EXPECT_EQ(g.firstInvalid.line, 3u);  // after 0x0A and 0x0D
    // An undefined double-byte code on line 2 of a CP932 file.
    g = DetectTextEncoding("\x95\x5C\r\nab\x85\x40", 8);
    EXPECT_EQ(g.encoding, TextEncoding::Cp932);
    EXPECT_EQ(g.firstInvalid.offset, 6u);
    EXPECT_EQ(g.firstInvalid.line, 2u);
}

TEST(TextEncodingDetect, NamesAndLines)
{
    TextEncoding e;
    bool bom;
    for (const char *name : {"ascii", "cp932", "utf-8", "utf-8-bom", "utf-16le", "utf-16be", "euc-jp", "iso-2022-jp"}) {
        ASSERT_TRUE(EncodingFromName(name, e, bom)) << name;
        EXPECT_STREQ(EncodingName(e, bom), name);
    }
    EXPECT_FALSE(EncodingFromName("koi8-r", e, bom));
    // CR LF, LF and CR each end one line; UTF-16 counts units.
    EXPECT_EQ(LineAtOffset("a\r\nb\nc\rd", 8, TextEncoding::Cp932, 7), 4u);
    std::string w = Wide("a\r\nb\rc", true);
    EXPECT_EQ(LineAtOffset(w.data(), w.size(), TextEncoding::Utf16Le, 10), 3u);
    EXPECT_EQ(LineAtOffset(w.data(), w.size(), TextEncoding::Utf16Le, 4), 1u);
}
