// The converters against the C library's iconv over the whole CP932 table.
#include <gtest/gtest.h>

#include "common/cp932.h"
#include "common/cp932_codec_iconv.h"
#include "common/cp932_validity.h"
#include "common/document_encoding.h"
#include "encoding_cases.h"

#include <iconv.h>
#include <string>

namespace {

/* The whole input through iconv; false when it refuses any of it. */
bool Iconv(const char *to, const char *from, const std::string &in, std::string &out)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1))
        return false;
    out.assign(in.size() * 4 + 16, '\0');
    char *src = const_cast<char *>(in.data()), *dst = &out[0];
    size_t left = in.size(), room = out.size();
    bool ok = iconv(cd, &src, &left, &dst, &room) != size_t(-1) && iconv(cd, nullptr, nullptr, &dst, &room) != size_t(-1);
    out.resize(dst - out.data());
    iconv_close(cd);
    return ok;
}

/* UTF-16LE with every twin pair in its CP932 form, for comparing readings. */
std::string TwinsFolded(std::string utf16)
{
    static const unsigned kPairs[][2] = {{0x301C, 0xFF5E}, {0x2016, 0x2225}, {0x2212, 0xFF0D}, {0x00A2, 0xFFE0},
                                         {0x00A3, 0xFFE1}, {0x00AC, 0xFFE2}, {0x2014, 0x2015}};
    for (size_t i = 0; i + 1 < utf16.size(); i += 2) {
        unsigned u = static_cast<unsigned char>(utf16[i]) | static_cast<unsigned char>(utf16[i + 1]) << 8;
        for (const auto &p : kPairs)
            if (u == p[0]) {
                utf16[i] = static_cast<char>(p[1] & 0xFF);
                utf16[i + 1] = static_cast<char>(p[1] >> 8);
            }
    }
    return utf16;
}

/* Every double-byte code CP932 defines with the given lead byte. */
std::string CodesOfLead(unsigned lead)
{
    std::string s;
    for (unsigned t = 0x40; t <= 0xFC; ++t)
        if (cp932::IsDefinedPair(static_cast<unsigned char>(lead), static_cast<unsigned char>(t))) {
            s += static_cast<char>(lead);
            s += static_cast<char>(t);
        }
    return s;
}

const unsigned kLeads[] = {0x81, 0x82, 0x83, 0x84, 0x87, 0x88, 0x89, 0x8A, 0x8B, 0x8C, 0x8D, 0x8E, 0x8F, 0x90,
                           0x91, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9A, 0x9B, 0x9C, 0x9D, 0x9E,
                           0x9F, 0xE0, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8, 0xE9, 0xEA};

} // namespace

TEST(EncodingAgainstIconv, DefinedSingleBytesAreIconvsCp932)
{
    // The double-byte codes are checked through the codec by CheckWholeTable.
    for (unsigned b = 0x80; b <= 0xFF; ++b) {
        std::string out;
        if (!cp932::IsLeadByte(static_cast<unsigned char>(b))) {
            EXPECT_EQ(cp932::IsDefinedSingle(static_cast<unsigned char>(b)),
                      Iconv("UTF-16LE", "CP932", std::string(1, static_cast<char>(b)), out))
                << std::hex << b;
        }
    }
}

TEST(EncodingAgainstIconv, EucJpAndIso2022JpReadAsIconvReadsThem)
{
    // JIS X 0208 rows and NEC row 13 (EUC-JP-MS holds row 13, ISO-2022-JP does
    // not), then the user-defined area for EUC-JP-MS.
    std::string all;
    for (unsigned lead : kLeads)
        all += CodesOfLead(lead);
    std::string user;
    for (unsigned lead = 0xF0; lead <= 0xF4; ++lead)
        user += CodesOfLead(lead);
    const Cp932Codec &codec = IconvCp932Codec();
    for (const char *name : {"euc-jp", "iso-2022-jp"}) {
        DocumentEncoding doc;
        ASSERT_TRUE(EncodingFromName(name, doc.encoding, doc.bom));
        for (const std::string *text : {&all, &user}) {
            bool iso = doc.encoding == TextEncoding::Iso2022Jp;
            std::string jis, expected, theirs, back;
            SaveProblem problem;
            ASSERT_TRUE(EncodeDocument(text->data(), text->size(), doc, codec, jis, problem)) << name;
            ASSERT_TRUE(Iconv("UTF-16LE", "CP932", *text, expected));
            if (iso) {
                // iconv's ISO-2022-JP has neither row 13 nor the user-defined rows.
                if (text == &user)
                    continue;
                std::string plain;
                for (size_t i = 0; i < text->size(); i += 2)
                    if ((*text)[i] != '\x87')
                        plain += text->substr(i, 2);
                ASSERT_TRUE(EncodeDocument(plain.data(), plain.size(), doc, codec, jis, problem));
                ASSERT_TRUE(Iconv("UTF-16LE", "CP932", plain, expected));
            }
            ASSERT_TRUE(Iconv("UTF-16LE", iso ? "ISO-2022-JP" : "EUC-JP-MS", jis, theirs)) << name;
            EXPECT_TRUE(TwinsFolded(theirs) == TwinsFolded(expected)) << name;
            ConversionReport report;
            DecodeDocument(jis.data(), jis.size(), doc, codec, back, report);
            EXPECT_TRUE(IsExact(report)) << name;
        }
    }
}

TEST(EncodingAgainstIconv, UnicodeThroughTheCodecIsIconvsUtf8)
{
    std::string all;
    for (unsigned lead : kLeads)
        all += CodesOfLead(lead);
    for (unsigned lead = 0xED; lead <= 0xFC; ++lead)
        all += CodesOfLead(lead);
    for (unsigned b = 0x20; b <= 0xDF; ++b)
        if (cp932::IsDefinedSingle(static_cast<unsigned char>(b)))
            all += static_cast<char>(b);
    const Cp932Codec &codec = IconvCp932Codec();
    for (const char *name : {"utf-8", "utf-16le-nobom", "utf-16be-nobom"}) {
        DocumentEncoding doc;
        ASSERT_TRUE(EncodingFromName(name, doc.encoding, doc.bom));
        std::string bytes, expected, cp932, again;
        SaveProblem problem;
        ASSERT_TRUE(EncodeDocument(all.data(), all.size(), doc, codec, bytes, problem));
        ASSERT_TRUE(Iconv(name[4] == '8' ? "UTF-8" : name[6] == 'l' ? "UTF-16LE" : "UTF-16BE", "CP932", all, expected));
        EXPECT_TRUE(bytes == expected) << name;
        // Read back, the NEC and IBM twins become one code each, and that
        // code writes the same characters again.
        ConversionReport report;
        DecodeDocument(bytes.data(), bytes.size(), doc, codec, cp932, report);
        EXPECT_TRUE(IsExact(report)) << name << ConversionMessage(doc, report);
        ASSERT_TRUE(EncodeDocument(cp932.data(), cp932.size(), doc, codec, again, problem));
        EXPECT_TRUE(again == bytes) << name;
    }
}

TEST(EncodingAgainstIconv, SharedCasesThroughIconv)
{
    CheckUnicodeCases(IconvCp932Codec());
    CheckWholeTable(IconvCp932Codec());
}
