#include "app/snippet_menu_core.h"

#include <gtest/gtest.h>

#include <string>

static SnippetList Parse(const std::string &s) { return ParseSnippetList(s.data(), s.size()); }

TEST(SnippetList, ReadsCountAndItems)
{
    SnippetList list = Parse(std::string("3\0Create\0Message\0switch\x81\x60" "case\0", 29));
    EXPECT_EQ(list.nDeclared, 3u);
    ASSERT_EQ(list.items.size(), 3u);
    EXPECT_EQ(list.items[0], "Create");
    EXPECT_EQ(list.items[2], "switch\x81\x60" "case");
}

TEST(SnippetList, CountLargerThanItemsStopsAtTheEnd)
{
    std::string s("50\0a\0b", 6);  // no terminator after the last item
    SnippetList list = Parse(s);
    EXPECT_EQ(list.nDeclared, 50u);
    ASSERT_EQ(list.items.size(), 2u);
    EXPECT_EQ(list.items[1], "b");
    EXPECT_TRUE(Parse(std::string()).items.empty());
    EXPECT_TRUE(Parse(std::string("9", 1)).items.empty());
}
