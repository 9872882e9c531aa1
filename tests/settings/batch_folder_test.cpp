// The batch buttons' folder changes and line handling.
#include <gtest/gtest.h>

#include "settings/batch_folder.h"

static std::string Cd(const std::string &cur, const std::string &arg)
{
    std::string out;
    bool bStripped = false;
    return ResolveBatchCd(cur, arg, out, bStripped) ? out : "<refused>";
}

TEST(BatchFolder, CdFoldsDotsAndNamesDrives)
{
    EXPECT_EQ(Cd("C:\\a\\b", "cc"), "C:\\a\\b\\cc");
    EXPECT_EQ(Cd("C:\\a\\b", ".."), "C:\\a");
    EXPECT_EQ(Cd("C:\\a\\b", "..."), "C:");
    EXPECT_EQ(Cd("C:\\a\\b", "."), "C:\\a\\b");
    EXPECT_EQ(Cd("C:\\a\\b", "....."), "<refused>");
    EXPECT_EQ(Cd("C:\\a", "..\\x\\"), "C:\\x");
    EXPECT_EQ(Cd("C:", "d"), "d:");
    EXPECT_EQ(Cd("C:\\a", "D:tools"), "D:\\tools");
    EXPECT_EQ(Cd("C:\\a", "  \"E:\\my dir\""), "E:\\my dir");
    // A 0x5C trail byte is part of its character, not a separator.
    EXPECT_EQ(Cd("C:\\\x95\x5c", ".."), "C:");
    bool bStripped = false;
    std::string out;
    EXPECT_TRUE(ResolveBatchCd("C:\\a\\", "bin", out, bStripped));
    EXPECT_TRUE(bStripped);
    EXPECT_EQ(out, "C:\\a\\bin");
    EXPECT_FALSE(ResolveBatchCd("C:\\a", "   ", out, bStripped));
}

TEST(BatchFolder, LinesWordsAndQuotes)
{
    std::vector<std::string> lines = SplitBatchLines("dir > x.txt // list\r\nReadFile \"C:\\x.txt\"\r\ncd ..");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "dir > x.txt ");
    EXPECT_EQ(FirstWord(lines[1]), "ReadFile");
    EXPECT_EQ(QuotedName(lines[1]), "C:\\x.txt");
    EXPECT_EQ(QuotedName("ReadFile \"open"), "");
    std::string arg;
    EXPECT_TRUE(CdArgument("  CD ..", arg));
    EXPECT_EQ(arg, "..");
    EXPECT_FALSE(CdArgument("cdrom", arg));
}
