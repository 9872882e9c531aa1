// Conversion cases run with each CP932 code-unit mapping: iconv natively,
// kernel32 under Wine. Both must give the same CP932 text and counts.
#pragma once
#include <gtest/gtest.h>

#include "common/cp932.h"
#include "common/cp932_validity.h"
#include "common/document_encoding.h"

#include <string>

struct UnicodeCase {
    const char *what, *utf8, *cp932;
    size_t unmappable;
};

const UnicodeCase kUnicodeCases[] = {
    {"kanji, kana, half-width katakana", "\xE6\x97\xA5\xE6\x9C\xAC\xE3\x81\x82\xEF\xBD\xB6", "\x93\xFA\x96\x7B\x82\xA0\xB6", 0},
    {"jis forms of the twin pairs", "\xE3\x80\x9C\xE2\x80\x96\xE2\x88\x92\xC2\xA2\xC2\xA3\xC2\xAC\xE2\x80\x94",
     "\x81\x60\x81\x61\x81\x7C\x81\x91\x81\x92\x81\xCA\x81\x5C", 0},
    {"microsoft forms of the twin pairs", "\xEF\xBD\x9E\xE2\x88\xA5\xEF\xBC\x8D\xEF\xBF\xA0\xEF\xBF\xA1\xEF\xBF\xA2\xE2\x80\x95",
     "\x81\x60\x81\x61\x81\x7C\x81\x91\x81\x92\x81\xCA\x81\x5C", 0},
    {"nec row 13 and ibm extensions", "\xE2\x91\xA0\xE2\x85\xA0\xE2\x85\xB0\xE7\xBA\x8A", "\x87\x40\x87\x54\xFA\x40\xFA\x5C", 0},
    {"table 0x5C trail and backslash", "\xE8\xA1\xA8\\", "\x95\x5C\\", 0},
    {"no best fit", "\xC2\xA9\xC3\xA9\xC2\xA5\xE2\x80\xBE\xF0\x9F\x98\x80\xF0\xA0\xAE\xB7\xED\x95\x9C", "???????", 7},
    {"user-defined area", "\xEE\x80\x80", "\xF0\x40", 0},
};

// Every case opened as UTF-8 and, when exact, saved back to its bytes.
inline void CheckUnicodeCases(const Cp932Codec &codec)
{
    for (const UnicodeCase &c : kUnicodeCases) {
        DocumentEncoding doc{TextEncoding::Utf8, false, 0, {}};
        std::string text, back;
        ConversionReport report;
        std::string utf8 = c.utf8;
        DecodeDocument(utf8.data(), utf8.size(), doc, codec, text, report);
        EXPECT_EQ(text, c.cp932) << c.what;
        EXPECT_EQ(report.unmappable, c.unmappable) << c.what;
        if (c.unmappable)
            continue;
        EXPECT_TRUE(IsExact(report)) << c.what;
        SaveProblem problem;
        ASSERT_TRUE(EncodeDocument(text.data(), text.size(), doc, codec, back, problem)) << c.what;
        EXPECT_EQ(back, utf8) << c.what;
    }
}

// The codec decodes exactly the codes the editor's table defines, and every
// one of them goes to UTF-16 and back (NEC/IBM twins to their one code).
inline void CheckWholeTable(const Cp932Codec &codec)
{
    std::string all;
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead)
        for (unsigned t = 0x40; t <= 0xFC && cp932::IsLeadByte(static_cast<unsigned char>(lead)); ++t) {
            char pair[2] = {static_cast<char>(lead), static_cast<char>(t)};
            std::u16string units;
            bool defined = cp932::IsDefinedPair(static_cast<unsigned char>(lead), static_cast<unsigned char>(t));
            EXPECT_EQ(codec.toUtf16(pair, 2, units), defined) << std::hex << lead << " " << t;
            if (defined)
                all.append(pair, 2);
        }
    EXPECT_EQ(all.size(), 2 * 9604u);
    DocumentEncoding doc{TextEncoding::Utf16Le, true, 0, {}};
    std::string bytes, text, again;
    SaveProblem problem;
    ASSERT_TRUE(EncodeDocument(all.data(), all.size(), doc, codec, bytes, problem));
    ConversionReport report;
    DecodeDocument(bytes.data(), bytes.size(), doc, codec, text, report);
    EXPECT_TRUE(IsExact(report)) << ConversionMessage(doc, report);
    ASSERT_TRUE(EncodeDocument(text.data(), text.size(), doc, codec, again, problem));
    EXPECT_TRUE(again == bytes);
}
