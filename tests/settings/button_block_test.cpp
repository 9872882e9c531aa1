// User buttons: the stored block, the run's button limit and the page rules.
#include <gtest/gtest.h>

#include <string>

#include "settings/button_block.h"

TEST(ButtonBlock, RoundTripAndTextlessKinds)
{
    UserButtonPages pages;
    AddUserButton(pages, "Top", KIND_POSITION, 0, "ignored");
    AddUserButton(pages, "fn", KIND_EDITOR_FUNCTION, 202, "ignored");
    pages.nCurrent = 1;
    AddUserButton(pages, "\x91\x7d\x31", KIND_DOS_BATCH, 0, "dir\r\ncd ..");   // 挿1
    std::string bytes = EncodeButtonFile(pages);
    const std::string expected = std::string("\x02\0\0\0\x02\0\0\0Top\0\0\0\0\0\0\0fn\0\x03\xca\0\0\0\0", 27) +
                                 std::string("\x01\0\0\0\x91\x7d\x31\0\x05\0\0\0\0dir\r\ncd ..\0", 24);
    EXPECT_EQ(bytes, expected);
    UserButtonPages back;
    BlockDamage damage;
    ASSERT_TRUE(DecodeButtonFile(bytes.data(), bytes.size(), back, damage));
    EXPECT_EQ(back.nCurrent, 0);
    EXPECT_EQ(back.slots[1][0].text, "dir\r\ncd ..");
    EXPECT_EQ(back.slots[1][0].id, 8002u);
    EXPECT_EQ(EncodeButtonFile(back), bytes);
}

TEST(ButtonBlock, EveryTruncationKeepsWholeButtonsOnly)
{
    UserButtonPages pages;
    for (int i = 0; i < 5; ++i)
        AddUserButton(pages, "lbl", KIND_DOS_COMMAND, i, "command");
    pages.nCurrent = 1;
    AddUserButton(pages, "last", KIND_POSITION, -1, "");
    std::string bytes = EncodeButtonFile(pages);
    for (size_t len = 0; len < bytes.size(); ++len) {
        UserButtonPages back;
        BlockDamage damage;
        EXPECT_FALSE(DecodeButtonFile(bytes.data(), len, back, damage)) << len;
        EXPECT_EQ(damage.nField, 1);
        EXPECT_LE(damage.nOffset, len);
        EXPECT_EQ(back.nCurrent, 0);
        for (const UserButton &b : back.slots[0])
            EXPECT_EQ(b.text, "command");
        EXPECT_TRUE(back.slots[1].empty());
    }
}

TEST(ButtonBlock, HostileCountsAndOverlongLabels)
{
    UserButtonPages back;
    BlockDamage damage;
    std::string tooMany("\x21\0\0\0", 4);
    EXPECT_FALSE(DecodeButtonFile(tooMany.data(), tooMany.size(), back, damage));
    EXPECT_STREQ(damage.szReason, "more than 32 pages");
    std::string huge = std::string("\x01\0\0\0\xff\xff\xff\xff", 8) + std::string(64, 'a');
    EXPECT_FALSE(DecodeButtonFile(huge.data(), huge.size(), back, damage));
    // A 20-byte label is kept to 15 bytes; a double-byte character across
    // the limit goes whole.
    std::string label = std::string(14, 'x') + "\x88\xca" + "yyyy";
    std::string one = std::string("\x01\0\0\0\x01\0\0\0", 8) + label + std::string("\0\0\0\0\0\0\0", 7);
    damage = BlockDamage();
    ASSERT_TRUE(DecodeButtonFile(one.data(), one.size(), back, damage));
    EXPECT_EQ(std::string(back.slots[0][0].szLabel), std::string(14, 'x'));
}

TEST(UserButtons, LimitOfOneHundredPerRunEvenAfterDeletes)
{
    UserButtonPages pages;
    for (int i = 0; i < USER_BUTTON_LIMIT; ++i) {
        UserButton *b = AddUserButton(pages, "b", KIND_POSITION, i, "");
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(DeleteUserButton(pages, b->id), 1);
    }
    EXPECT_EQ(AddUserButton(pages, "b", KIND_POSITION, 0, ""), nullptr);
    EXPECT_TRUE(pages.slots[0].empty());
    // Loading past the limit drops the extra buttons.
    UserButtonPages full;
    for (int i = 0; i < USER_BUTTON_LIMIT; ++i)
        AddUserButton(full, "b", KIND_POSITION, i, "");
    std::string bytes = EncodeButtonFile(full);
    UserButtonPages again;
    again.nUserButtons = 98;
    BlockDamage damage;
    ASSERT_TRUE(DecodeButtonFile(bytes.data(), bytes.size(), again, damage));
    EXPECT_EQ(again.slots[0].size(), 2u);
    EXPECT_EQ(again.slots[0][1].id, 8099u);
}

TEST(UserButtons, PageRules)
{
    UserButtonPages pages;
    MakeDefaultButtons(pages);
    EXPECT_STREQ(pages.slots[0][1].szLabel, "End");
    EXPECT_EQ(pages.slots[0][1].value, -1);
    EXPECT_EQ(CountUserPages(pages), 1);
    NextUserPage(pages);                  // filled page 1 -> empty slot 1
    EXPECT_EQ(pages.nCurrent, 1);
    NextUserPage(pages);                  // empty with empty next -> slot 0
    EXPECT_EQ(pages.nCurrent, 0);
    pages.slots[2].push_back(UserButton());
    EXPECT_EQ(CountUserPages(pages), 3);
    pages.nCurrent = 1;
    NextUserPage(pages);                  // empty before filled: dropped
    EXPECT_EQ(pages.nCurrent, 1);
    EXPECT_EQ(pages.slots[1].size(), 1u);
    EXPECT_TRUE(pages.slots[2].empty());
    pages.nCurrent = USER_PAGE_SLOTS - 1;
    pages.slots[USER_PAGE_SLOTS - 1].push_back(UserButton());
    NextUserPage(pages);                  // filled last slot -> slot 0
    EXPECT_EQ(pages.nCurrent, 0);
    EXPECT_EQ(ShiftUserPage(pages, -1), 0);
    EXPECT_EQ(ShiftUserPage(pages, 1), 1);
    EXPECT_EQ(pages.nCurrent, 1);
    EXPECT_EQ(pages.slots[1][0].id, 8000u);
    EXPECT_EQ(std::string(UserButtonKindName(3)), "\x83\x47\x83\x66\x83\x42\x83\x5e\x8b\x40\x94\x5c");
    EXPECT_EQ(UserButtonKindName(6), nullptr);
}
