#include "app/startup_core.h"

#include <gtest/gtest.h>

#include <string>

TEST(StartupPaths, DriveRootKeepsItsSingleBackslash)
{
    StartupPaths p;
    BuildStartupPaths("C:\\", "C:\\sora.exe", "C:\\WINDOWS", &p);
    EXPECT_STREQ(p.szCurDir, "C:\\");
    EXPECT_STREQ(p.szWorkDir, "C:\\mycfg\\");
    EXPECT_STREQ(p.szSysDrive, "C:\\");
    EXPECT_STREQ(p.szSysDriveNoSlash, "C:");
    EXPECT_STREQ(p.CfgFiles[0], "config.cfg");
    EXPECT_STREQ(p.CfgFiles[1], "ubuttons.cfg");
}

TEST(StartupPaths, FolderGetsOneBackslashAppended)
{
    StartupPaths p;
    BuildStartupPaths("D:\\tools\\sora", "D:\\tools\\sora\\sora.exe", "D:\\WINNT", &p);
    EXPECT_STREQ(p.szCurDir, "D:\\tools\\sora\\");
    EXPECT_STREQ(p.szWorkDir, "D:\\tools\\sora\\mycfg\\");
    EXPECT_STREQ(p.szSysDrive, "D:\\");
    // Only an exact ":\" after the first character counts as a root.
    EXPECT_EQ(FolderWithSlash("\\\\server\\share"), "\\\\server\\share\\");
    EXPECT_EQ(FolderWithSlash("C:\\x"), "C:\\x\\");
}

TEST(StartupPaths, LongStartFolderIsRefusedNotOverrun)
{
    StartupPaths p;
    std::string longDir = "C:\\" + std::string(300, 'a');
    BuildStartupPaths(longDir.c_str(), "C:\\sora.exe", "C:\\WINDOWS", &p);
    EXPECT_TRUE(p.bCurDirTooLong);
    EXPECT_STREQ(p.szCurDir, "");
    EXPECT_STREQ(p.szWorkDir, "");
}

TEST(StartupPaths, LongProgramPathIsCutOnACharacterBoundary)
{
    StartupPaths p;
    // 62 ASCII bytes then a double-byte character: keeping 63 bytes would
    // split it, so only the 62 bytes stay.
    std::string module(62, 'x');
    module += "\x95\x5c.exe";
    BuildStartupPaths("C:\\", module.c_str(), "C:\\WINDOWS", &p);
    EXPECT_TRUE(p.bModuleCut);
    EXPECT_EQ(std::string(p.szModule), std::string(62, 'x'));
}

TEST(InstanceMutexName, NumbersFollowThePathAndBackslashesAreReplaced)
{
    EXPECT_EQ(InstanceMutexName("C:\\sora\\sora.exe", 0), "C:/sora/sora.exe");
    EXPECT_EQ(InstanceMutexName("C:\\sora\\sora.exe", 1), "C:/sora/sora.exe1");
    EXPECT_EQ(InstanceMutexName("C:\\sora\\sora.exe", 64), "C:/sora/sora.exe64");
    // The trail byte 0x5C of "表" stays: it is part of the character.
    EXPECT_EQ(InstanceMutexName("C:\\\x95\x5c\\a.exe", 0), "C:/\x95\x5c/a.exe");
}
