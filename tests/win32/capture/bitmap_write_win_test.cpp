// BMP files written from real GDI bitmaps: headers, row padding, pixels
// bottom-up, the stretch to a fixed size, and nothing left behind when a
// file cannot be written.
#include "capture/win/capture.h"

#include "capture/bmp_writer_core.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string TempFolder()
{
    char dir[MAX_PATH];
    GetTempPathA(sizeof dir, dir);
    std::string folder = std::string(dir) + "sora_bmp_test\\";
    CreateDirectoryA(folder.c_str(), NULL);
    return folder;
}

std::vector<unsigned char> ReadFileBytes(const std::string &path)
{
    std::vector<unsigned char> bytes;
    FILE *f = std::fopen(path.c_str(), "rb");
    if (!f)
        return bytes;
    int c;
    while ((c = std::fgetc(f)) != EOF)
        bytes.push_back((unsigned char)c);
    std::fclose(f);
    return bytes;
}

uint32_t U32(const std::vector<unsigned char> &b, size_t at)
{
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | (uint32_t)b[at + 3] << 24;
}

uint16_t U16(const std::vector<unsigned char> &b, size_t at) { return (uint16_t)(b[at] | b[at + 1] << 8); }

// Files of the folder whose names start with "~sora" (temporary files).
int CountTempFiles(const std::string &folder)
{
    WIN32_FIND_DATAA fd;
    HANDLE find = FindFirstFileA((folder + "~sora*").c_str(), &fd);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    int n = 0;
    do
        ++n;
    while (FindNextFileA(find, &fd));
    FindClose(find);
    return n;
}

// A screen-compatible bitmap whose pixel (x, y) is RGB(x * 8, y * 8, 200).
HBITMAP MakeGradient(HDC screen, int w, int h)
{
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HDC mem = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(mem, bitmap);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            SetPixel(mem, x, y, RGB(x * 8, y * 8, 200));
    SelectObject(mem, old);
    DeleteDC(mem);
    return bitmap;
}

class BitmapWrite : public ::testing::Test {
protected:
    void SetUp() override
    {
        screen = GetDC(NULL);
        folder = TempFolder();
    }
    void TearDown() override { ReleaseDC(NULL, screen); }
    HDC screen = NULL;
    std::string folder;
};

TEST_F(BitmapWrite, ScreenBitmapAtItsOwnSizeHasHeadersAndPixelsBottomUp)
{
    const int w = 13, h = 7;
    HBITMAP bitmap = MakeGradient(screen, w, h);
    BITMAP bm;
    GetObjectA(bitmap, sizeof bm, &bm);
    std::string path = folder + "own.bmp";
    DeleteFileA(path.c_str());
    ASSERT_EQ(WriteBitmapFile(bitmap, screen, path.c_str(), w, h), CAPTURE_MSG_NONE);
    DeleteObject(bitmap);

    std::vector<unsigned char> b = ReadFileBytes(path);
    ASSERT_GE(b.size(), 54u);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(U32(b, 2), b.size());
    EXPECT_EQ(U32(b, 14), 40u);
    EXPECT_EQ((int)U32(b, 18), w);
    EXPECT_EQ((int)U32(b, 22), h);
    uint16_t bits = U16(b, 28);
    EXPECT_EQ(bits, BmpBitCount(bm.bmPlanes, bm.bmBitsPixel));
    ASSERT_TRUE(bits == 24 || bits == 32) << bits;
    uint32_t row = ((bits * w + 31) / 32) * 4;
    EXPECT_EQ(U32(b, 34), row * h);
    EXPECT_EQ(U32(b, 10), 54u);
    ASSERT_EQ(b.size(), 54u + row * h);

    // Row 0 of the file is the bottom row of the picture.
    for (int y : {0, h - 1})
        for (int x : {0, 5, w - 1}) {
            size_t at = 54 + (size_t)(h - 1 - y) * row + (size_t)x * (bits / 8);
            EXPECT_EQ(b[at], 200) << x << "," << y;          // blue
            EXPECT_EQ(b[at + 1], y * 8) << x << "," << y;    // green
            EXPECT_EQ(b[at + 2], x * 8) << x << "," << y;    // red
        }
    EXPECT_EQ(CountTempFiles(folder), 0);
}

TEST_F(BitmapWrite, FixedSizeStretchesAndMonochromeGetsItsPalette)
{
    HBITMAP big = MakeGradient(screen, 48, 46);
    std::string path = folder + "fixed.bmp";
    DeleteFileA(path.c_str());
    ASSERT_EQ(WriteBitmapFile(big, screen, path.c_str(), 24, 23), CAPTURE_MSG_NONE);
    DeleteObject(big);
    std::vector<unsigned char> b = ReadFileBytes(path);
    ASSERT_GE(b.size(), 54u);
    EXPECT_EQ(U32(b, 18), 24u);
    EXPECT_EQ(U32(b, 22), 23u);

    // 17 x 3 one-bit pixels: 4-byte rows, two palette entries, black and white.
    HBITMAP mono = CreateBitmap(17, 3, 1, 1, NULL);
    HDC mem = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(mem, mono);
    PatBlt(mem, 0, 0, 17, 3, WHITENESS);
    SetPixel(mem, 16, 0, RGB(0, 0, 0));
    SelectObject(mem, old);
    DeleteDC(mem);
    std::string monoPath = folder + "mono.bmp";
    DeleteFileA(monoPath.c_str());
    ASSERT_EQ(WriteBitmapFile(mono, screen, monoPath.c_str(), 17, 3), CAPTURE_MSG_NONE);
    DeleteObject(mono);
    b = ReadFileBytes(monoPath);
    ASSERT_EQ(b.size(), 14u + 40 + 2 * 4 + 4 * 3);
    EXPECT_EQ(U16(b, 28), 1);
    EXPECT_EQ(U32(b, 10), 62u);
    EXPECT_EQ(U32(b, 34), 12u);
    EXPECT_EQ(U32(b, 46), 2u);  // colours used
    // The top row (last in the file) ends in one black pixel at x = 16.
    size_t top = 62 + 2 * 4;
    int blackIndex = b[54] == 0 ? 0 : 1;  // which palette entry is black
    int bit16 = (b[top + 2] >> 7) & 1;
    EXPECT_EQ(bit16, blackIndex);
    EXPECT_EQ((b[top] >> 7) & 1, 1 - blackIndex);
}

TEST_F(BitmapWrite, FailuresLeaveNoFileAndKeepAnExistingOne)
{
    HBITMAP bitmap = MakeGradient(screen, 4, 4);
    std::string missing = folder + "no such folder\\x.bmp";
    EXPECT_EQ(WriteBitmapFile(bitmap, screen, missing.c_str(), 4, 4), CAPTURE_MSG_OPEN_FAILED);
    EXPECT_EQ(GetFileAttributesA(missing.c_str()), INVALID_FILE_ATTRIBUTES);

    // A name that appeared meanwhile is not overwritten.
    std::string taken = folder + "taken.bmp";
    FILE *f = std::fopen(taken.c_str(), "wb");
    ASSERT_TRUE(f);
    std::fputs("keep", f);
    std::fclose(f);
    EXPECT_EQ(WriteBitmapFile(bitmap, screen, taken.c_str(), 4, 4), CAPTURE_MSG_WRITE_FAILED);
    std::vector<unsigned char> kept = ReadFileBytes(taken);
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "keep");
    EXPECT_EQ(CountTempFiles(folder), 0);

    // Sizes beyond what a BMP of ours may hold are refused before any file.
    std::string huge = folder + "huge.bmp";
    EXPECT_EQ(WriteBitmapFile(bitmap, screen, huge.c_str(), 0, 4), CAPTURE_MSG_WRITE_FAILED);
    EXPECT_EQ(GetFileAttributesA(huge.c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteObject(bitmap);
}

} // namespace
