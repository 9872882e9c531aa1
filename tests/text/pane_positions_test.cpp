#include "text/paint_plan.h"
#include "text/pane_positions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

namespace {

// Paints the strokes in order onto a blank canvas.
std::vector<uint32_t> Paint(size_t len, const std::vector<ColourRun> &strokes)
{
    std::vector<uint32_t> canvas(len, 0xFFFFFFFFu);
    for (const ColourRun &s : strokes)
        for (size_t i = s.nStart; i < s.nEnd && i < len; ++i)
            canvas[i] = s.rgb;
    return canvas;
}

void ExpectSameColours(size_t len, const std::vector<ColourRun> &runs)
{
    std::vector<ColourRun> strokes = PlanStrokes(runs);
    EXPECT_LE(strokes.size(), runs.size());
    EXPECT_EQ(Paint(len, runs), Paint(len, strokes));
}

} // namespace

TEST(PanePositions, CharacterPositionsCountDoubleByteCharactersOnce)
{
    // "a" 表 (0x95 0x5C) "b\r\n" ソ (0x83 0x5C) "c"
    const std::string t = "a\x95\x5c" "b\r\n\x83\x5c" "c";
    PanePositions chars(t.data(), t.size(), false);
    EXPECT_EQ(0, chars.ToPane(0));
    EXPECT_EQ(1, chars.ToPane(1));
    EXPECT_EQ(2, chars.ToPane(3));
    EXPECT_EQ(5, chars.ToPane(6));
    EXPECT_EQ(6, chars.ToPane(8));
    EXPECT_EQ(7, chars.ToPane(9));
    EXPECT_EQ(7, chars.ToPane(100)); // clamped
    EXPECT_EQ(2, chars.ToPane(2));   // a trail byte counts its whole character
    EXPECT_EQ(1u, chars.ToByte(1));  // backwards after a walk to the end
    EXPECT_EQ(3u, chars.ToByte(2));
    EXPECT_EQ(8u, chars.ToByte(6));
    EXPECT_EQ(t.size(), chars.ToByte(1000));
    EXPECT_EQ(7u, CountChars(t.data(), t.size()));

    PanePositions bytes(t.data(), t.size(), true);
    EXPECT_EQ(6, bytes.ToPane(6));
    EXPECT_EQ(8u, bytes.ToByte(8));
}

TEST(PanePositions, RoundTripOverEveryCharacterStart)
{
    std::string t;
    for (int i = 0; i < 300; ++i)
        t += (i % 3 == 0) ? "\x88\x9f" : (i % 3 == 1 ? "x" : "\x82\xa0");
    PanePositions map(t.data(), t.size(), false);
    long pos = 0;
    for (size_t off = 0; off < t.size(); off += (static_cast<unsigned char>(t[off]) >= 0x81 ? 2 : 1), ++pos) {
        EXPECT_EQ(pos, map.ToPane(off));
        EXPECT_EQ(off, map.ToByte(pos));
    }
}

TEST(PaintPlan, ColourUnderneathIsPaintedOnce)
{
    // tint "string" tint "string" tint: three tint runs become one stroke
    const uint32_t tint = ParenTint(1);
    std::vector<ColourRun> runs = {{0, 3, tint}, {3, 8, kStringColour}, {8, 10, tint},
                                   {10, 14, kStringColour}, {14, 15, tint}};
    std::vector<ColourRun> strokes = PlanStrokes(runs);
    ASSERT_EQ(3u, strokes.size());
    EXPECT_EQ(0u, strokes[0].nStart);
    EXPECT_EQ(15u, strokes[0].nEnd);
    ExpectSameColours(20, runs);
}

TEST(PaintPlan, GapsAreNeverPaintedOver)
{
    const uint32_t a = BracePaletteColour(0), b = BracePaletteColour(1);
    std::vector<ColourRun> runs = {{0, 2, a}, {2, 3, b}, {5, 6, a}, {6, 7, b}, {7, 9, a}};
    std::vector<ColourRun> strokes = PlanStrokes(runs);
    ExpectSameColours(12, runs);
    for (const ColourRun &s : strokes)
        EXPECT_FALSE(s.nStart < 5 && s.nEnd > 3) << s.nStart << "-" << s.nEnd;
    EXPECT_EQ(4u, strokes.size());
}

TEST(PaintPlan, RandomRunsAndScannedSourceKeepTheirColours)
{
    std::mt19937 rng(7);
    for (int round = 0; round < 300; ++round) {
        std::vector<ColourRun> runs;
        size_t at = 0;
        uint32_t last = 0xFFFFFFFFu;
        for (int k = 0; k < 60; ++k) {
            at += rng() % 3 == 0 ? rng() % 3 : 0; // sometimes a gap
            uint32_t c = rng() % 5;
            if (c == last && runs.size() && runs.back().nEnd == at)
                continue;
            size_t n = 1 + rng() % 4;
            runs.push_back({at, at + n, c});
            at += n;
            last = c;
        }
        ExpectSameColours(at + 1, runs);
    }
    const std::string src =
        "int f(int a, char *s)\r\n{\r\n    if (g(a, \"x(\") && h((a))) { /* c */ return (a); }\r\n"
        "    // done\r\n    return k(\"a\", \"b\", (c));\r\n}\r\n";
    ColourScan scan;
    ScanColours(src.data(), src.size(), 0, scan);
    ExpectSameColours(src.size(), scan.runs);
    EXPECT_LT(PlanStrokes(scan.runs).size(), scan.runs.size());
}
