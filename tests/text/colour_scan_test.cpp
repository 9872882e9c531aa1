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
