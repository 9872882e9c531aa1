// Opening and saving documents in every encoding: unedited text goes back
// byte for byte, and what cannot is counted, placed and refused.
#include <gtest/gtest.h>

#include "common/cp932_codec_iconv.h"
#include "common/document_encoding.h"

#include <string>

namespace {

const Cp932Codec &codec = IconvCp932Codec();

// CP932 lines: kanji, half-width katakana, NEC row 13 ①, the twin pairs
// 〜 ― ∥ － ￠ ￡ ￢ and 表 (a 0x5C trail byte).
const char *const kLines[] = {
    "int main(); // \x93\xFA\x96\x7B\x8C\xEA \xB6\xC0\xB6\xC5 \x87\x40",
    "\x81\x60\x81\x5C\x81\x61\x81\x7C\x81\x91\x81\x92\x81\xCA \x95\x5C",
    "",
    "return 0;",
};

std::string Sample(const char *const *ends)
{
    std::string s;
    for (size_t i = 0; i < 4; ++i)
        s += std::string(kLines[i]) + ends[i];
    return s;
}

struct RoundTrip {
    const char *name;
    unsigned twinForms;
    Iso2022Style iso;
};

} // namespace

TEST(DocumentEncoding, EveryEncodingBomAndLineEndRoundTrips)
{
    const char *crlf[] = {"\r\n", "\r\n", "\r\n", "\r\n"}, *lf[] = {"\n", "\n", "\n", "\n"},
               *cr[] = {"\r", "\r", "\r", "\r"}, *mixed[] = {"\r\n", "\n", "\r", ""};
    const RoundTrip kinds[] = {
        {"utf-8", 0, {}}, {"utf-8", 0x7F, {}}, {"utf-8-bom", 0x01, {}},
        {"utf-16le", 0, {}}, {"utf-16le-nobom", 0x7F, {}}, {"utf-16be", 0x40, {}}, {"utf-16be-nobom", 0, {}},
        {"euc-jp", 0, {}}, {"iso-2022-jp", 0, {'B', 'B', true}}, {"iso-2022-jp", 0, {'@', 'J', true}},
        {"iso-2022-jp", 0, {'B', 'B', false}},
    };
    for (const char *const *ends : {crlf, lf, cr, mixed}) {
        for (const RoundTrip &k : kinds) {
            DocumentEncoding doc;
            ASSERT_TRUE(EncodingFromName(k.name, doc.encoding, doc.bom));
            doc.twinForms = k.twinForms;
            doc.iso = k.iso;
            std::string text = Sample(ends);
            if (!k.iso.resetAtEnd)
                text += "\x95\x5C";  // ends in kanji: no final ESC ( B
            std::string bytes;
            SaveProblem problem;
            ASSERT_TRUE(EncodeDocument(text.data(), text.size(), doc, codec, bytes, problem)) << k.name;
            std::string what = std::string(k.name) + " ends " + ends[0] + ends[1];

            EncodingGuess guess = DetectTextEncoding(bytes.data(), bytes.size());
            EXPECT_EQ(guess.encoding, doc.encoding) << what;
            EXPECT_EQ(guess.bom, doc.bom) << what;
            DocumentEncoding read = DocumentEncodingOf(guess);
            std::string back;
            ConversionReport report;
            DecodeDocument(bytes.data(), bytes.size(), read, codec, back, report);
            EXPECT_EQ(back, text) << what;
            EXPECT_TRUE(IsExact(report)) << what << ": " << ConversionMessage(read, report);
            EXPECT_EQ(read.twinForms, doc.twinForms) << what;
            EXPECT_EQ(read.iso.kanjiFinal, doc.iso.kanjiFinal) << what;
            EXPECT_EQ(read.iso.romanFinal, doc.iso.romanFinal) << what;
            EXPECT_EQ(read.iso.resetAtEnd, doc.iso.resetAtEnd) << what;
        }
    }
}

TEST(DocumentEncoding, WhatThePaneCannotHoldIsCountedAndPlaced)
{
    struct Case {
        const char *what, *encoding;
        std::string bytes;
        const char *text;
        size_t unmappable, invalid;
        size_t offset, line;  // first problem
    } cases[] = {
        // ©, é, an emoji, 𠮷 and a Hangul syllable: never best-fitted.
        {"no cp932 form", "utf-8-bom", "\xEF\xBB\xBF" "a\n\xC2\xA9 \xC3\xA9\xF0\x9F\x98\x80\xF0\xA0\xAE\xB7\xED\x95\x9C\xC2\xA5",
         "a\n? ?????", 6, 0, 5, 2},
        {"bad utf-8", "utf-8", "ab\r\n\xE8\xA1z\xFF", "ab\r\n?z?", 0, 2, 4, 2},
        {"utf-16 lone surrogate", "utf-16le", std::string("\xFF\xFE" "a\0\r\0\n\0\x00\xDC", 10), "a\r\n?", 0, 1, 8, 2},
        {"euc-jp jis x 0212", "euc-jp", "\xC9\xBD\n\x8F\xB0\xA1", "\x95\x5C\n?", 1, 0, 3, 2},
        {"iso-2022-jp jis x 0212", "iso-2022-jp", "\x1B$(D0!0\"\x1B(B", "??", 2, 0, 4, 1},
        {"cp932 undefined bytes", "cp932", "ok\n\x85\x40\xA0", "ok\n\x85\x40\xA0", 0, 2, 3, 2},
    };
    for (const Case &c : cases) {
        DocumentEncoding doc;
        ASSERT_TRUE(EncodingFromName(c.encoding, doc.encoding, doc.bom));
        std::string text;
        ConversionReport r;
        DecodeDocument(c.bytes.data(), c.bytes.size(), doc, codec, text, r);
        EXPECT_EQ(text, c.text) << c.what;
        EXPECT_EQ(r.unmappable, c.unmappable) << c.what;
        EXPECT_EQ(r.invalid, c.invalid) << c.what;
        const TextPlace &first = c.unmappable ? r.firstUnmappable : r.firstInvalid;
        EXPECT_EQ(first.offset, c.offset) << c.what;
        EXPECT_EQ(first.line, c.line) << c.what;
        EXPECT_FALSE(IsExact(r)) << c.what;
        EXPECT_FALSE(ConversionMessage(doc, r).empty()) << c.what;
    }
    // A twin pair in both forms (〜 and ～) cannot go back as the file had it.
    DocumentEncoding doc{TextEncoding::Utf8, false, 0, {}};
    std::string text;
    ConversionReport r;
    DecodeDocument("\xE3\x80\x9C\xEF\xBD\x9E", 6, doc, codec, text, r);
    EXPECT_EQ(text, "\x81\x60\x81\x60");
    EXPECT_TRUE(r.mixedTwins);
    EXPECT_FALSE(r.exact);
    // A redundant escape is legal ISO-2022-JP but would not be written again.
    doc = DocumentEncoding{TextEncoding::Iso2022Jp, false, 0, {}};
    DecodeDocument("\x1B(Ba\x1B$B4A\x1B(B", 12, doc, codec, text, r);
    EXPECT_EQ(text, "a\x8A\xBF");
    EXPECT_FALSE(r.exact);
    EXPECT_EQ(r.firstDifference.offset, 0u);
}

TEST(DocumentEncoding, SaveRefusesWhatTheTargetCannotHold)
{
    struct Case {
        const char *what, *encoding, *text;
        SaveProblemKind kind;
        size_t offset, line;
    } cases[] = {
        {"ibm extension into euc-jp", "euc-jp", "ab\r\n\x95\x5C\xFA\x40", SaveProblemKind::NoForm, 6, 2},
        {"nec-selected ibm into iso-2022-jp", "iso-2022-jp", "\n\n\xED\x40", SaveProblemKind::NoForm, 2, 3},
        {"undefined code into utf-8", "utf-8", "x\x85\x40", SaveProblemKind::InvalidCp932, 1, 1},
        {"lone lead byte into utf-16", "utf-16le", "x\n\x95", SaveProblemKind::InvalidCp932, 2, 2},
        {"undefined byte into euc-jp", "euc-jp", "\xFD", SaveProblemKind::InvalidCp932, 0, 1},
    };
    for (const Case &c : cases) {
        DocumentEncoding doc;
        ASSERT_TRUE(EncodingFromName(c.encoding, doc.encoding, doc.bom));
        std::string bytes = "old";
        SaveProblem p;
        EXPECT_FALSE(EncodeDocument(c.text, strlen(c.text), doc, codec, bytes, p)) << c.what;
        EXPECT_TRUE(bytes.empty()) << c.what;
        EXPECT_EQ(p.kind, c.kind) << c.what;
        EXPECT_EQ(p.place.offset, c.offset) << c.what;
        EXPECT_EQ(p.place.line, c.line) << c.what;
        EXPECT_FALSE(SaveProblemMessage(doc, p).empty()) << c.what;
    }
    // Raw CP932 documents are written as they are, whatever they hold.
    DocumentEncoding raw;
    std::string bytes;
    SaveProblem p;
    EXPECT_TRUE(EncodeDocument("\x85\x40\xFF", 3, raw, codec, bytes, p));
    EXPECT_EQ(bytes, "\x85\x40\xFF");
}
