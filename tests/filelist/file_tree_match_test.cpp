// The file tree's categories: which pattern list a file name falls under.
#include <gtest/gtest.h>

#include "filelist/file_tree_match.h"

TEST(FileTreeMatch, ExtensionsAgainstPatternLists)
{
    EXPECT_TRUE(MatchFileCategory("*.c;*.cpp", "C:\\src\\main.c"));
    EXPECT_TRUE(MatchFileCategory("*.c;*.cpp", "C:\\src\\MAIN.CPP"));
    EXPECT_TRUE(MatchFileCategory(" *.c ;\t*.cpp", "a.cpp"));
    EXPECT_FALSE(MatchFileCategory("*.c;*.cpp", "a.h"));
    EXPECT_TRUE(MatchFileCategory("*.h;*.hpp;*.rh", "a.hpp"));
    // Only the extension's length is compared: ".r" begins "*.rh".
    EXPECT_TRUE(MatchFileCategory("*.h;*.hpp;*.rh", "x.r"));
    EXPECT_FALSE(MatchFileCategory("*.rc", "x.rcx"));
    // No dot: only "*.*" takes it; "*.*" itself matches only a bare dot.
    EXPECT_FALSE(MatchFileCategory("*.txt", "Makefile"));
    EXPECT_TRUE(MatchFileCategory("*.*", "Makefile"));
    EXPECT_FALSE(MatchFileCategory("*.*", "a.txt"));
    EXPECT_TRUE(MatchFileCategory("*.*", "a."));
    // A dot in a folder name is not the extension; a 0x5C trail byte is no separator.
    EXPECT_TRUE(MatchFileCategory("*.*", "C:\\v1.2\\README"));
    EXPECT_EQ(FileNameOfPath("C:\\\x95\x5c.txt"), "C:\\\x95\x5c.txt" + 3);
}
