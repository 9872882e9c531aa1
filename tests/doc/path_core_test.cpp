#include "doc/path_core.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

// "C:\表示\ソース.cpp": 表 = 95 5C and ソ = 83 5C end in the byte of "\".
static const char kJapanesePath[] = "C:\\\x95\x5c\x8e\xa6\\\x83\x5c\x81\x5b\x83\x58.cpp";
static const char kJapaneseFolder[] = "C:\\\x95\x5c\x8e\xa6\\";
static const char kJapaneseName[] = "\x83\x5c\x81\x5b\x83\x58.cpp";

TEST(PathParts, TrailByteOfADoubleByteCharacterIsNoSeparator)
{
    char folder[SYSTEM_PATH_SIZE], name[64];
    EXPECT_EQ(GetFolderOfPath(kJapanesePath, folder, sizeof folder), 1);
    EXPECT_STREQ(folder, kJapaneseFolder);
    EXPECT_EQ(GetNameOfPath(kJapanesePath, name, sizeof name), 1);
    EXPECT_STREQ(name, kJapaneseName);

    // A name that ends in ソ keeps it; a folder that ends in 表 is one part.
    EXPECT_EQ(GetNameOfPath("C:\\dir\\\x83\x5c", name, sizeof name), 1);
    EXPECT_STREQ(name, "\x83\x5c");
    GetFolderOfPath("C:\\\x95\x5c", folder, sizeof folder);
    EXPECT_STREQ(folder, "C:\\");
    GetNameOfPath("C:\\\x95\x5c", name, sizeof name);
    EXPECT_STREQ(name, "\x95\x5c");
}

TEST(PathParts, PathWithoutBackslashHasNoFolderAndIsItsOwnName)
{
    char folder[SYSTEM_PATH_SIZE], name[64];
    EXPECT_EQ(GetFolderOfPath(kJapaneseName, folder, sizeof folder), 1);
    EXPECT_STREQ(folder, "");
    EXPECT_EQ(GetNameOfPath(kJapaneseName, name, sizeof name), 1);
    EXPECT_STREQ(name, kJapaneseName);
    GetFolderOfPath("C:\\", folder, sizeof folder);
    EXPECT_STREQ(folder, "C:\\");
    GetNameOfPath("C:\\", name, sizeof name);
    EXPECT_STREQ(name, "");
}

TEST(PathParts, LongPathsAreRefusedAndBuffersNeverOverrun)
{
    std::string longest = "C:\\" + std::string(250, 'd') + "\\a.txt";  // 259 bytes
    ASSERT_EQ(longest.size(), 259u);
    char folder[SYSTEM_PATH_SIZE], name[64];
    EXPECT_EQ(GetFolderOfPath(longest.c_str(), folder, sizeof folder), 1);
    EXPECT_EQ(GetNameOfPath(longest.c_str(), name, sizeof name), 1);
    EXPECT_STREQ(name, "a.txt");

    std::string tooLong = longest + "t";
    EXPECT_EQ(GetFolderOfPath(tooLong.c_str(), folder, sizeof folder), 0);
    EXPECT_STREQ(folder, "");
    EXPECT_EQ(GetNameOfPath(tooLong.c_str(), name, sizeof name), 0);
    EXPECT_STREQ(name, "");

    // A folder that does not fit the caller's buffer is refused; the byte
    // after the buffer stays untouched.
    char small[8 + 1];
    small[8] = 'Z';
    EXPECT_EQ(GetFolderOfPath("C:\\abcdef\\x", small, 8), 0);
    EXPECT_EQ(small[8], 'Z');
    EXPECT_STREQ(small, "");
}

TEST(PathParts, LongNameIsCutOnACharacterBoundary)
{
    // 62 bytes and then 表: taking 63 bytes would split the character.
    std::string path = "C:\\" + std::string(62, 'n') + "\x95\x5c" + ".c";
    char name[64];
    EXPECT_EQ(GetNameOfPath(path.c_str(), name, sizeof name), 1);
    EXPECT_EQ(std::string(name), std::string(62, 'n'));
}

// Replaces the extension into a 256-byte buffer and returns the result.
static std::string Replaced(const char *path, const char *ext)
{
    char out[256];
    if (!ReplaceExtension(path, ext, out, sizeof out))
        return "<refused>";
    return out;
}

TEST(ExtensionReplacement, LastDotOfTheFileNameIsReplacedOrExtensionAppended)
{
    EXPECT_EQ(Replaced("C:\\src\\main.cpp", ".rc"), "C:\\src\\main.rc");
    EXPECT_EQ(Replaced("C:\\src\\a.tar.gz", ".rc"), "C:\\src\\a.tar.rc");
    EXPECT_EQ(Replaced("C:\\src\\Makefile", ".rc"), "C:\\src\\Makefile.rc");
    EXPECT_EQ(Replaced("main.cpp", "3.bmp"), "main3.bmp");
    EXPECT_EQ(Replaced(kJapanesePath, ".rc"), "C:\\\x95\x5c\x8e\xa6\\\x83\x5c\x81\x5b\x83\x58.rc");
    // The first character of the path is never taken for the dot.
    EXPECT_EQ(Replaced(".cfg", ".rc"), ".cfg.rc");
    EXPECT_EQ(Replaced("C:\\x\\.cfg", ".rc"), "C:\\x\\.rc");
}

TEST(ExtensionReplacement, DotInAFolderNameNeverCounts)
{
    // Cutting at the folder's dot would name a file in another folder.
    EXPECT_EQ(Replaced("C:\\proj.v2\\Makefile", ".rc"), "C:\\proj.v2\\Makefile.rc");
    // Behind a 0x5C trail byte the name still starts after the real "\".
    EXPECT_EQ(Replaced("C:\\a.b\\\x83\x5c", ".rc"), "C:\\a.b\\\x83\x5c.rc");
}

TEST(ExtensionReplacement, ResultThatDoesNotFitIsRefused)
{
    char out[10 + 1];
    out[10] = 'Z';
    EXPECT_EQ(ReplaceExtension("C:\\ab.cpp", ".rc", out, 10), 1);  // 8 bytes + terminator
    EXPECT_STREQ(out, "C:\\ab.rc");
    EXPECT_EQ(ReplaceExtension("C:\\abcdef", ".rc", out, 10), 0);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(out[10], 'Z');
}

TEST(SaveTempPath, LivesInTheTargetFolderAndFitsItsBuffer)
{
    char out[SYSTEM_PATH_SIZE];
    EXPECT_EQ(MakeSaveTempPath(kJapanesePath, 3, out, sizeof out), 1);
    EXPECT_STREQ(out, "C:\\\x95\x5c\x8e\xa6\\~sora3.tmp");
    EXPECT_EQ(MakeSaveTempPath("main.cpp", 0, out, sizeof out), 0);
    EXPECT_STREQ(out, "");
    std::string deep = "C:\\" + std::string(245, 'd') + "\\a";  // folder of 249 bytes
    EXPECT_EQ(MakeSaveTempPath(deep.c_str(), 0, out, sizeof out), 1);
    EXPECT_EQ(MakeSaveTempPath(deep.c_str(), 4000000000u, out, sizeof out), 0);
}
