#include "capture/bmp_writer_core.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

static uint32_t Get32(const std::vector<unsigned char> &f, size_t at)
{
    return f[at] | f[at + 1] << 8 | f[at + 2] << 16 | static_cast<uint32_t>(f[at + 3]) << 24;
}

static uint16_t Get16(const std::vector<unsigned char> &f, size_t at)
{
    return static_cast<uint16_t>(f[at] | f[at + 1] << 8);
}

TEST(BmpBitCount, ProductOfPlanesAndBitsIsRoundedUp)
{
    EXPECT_EQ(BmpBitCount(1, 0), 1);
    EXPECT_EQ(BmpBitCount(1, 1), 1);
    EXPECT_EQ(BmpBitCount(1, 2), 4);
    EXPECT_EQ(BmpBitCount(4, 1), 4);
    EXPECT_EQ(BmpBitCount(1, 8), 8);
    EXPECT_EQ(BmpBitCount(1, 15), 16);
    EXPECT_EQ(BmpBitCount(1, 24), 24);
    EXPECT_EQ(BmpBitCount(1, 32), 32);
    EXPECT_EQ(BmpBitCount(1, 48), 32);
}

TEST(BmpLayout, HeadersRowPaddingAndSizesForEveryBitDepth)
{
    struct Case { int bits; uint32_t rowBytes, palette, offset; };
    // Five pixels wide: 5, 20, 40, 80, 120 and 160 bits before padding.
    const Case cases[] = {{1, 4, 2, 62}, {4, 4, 16, 118}, {8, 8, 256, 1078},
                          {16, 12, 0, 54}, {24, 16, 0, 54}, {32, 20, 0, 54}};
    for (const Case &c : cases) {
        BmpLayout l;
        ASSERT_TRUE(PlanBmpLayout(5, 3, 1, c.bits, &l)) << c.bits;
        EXPECT_EQ(l.nRowBytes, c.rowBytes) << c.bits;
        EXPECT_EQ(l.nPaletteEntries, c.palette) << c.bits;
        EXPECT_EQ(l.nPixelOffset, c.offset) << c.bits;
        std::vector<unsigned char> f = BuildBmpFile(l, nullptr, nullptr);
        ASSERT_EQ(f.size(), c.offset + 3 * c.rowBytes);
        EXPECT_EQ(f[0], 'B');
        EXPECT_EQ(f[1], 'M');
        EXPECT_EQ(Get32(f, 2), f.size());
        EXPECT_EQ(Get32(f, 6), 0u);
        EXPECT_EQ(Get32(f, 10), c.offset);
        EXPECT_EQ(Get32(f, 14), 40u);
        EXPECT_EQ(Get32(f, 18), 5u);
        EXPECT_EQ(Get32(f, 22), 3u);
        EXPECT_EQ(Get16(f, 26), 1u);
        EXPECT_EQ(Get16(f, 28), c.bits);
        EXPECT_EQ(Get32(f, 30), 0u);
        EXPECT_EQ(Get32(f, 34), 3 * c.rowBytes);
        EXPECT_EQ(Get32(f, 46), c.palette);
        EXPECT_EQ(Get32(f, 50), 0u);
    }
}

TEST(BmpLayout, EmptyNegativeAndHugeSizesAreRefused)
{
    BmpLayout l;
    EXPECT_FALSE(PlanBmpLayout(0, 10, 1, 24, &l));
    EXPECT_FALSE(PlanBmpLayout(10, 0, 1, 24, &l));
    EXPECT_FALSE(PlanBmpLayout(-5, 10, 1, 24, &l));
    EXPECT_FALSE(PlanBmpLayout(32768, 1, 1, 24, &l));
    EXPECT_FALSE(PlanBmpLayout(32767, 32767, 1, 32, &l));  // 4 GiB of pixels
    EXPECT_TRUE(PlanBmpLayout(32767, 1, 1, 32, &l));
    EXPECT_EQ(l.nFileBytes, 54u + 32767 * 4);
}

// A test image of 5 x 3 pixels: colours given top row first, as the
// reader reports them.
struct TestImage {
    BmpLayout layout;
    std::vector<unsigned char> palette, pixels, expectRgb;
};

static void PutIndex(TestImage &img, int x, int fileRow, unsigned index)
{
    int bits = img.layout.wBitCount;
    unsigned char *row = &img.pixels[fileRow * img.layout.nRowBytes];
    int bit = x * bits;
    row[bit / 8] |= static_cast<unsigned char>(index << (8 - bits - bit % 8));
}

// Fills the image of the given depth with a pattern and records the
// colours a reader must see.
static TestImage MakeImage(int bits)
{
    TestImage img;
    PlanBmpLayout(5, 3, 1, bits, &img.layout);
    img.pixels.assign(img.layout.nImageBytes, 0);
    for (unsigned i = 0; i < img.layout.nPaletteEntries; ++i) {
        unsigned char b = static_cast<unsigned char>(i * 37), g = static_cast<unsigned char>(255 - i),
                      r = static_cast<unsigned char>(i * 91 + 11);
        img.palette.insert(img.palette.end(), {b, g, r, 0});
    }
    for (int y = 0; y < 3; ++y) {
        int fileRow = 2 - y;  // rows are stored bottom-up
        for (int x = 0; x < 5; ++x) {
            unsigned char r, g, b;
            if (bits <= 8) {
                unsigned index = (x * 3 + y * 5 + 1) % img.layout.nPaletteEntries;
                PutIndex(img, x, fileRow, index);
                b = img.palette[4 * index];
                g = img.palette[4 * index + 1];
                r = img.palette[4 * index + 2];
            } else if (bits == 16) {
                unsigned r5 = (x * 7) & 31, g5 = 31 - y * 15, b5 = x == 4 ? 31 : 0;  // 5-5-5
                unsigned v = r5 << 10 | g5 << 5 | b5;
                img.pixels[fileRow * img.layout.nRowBytes + 2 * x] = static_cast<unsigned char>(v);
                img.pixels[fileRow * img.layout.nRowBytes + 2 * x + 1] = static_cast<unsigned char>(v >> 8);
                r = static_cast<unsigned char>(r5 * 255 / 31);
                g = static_cast<unsigned char>(g5 * 255 / 31);
                b = static_cast<unsigned char>(b5 * 255 / 31);
            } else {
                r = static_cast<unsigned char>(x * 60), g = static_cast<unsigned char>(y * 120),
                b = static_cast<unsigned char>(200 - x * 10 - y);
                unsigned char *p = &img.pixels[fileRow * img.layout.nRowBytes + x * bits / 8];
                p[0] = b;
                p[1] = g;
                p[2] = r;
            }
            img.expectRgb.insert(img.expectRgb.end(), {r, g, b});
        }
    }
    return img;
}

// Runs a command and returns what it printed.
static std::string RunCommand(const std::string &command)
{
    std::string out;
    FILE *p = popen(command.c_str(), "r");
    if (!p)
        return out;
    char buf[4096];
    size_t got;
    while ((got = fread(buf, 1, sizeof buf, p)) > 0)
        out.append(buf, got);
    pclose(p);
    return out;
}

TEST(BmpFile, ImageMagickReadsEveryBitDepthWithTheRightPixels)
{
    if (std::system("command -v convert >/dev/null 2>&1 && command -v identify >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "ImageMagick is not installed";
    std::string dir = ::testing::TempDir();
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        TestImage img = MakeImage(bits);
        std::vector<unsigned char> file =
            BuildBmpFile(img.layout, img.palette.empty() ? nullptr : img.palette.data(), img.pixels.data());
        std::string bmp = dir + "capture_test_" + std::to_string(bits) + ".bmp";
        std::string png = dir + "capture_test_" + std::to_string(bits) + ".png";
        FILE *f = std::fopen(bmp.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(file.data(), 1, file.size(), f);
        std::fclose(f);

        EXPECT_EQ(RunCommand("identify -format '%w %h' '" + bmp + "' 2>&1"), "5 3") << bits;
        ASSERT_EQ(std::system(("convert '" + bmp + "' '" + png + "' 2>/dev/null").c_str()), 0) << bits;
        EXPECT_EQ(RunCommand("identify -format '%w %h' '" + png + "' 2>&1"), "5 3") << bits;
        std::string rgb = RunCommand("convert '" + png + "' -depth 8 rgb:- 2>/dev/null");
        ASSERT_EQ(rgb.size(), img.expectRgb.size()) << bits;
        for (size_t i = 0; i < rgb.size(); ++i) {
            int got = static_cast<unsigned char>(rgb[i]), want = img.expectRgb[i];
            EXPECT_LE(std::abs(got - want), bits == 16 ? 4 : 0) << bits << " bits, byte " << i;
        }
        std::remove(bmp.c_str());
        std::remove(png.c_str());
    }
}
