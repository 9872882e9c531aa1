#include "text/colour_scan.h"

#include <gtest/gtest.h>

#include <string>

namespace {

ColourScan Scan(const std::string &s, size_t base = 0)
{
    ColourScan out;
    ScanColours(s.data(), s.size(), base, out);
    return out;
}

// Colour of the byte at pos, or 0xFFFFFFFF when it keeps the pane's colour.
uint32_t ColourAt(const ColourScan &c, size_t pos)
{
    for (const ColourRun &r : c.runs)
        if (pos >= r.nStart && pos < r.nEnd)
            return r.rgb;
    return 0xFFFFFFFFu;
}

} // namespace

TEST(ColourScan, PaletteAndTints)
{
    EXPECT_EQ(BracePaletteColour(0), 0x0000FFu);
    EXPECT_EQ(BracePaletteColour(1), 0xFE00FEu);
    EXPECT_EQ(BracePaletteColour(2), 0xFF0000u);
    EXPECT_EQ(BracePaletteColour(3), 0xFEFE00u);
    EXPECT_EQ(BracePaletteColour(4), 0x00FF00u);
    EXPECT_EQ(BracePaletteColour(5), 0x00FEFEu);
    EXPECT_EQ(BracePaletteColour(11), BracePaletteColour(5));
    EXPECT_EQ(BracePaletteColour(-1), BracePaletteColour(5));
    EXPECT_EQ(ParenTint(0), 0xC76300u);
    EXPECT_EQ(ParenTint(1), 0x959500u);
    EXPECT_EQ(ParenTint(2), 0x63C700u);
    EXPECT_EQ(ParenTint(-1), 0xF93100u); // negative depths wrap like the positive ones
}

TEST(ColourScan, BalanceCountsSkipLiteralsCommentsAndTrailBytes)
{
    ColourScan c = Scan("{ { }");
    EXPECT_EQ(c.nBraceBalance, 1);
    EXPECT_EQ(BraceBalanceText(1), "{ \x82\xaa" "1\x8c\xc2\x91\xbd\x82\xa2");
    EXPECT_EQ(BraceBalanceText(-2), "} \x82\xaa" "2\x8c\xc2\x91\xbd\x82\xa2");
    EXPECT_EQ(ParenBalanceText(0), "( \x82\xc6 ) \x82\xcd\x93\xaf\x90\x94\x82\xc5\x82\xb7");
    c = Scan("f(\"{(\", '}') // { (\r\n/* } ) */ \x83\x7b \x83\x7d");
    EXPECT_EQ(c.nBraceBalance, 0);
    EXPECT_EQ(c.nParenDepth, 0);
    // Unterminated literal and comment at the very end stay inside the text.
    EXPECT_EQ(Scan("x(\"abc").nParenDepth, 1);
    EXPECT_EQ(Scan("{ /* }").nBraceBalance, 1);
    EXPECT_EQ(Scan("\"a\\\"b{\"").nBraceBalance, 0);
}

TEST(ColourScan, RunsAreMergedOrderedAndOffset)
{
    std::string s = "a {b} \"s\" // c\r\nz";
    ColourScan c = Scan(s, 100);
    EXPECT_EQ(ColourAt(c, 100), 0xFFFFFFFFu);           // default text gets no run
    EXPECT_EQ(ColourAt(c, 102), BracePaletteColour(0));
    EXPECT_EQ(ColourAt(c, 104), BracePaletteColour(0));
    EXPECT_EQ(ColourAt(c, 106), static_cast<uint32_t>(kStringColour));
    EXPECT_EQ(ColourAt(c, 108), static_cast<uint32_t>(kStringColour));
    EXPECT_EQ(ColourAt(c, 110), static_cast<uint32_t>(kLineCommentColour));
    EXPECT_EQ(ColourAt(c, 114), 0xFFFFFFFFu);           // the CR stays
    for (size_t k = 1; k < c.runs.size(); ++k) {
        EXPECT_LE(c.runs[k - 1].nEnd, c.runs[k].nStart);
        EXPECT_FALSE(c.runs[k - 1].nEnd == c.runs[k].nStart && c.runs[k - 1].rgb == c.runs[k].rgb);
    }
    ColourScan p = Scan("f(a(b)c)");
    EXPECT_EQ(ColourAt(p, 2), ParenTint(1));
    EXPECT_EQ(ColourAt(p, 4), ParenTint(2));
    EXPECT_EQ(ColourAt(p, 6), ParenTint(1));
    EXPECT_EQ(p.nParenDepth, 0);
}

TEST(ColourScan, CrowdedLinesStayPlain)
{
    std::string text = "abcd\r\nefgh\r\nijklmno\r\npqrs"; // lines start at 0, 6, 12, 21
    // Line 1: two runs; line 2: one; line 3: three, the last going on over line 4.
    const std::vector<ColourRun> runs = {{0, 1, 1}, {2, 3, 2}, {6, 8, 3}, {12, 13, 4}, {14, 15, 5}, {16, 23, 6}};
    std::vector<ColourRun> left = runs;
    LeaveCrowdedLinesPlain(text.data(), text.size(), 3, left);
    EXPECT_EQ(left.size(), runs.size()); // no line over the limit

    left = runs;
    LeaveCrowdedLinesPlain(text.data(), text.size(), 2, left);
    ASSERT_EQ(left.size(), 4u);
    EXPECT_EQ(left[2].nStart, 6u);  // lines 1 and 2 as they were
    EXPECT_EQ(left[3].nStart, 21u); // line 3 plain, the last run's part on line 4 kept
    EXPECT_EQ(left[3].nEnd, 23u);
    EXPECT_EQ(left[3].rgb, 6u);

    // One line without a line end, as the scan colours it.
    std::string line(4 * kMaxRunsPerLine, '{');
    for (size_t i = 1; i < line.size(); i += 2)
        line[i] = '(';
    ColourScan one = Scan(line);
    ASSERT_GT(one.runs.size(), size_t(kMaxRunsPerLine));
    LeaveCrowdedLinesPlain(line.data(), line.size(), kMaxRunsPerLine, one.runs);
    EXPECT_TRUE(one.runs.empty());
}
