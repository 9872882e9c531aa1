// The RTF of a coloured text: read back, it gives the same bytes with each
// run's colour, whole or written in slices of whole lines.
#include "text/colour_rtf.h"

#include "app/pane_stream_core.h"
#include "rtf_test_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const uint32_t kAuto = 0xFFFFFFFFu;

// Every byte that needs care: 表 and ソ end in 0x5C, ボ and マ in 0x7B and
// 0x7D; \ { } as characters; tabs; CR LF, lone CR and LF (also CR CR LF and
// LF CR); single bytes 0x80-0xFF (half-width katakana, the undefined 0x80,
// 0xA0, 0xFD-0xFF, a lead byte before a line end); control bytes and DEL.
const std::string kAwkward = "int \x95\x5c\x83\x5c(\"\x83\x7b\x83\x7d\") { a\\b; }\t// {x}\r\n"
                             "lone\rcr\nlf\r\r\nx\n\r\xb1\xdf\x80\xa0\xfd\xfe\xff\x95\r\n\x01\x1f\x7f end\t\x83\x5c";

struct Expect {
    std::string bytes;
    std::vector<uint32_t> colours;
};

Expect Paint(const std::string &text, const std::vector<ColourRun> &runs, uint32_t plain)
{
    Expect e{text, std::vector<uint32_t>(text.size(), plain)};
    for (const ColourRun &r : runs)
        for (size_t i = r.nStart; i < r.nEnd; ++i)
            e.colours[i] = r.rgb;
    return e;
}

} // namespace

TEST(ColourRtf, AwkwardBytesReadBackWithEveryRunsColour)
{
    ColourScan scan;
    ScanColours(kAwkward.data(), kAwkward.size(), 0, scan);
    ASSERT_GT(scan.runs.size(), 5u);
    for (uint32_t plain : {kAuto, 0x00123456u}) {
        std::string rtf;
        WriteColourRtf(kAwkward.data(), 0, kAwkward.size(), scan.runs, plain, rtf);
        RtfReadBack back = ReadColourRtf(rtf);
        ASSERT_EQ(back.error, "") << rtf;
        Expect want = Paint(kAwkward, scan.runs, plain);
        EXPECT_EQ(back.bytes, want.bytes);
        EXPECT_EQ(back.colours, want.colours);
        // The writer's subset: CR LF as \par, the lone ones as \u13 / \u10, trail bytes in hex.
        EXPECT_NE(rtf.find("\\par"), std::string::npos);
        EXPECT_NE(rtf.find("\\u13 "), std::string::npos);
        EXPECT_NE(rtf.find("\\u10 "), std::string::npos);
        EXPECT_NE(rtf.find("\\'95\\'5c\\'83\\'5c"), std::string::npos);
        EXPECT_NE(rtf.find("\\'83\\'7b\\'83\\'7d"), std::string::npos);
        EXPECT_NE(rtf.find("a\\\\b"), std::string::npos);
    }
}

TEST(ColourRtf, SlicesOfWholeLinesMakeTheSameText)
{
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += "f(\"\x95\x5c\", {" + std::to_string(i) + "});\t// \x83\x7b\r\n" + (i % 7 ? "" : "lone\r\n\rx\n");
    ColourScan scan;
    ScanColours(text.data(), text.size(), 0, scan);
    Expect want = Paint(text, scan.runs, kAuto);
    std::string bytes;
    std::vector<uint32_t> colours;
    size_t slices = 0;
    for (size_t at = 0; at < text.size(); ++slices) {
        size_t n = NextLineSlice(text.data() + at, text.size() - at, 500);
        std::string rtf;
        WriteColourRtf(text.data(), at, at + n, scan.runs, kAuto, rtf);
        RtfReadBack back = ReadColourRtf(rtf);
        ASSERT_EQ(back.error, "") << "slice at " << at;
        bytes += back.bytes;
        colours.insert(colours.end(), back.colours.begin(), back.colours.end());
        at += n;
    }
    EXPECT_GT(slices, 10u);
    EXPECT_EQ(bytes, want.bytes);
    EXPECT_EQ(colours, want.colours);
}

TEST(ColourRtf, ColourChangeInsideADoubleByteCharacterWaitsForItsEnd)
{
    const std::string text = "a\x95\x5c" "b";
    std::vector<ColourRun> runs = {{2, 4, 0x0000FFu}}; // starts on the trail byte
    std::string rtf;
    WriteColourRtf(text.data(), 0, text.size(), runs, kAuto, rtf);
    RtfReadBack back = ReadColourRtf(rtf);
    ASSERT_EQ(back.error, "");
    EXPECT_EQ(back.bytes, text);
    EXPECT_EQ(back.colours, (std::vector<uint32_t>{kAuto, kAuto, kAuto, 0x0000FFu}));
    EXPECT_NE(rtf.find("\\'95\\'5c\\cf1 b"), std::string::npos) << rtf;
}
