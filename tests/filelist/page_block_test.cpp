// Stored blocks of the file list: page block, resource associations and
// the names of the parked-pane files.
#include <gtest/gtest.h>

#include <string>

#include "filelist/page_block.h"
#include "filelist/rc_association.h"
#include "filelist/temp_backup_name.h"

TEST(PageBlock, LayoutAndEveryTruncation)
{
    std::vector<StoredPage> pages = {{{{"C:\\a.c", "C:\\a.rc", "a.c"}, {"C:\\b.c", "", "b.c"}}},
                                     {{{"C:\\c.c", "", "c.c"}}}};
    std::string block;
    EncodePageBlock(pages, block);
    const std::string expected = std::string("\x02\0\0\0\x02\0\0\0", 8) + std::string("C:\\a.c\0C:\\a.rc\0a.c\0", 19) +
                                 std::string("C:\\b.c\0\0b.c\0", 12) + std::string("\x01\0\0\0C:\\c.c\0\0c.c\0", 16);
    EXPECT_EQ(block, expected);
    for (size_t len = 0; len < block.size(); ++len) {
        BlockReader r = MakeBlockReader(block.data(), len);
        std::vector<StoredPage> back;
        BlockDamage damage;
        EXPECT_FALSE(DecodePageBlock(r, back, damage, 13)) << len;
        EXPECT_EQ(damage.nField, 13);
        EXPECT_LE(damage.nOffset, len);
        // The entries read are a prefix of the stored ones.
        std::vector<std::string> stored = {"C:\\a.c", "C:\\b.c", "C:\\c.c"};
        size_t n = 0;
        for (const StoredPage &p : back)
            for (const StoredFileEntry &e : p.entries)
                EXPECT_EQ(e.szFull, stored[n++]);
    }
    BlockReader r = MakeBlockReader(block.data(), block.size());
    std::vector<StoredPage> back;
    BlockDamage damage;
    ASSERT_TRUE(DecodePageBlock(r, back, damage, 13));
    EXPECT_EQ(back[1].entries[0].szLabel, "c.c");
}

TEST(PageBlock, HostileCountsAndOverlongPaths)
{
    std::vector<StoredPage> back;
    BlockDamage damage;
    std::string tooMany("\x01\x01\0\0", 4);
    BlockReader r = MakeBlockReader(tooMany.data(), tooMany.size());
    EXPECT_FALSE(DecodePageBlock(r, back, damage, 13));
    EXPECT_STREQ(damage.szReason, "more than 256 pages");
    std::string huge = std::string("\x01\0\0\0\xff\xff\xff\x0f", 8) + std::string(30, '\0');
    r = MakeBlockReader(huge.data(), huge.size());
    damage = BlockDamage();
    EXPECT_FALSE(DecodePageBlock(r, back, damage, 13));
    EXPECT_EQ(damage.nOffset, 4u);
    // A 300-byte path is skipped whole; the next entry is still read.
    std::string one = std::string("\x01\0\0\0\x02\0\0\0", 8) + std::string(300, 'p') + std::string("\0\0x\0", 4) +
                      std::string("C:\\ok.c\0\0ok.c\0", 14);
    r = MakeBlockReader(one.data(), one.size());
    damage = BlockDamage();
    ASSERT_TRUE(DecodePageBlock(r, back, damage, 13));
    ASSERT_EQ(back[0].entries.size(), 1u);
    EXPECT_EQ(back[0].entries[0].szFull, "C:\\ok.c");
}

TEST(RcAssociation, NoDuplicateKeysAndBoundedBlock)
{
    RcAssociation list;
    EXPECT_EQ(AddRcAssociation(list, "C:\\a.c", "C:\\a.rc"), 1);
    EXPECT_EQ(AddRcAssociation(list, "C:\\a.c", "C:\\other.rc"), 0);
    EXPECT_EQ(AddRcAssociation(list, std::string(256, 'x'), "C:\\a.rc"), 0);
    EXPECT_EQ(AddRcAssociation(list, "C:\\b.c", ""), 0);
    EXPECT_STREQ(FindRcAssociation(list, "C:\\a.c"), "C:\\a.rc");
    EXPECT_EQ(FindRcAssociation(list, "C:\\A.c"), nullptr);
    std::string block;
    EncodeRcAssociation(list, block);
    EXPECT_EQ(block, std::string("\x01\0\0\0C:\\a.c\0C:\\a.rc\0", 19));
    for (size_t len = 0; len < block.size(); ++len) {
        BlockReader r = MakeBlockReader(block.data(), len);
        RcAssociation back;
        BlockDamage damage;
        EXPECT_FALSE(DecodeRcAssociation(r, back, damage, 12));
        EXPECT_TRUE(back.pairs.empty());
    }
    // A file with the same key twice keeps the first.
    std::string twice = std::string("\x02\0\0\0", 4) + std::string("k\0v1\0k\0v2\0", 10);
    BlockReader r = MakeBlockReader(twice.data(), twice.size());
    RcAssociation back;
    BlockDamage damage;
    ASSERT_TRUE(DecodeRcAssociation(r, back, damage, 12));
    ASSERT_EQ(back.pairs.size(), 1u);
    EXPECT_EQ(back.pairs[0].szRc, "v1");
}

TEST(TempBackupName, NamesPerPaneAndInstance)
{
    char name[64];
    EXPECT_EQ(MakeTempBackupName("C:\\ed\\mycfg\\", 8502, 1, TEMP_PANE_MAIN, name, sizeof name), 1);
    EXPECT_STREQ(name, "C:\\ed\\mycfg\\8502.tmp1");
    EXPECT_EQ(MakeTempBackupName("C:\\ed\\mycfg\\", 8502, 2, TEMP_PANE_RC, name, sizeof name), 1);
    EXPECT_STREQ(name, "C:\\ed\\mycfg\\8502.rc.tmp2");
    EXPECT_EQ(MakeTempBackupName("C:\\ed\\mycfg\\", 8502, 1, TEMP_PANE_MAIN, name, 20), 0);
    EXPECT_STREQ(name, "");
    EXPECT_EQ(RestoredTextLength("ab\0cd", 5), 2u);
    EXPECT_EQ(RestoredTextLength("abcd", 4), 4u);
}
