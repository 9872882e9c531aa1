#include "capture/bitmap_name_core.h"
#include "capture/capture_area_core.h"
#include "capture/capture_messages.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

// Existing files and folders, and how often a name was asked about.
struct FakeDisk {
    std::set<std::string> files, folders;
    int nAsked = 0;
    PathPredicate Files()
    {
        return [this](const char *p) { ++nAsked; return files.count(p) > 0; };
    }
    PathPredicate Folders()
    {
        return [this](const char *p) { return folders.count(p) > 0; };
    }
};

// Chooses a name into a system path buffer; "<n>" marks a refusal.
static std::string Choose(FakeDisk &disk, const BitmapNameInput &in, unsigned char *counter,
                          BitmapNameResult expect = BMPNAME_OK)
{
    char out[SYSTEM_PATH_SIZE];
    BitmapNameResult r = ChooseBitmapFileName(in, counter, disk.Files(), disk.Folders(), out, sizeof out);
    EXPECT_EQ(r, expect);
    return r == BMPNAME_OK ? std::string(out) : "<" + std::to_string(r) + ">";
}

TEST(BitmapFileName, OutputFolderDocumentPathOrStartFolder)
{
    FakeDisk disk;
    disk.folders = {"D:\\cap", "E:\\"};
    unsigned char counter = 3;
    EXPECT_EQ(Choose(disk, {"D:\\cap", "C:\\src\\main.cpp", "C:\\sora\\"}, &counter), "D:\\cap\\main3.bmp");
    EXPECT_EQ(Choose(disk, {"D:\\cap", "", "C:\\sora\\"}, &counter), "D:\\cap\\3.bmp");
    // A folder that already ends in "\" gets no second one.
    EXPECT_EQ(Choose(disk, {"E:\\", "C:\\src\\main.cpp", "C:\\sora\\"}, &counter), "E:\\main3.bmp");
    // A missing output folder falls back on the document's own folder.
    EXPECT_EQ(Choose(disk, {"X:\\gone", "C:\\src\\main.cpp", "C:\\sora\\"}, &counter), "C:\\src\\main3.bmp");
    EXPECT_EQ(Choose(disk, {"", "C:\\src\\Makefile", "C:\\sora\\"}, &counter), "C:\\src\\Makefile3.bmp");
    EXPECT_EQ(Choose(disk, {"", "", "C:\\sora\\"}, &counter), "C:\\sora\\NoFileName3.bmp");
    // ソ ends in the byte of "\": the name is still the whole "ソース.cpp".
    EXPECT_EQ(Choose(disk, {"D:\\cap", "C:\\\x95\x5c\\\x83\x5c\x81\x5b\x83\x58.cpp", ""}, &counter),
              "D:\\cap\\\x83\x5c\x81\x5b\x83\x58" "3.bmp");
}

TEST(BitmapFileName, ExistingNamesRaiseTheCounter)
{
    FakeDisk disk;
    disk.files = {"C:\\src\\main0.bmp", "C:\\src\\main1.bmp", "C:\\src\\main3.bmp"};
    unsigned char counter = 0;
    EXPECT_EQ(Choose(disk, {"", "C:\\src\\main.cpp", ""}, &counter), "C:\\src\\main2.bmp");
    EXPECT_EQ(counter, 2);
    disk.files.insert("C:\\src\\main2.bmp");  // the capture was written
    EXPECT_EQ(Choose(disk, {"", "C:\\src\\main.cpp", ""}, &counter), "C:\\src\\main4.bmp");
    EXPECT_EQ(counter, 4);
}

TEST(BitmapFileName, AllNamesTakenStopsInsteadOfWrappingRound)
{
    FakeDisk disk;
    disk.folders = {"D:\\cap"};
    PathPredicate everything = [&disk](const char *) { ++disk.nAsked; return true; };
    char out[SYSTEM_PATH_SIZE];
    unsigned char counter = 0;
    EXPECT_EQ(ChooseBitmapFileName({"D:\\cap", "", ""}, &counter, everything, disk.Folders(), out, sizeof out),
              BMPNAME_ALL_TAKEN);
    EXPECT_EQ(disk.nAsked, 256);
    EXPECT_EQ(counter, 0);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(BitmapNameMessage(BMPNAME_ALL_TAKEN), CAPTURE_MSG_ALL_NAMES_TAKEN);

    disk.files = {"D:\\cap\\255.bmp"};
    counter = 255;
    EXPECT_EQ(Choose(disk, {"D:\\cap", "", ""}, &counter, BMPNAME_ALL_TAKEN), "<1>");
    EXPECT_EQ(counter, 255);
}

TEST(BitmapFileName, NameTooLongForThePathBufferIsRefused)
{
    FakeDisk disk;
    std::string doc = "C:\\" + std::string(251, 'd') + "\\a.c";  // "a3.bmp" would pass 259 bytes
    unsigned char counter = 3;
    EXPECT_EQ(Choose(disk, {"", doc.c_str(), ""}, &counter, BMPNAME_TOO_LONG), "<2>");
    EXPECT_EQ(disk.nAsked, 0);
}

TEST(CaptureArea, DragsInEveryDirectionAndTheSavedSize)
{
    CaptureArea a;
    ASSERT_TRUE(PlanCaptureArea(100, 80, 40, 20, &a));  // bottom right to top left
    EXPECT_EQ(a.nWidth, 60);
    EXPECT_EQ(a.nHeight, 60);
    // Columns 40 to 99 and rows 20 to 79, read from the right and the bottom.
    EXPECT_EQ(a.xSrc, 99);
    EXPECT_EQ(a.ySrc, 79);
    EXPECT_EQ(a.cxSrc, -60);
    EXPECT_EQ(a.cySrc, -60);
    ASSERT_TRUE(PlanCaptureArea(40, 80, 100, 20, &a));  // only upwards
    EXPECT_EQ(a.xSrc * 1000 + a.ySrc, 40079);
    EXPECT_EQ(a.cxSrc, 60);
    ASSERT_TRUE(PlanCaptureArea(40, 20, 100, 80, &a));  // the usual way
    EXPECT_EQ(a.xSrc * 1000 + a.ySrc, 40020);
    EXPECT_FALSE(PlanCaptureArea(5, 5, 5, 90, &a));  // no width

    int w, h;
    ChooseBitmapTargetSize(true, 24, 23, 300, 200, &w, &h);
    EXPECT_EQ(w * 1000 + h, 24023);
    ChooseBitmapTargetSize(false, 24, 23, 300, 200, &w, &h);
    EXPECT_EQ(w * 1000 + h, 300200);
    ChooseBitmapTargetSize(true, 0, -4, 300, 200, &w, &h);  // damaged setting
    EXPECT_EQ(w * 1000 + h, 300200);
}
