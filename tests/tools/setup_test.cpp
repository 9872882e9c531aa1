#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "golden_file.h"
#include "tools/setup_check.h"
#include "tools/setup_files.h"

namespace {

bool SetsPath(const std::string &text)
{
    bool bSets = true;
    EXPECT_EQ(ParseAutoexec(text.data(), text.size(), &bSets), SETUP_PARSED);
    return bSets;
}

CfgFindings Cfg(const std::string &text)
{
    CfgFindings f;
    EXPECT_EQ(ParseCompilerCfg(text.data(), text.size(), &f), SETUP_PARSED);
    return f;
}

std::string Complete(SetupItem item, const char *szRoot, const std::string &text)
{
    char out[SETUP_EDIT_MAX];
    size_t nOut = 0;
    SetupParse parse;
    EXPECT_EQ(CompleteSetupFile(item, szRoot, text.data(), text.size(), out, sizeof(out), &nOut, &parse),
              TOOLS_OK);
    return std::string(out, nOut);
}

// A system whose files are held in memory; a file absent from the map is
// missing, one mapped to "<fail>" cannot be read.
struct FakeSystem {
    std::map<int, std::string> files;
    bool bInstalled = true;
    int nReads = 0;
};

int FakeRead(void *context, SetupItem item, char *buf, size_t capacity, size_t *pnLen)
{
    FakeSystem *sys = static_cast<FakeSystem *>(context);
    ++sys->nReads;
    auto it = sys->files.find(item);
    if (it == sys->files.end())
        return SETUP_READ_MISSING;
    if (it->second == "<fail>")
        return SETUP_READ_FAILED;
    size_t n = std::min(it->second.size(), capacity - 1);
    std::memcpy(buf, it->second.data(), n);
    *pnLen = n;
    return it->second.size() > capacity - 1 ? SETUP_READ_TOO_LARGE : SETUP_READ_OK;
}

bool FakeInstalled(void *context)
{
    return static_cast<FakeSystem *>(context)->bInstalled;
}

SetupReport Evaluate(FakeSystem &sys, unsigned char *pbtFlags, const char *szPath)
{
    SetupIo io = {&sys, FakeRead, FakeInstalled, szPath};
    SetupReport report;
    EvaluateCompilerSetup(pbtFlags, &io, &report);
    return report;
}

} // namespace

TEST(SetupFiles, AutoexecFollowsItsPathStatements)
{
    EXPECT_TRUE(SetsPath("PATH = \"%PATH%;C:\\BORLAND\\BCC55\\BIN\"\r\n"));
    EXPECT_TRUE(SetsPath("@set path=c:\\windows;d:\\borland\\bcc55\\bin\n"));
    EXPECT_TRUE(SetsPath("PATH C:\\BORLAND\\BCC55\\BIN\r\nPATH %PATH%;C:\\UTIL\r\nPATH\r\n"));
    // A later PATH without %PATH% replaces it; a remark sets nothing.
    EXPECT_FALSE(SetsPath("PATH C:\\BORLAND\\BCC55\\BIN\r\nPATH=C:\\WINDOWS\r\n"));
    EXPECT_FALSE(SetsPath("REM PATH C:\\BORLAND\\BCC55\\BIN\r\n:: PATH C:\\BORLAND\\BCC55\\BIN\r\n"));
    EXPECT_FALSE(SetsPath("ECHO C:\\BORLAND\\BCC55\\BIN\r\nPATHS C:\\BORLAND\\BCC55\\BIN\r\n"));
    EXPECT_FALSE(SetsPath(""));

    bool bSets;
    std::string binary("PATH C:\\BORLAND\\BCC55\\BIN\0", 27);
    EXPECT_EQ(ParseAutoexec(binary.data(), binary.size(), &bSets), SETUP_BINARY);
    std::string big(SETUP_FILE_MAX, 'x');
    EXPECT_EQ(ParseAutoexec(big.data(), big.size(), &bSets), SETUP_TOO_LARGE);
}

TEST(SetupFiles, RunningPathNeedsTheBinFolderItself)
{
    EXPECT_TRUE(PathListHasCompilerBin("C:\\WINDOWS;C:\\BORLAND\\BCC55\\BIN"));
    EXPECT_TRUE(PathListHasCompilerBin("\"c:\\windows;d:\\borland\\bcc55\\bin\\\";C:\\UTIL"));
    EXPECT_FALSE(PathListHasCompilerBin("C:\\BORLAND\\BCC55\\BINX;C:\\OLD\\BORLAND\\BCC55\\BIN2"));
    EXPECT_FALSE(PathListHasCompilerBin("BORLAND\\BCC55\\BIN"));
    EXPECT_FALSE(PathListHasCompilerBin(""));
}

TEST(SetupFiles, ConfigurationOptionsNameTheFolders)
{
    CfgFindings f = Cfg("-I\"C:\\Borland\\Bcc55\\include\"\r\n-L\"c:\\borland\\bcc55\\lib;c:\\borland\\bcc55\\lib\\psdk\"\r\n");
    EXPECT_TRUE(f.bInclude && f.bLib && f.bPsdk);
    // PSDK alone is not LIB; a folder in -I is no library folder.
    f = Cfg("-L\"C:\\BORLAND\\BCC55\\LIB\\PSDK\" -I\"C:\\BORLAND\\BCC55\\LIB\"");
    EXPECT_FALSE(f.bLib);
    EXPECT_TRUE(f.bPsdk);
    EXPECT_FALSE(f.bInclude);
    f = Cfg("/LD:\\BORLAND\\BCC55\\LIB\\ -w-par\n-x\"C:\\BORLAND\\BCC55\\INCLUDE\"");
    EXPECT_TRUE(f.bLib);
    EXPECT_FALSE(f.bInclude);
    f = Cfg("-L\"C:\\MYBORLAND\\BCC55\\LIB\"");
    EXPECT_FALSE(f.bLib);

    std::string unclosed = "-I\"C:\\BORLAND\\BCC55\\INCLUDE\r\n";
    EXPECT_EQ(ParseCompilerCfg(unclosed.data(), unclosed.size(), &f), SETUP_BAD_QUOTES);
    std::string marked = "-L\x1a\r\nmore";
    EXPECT_EQ(ParseCompilerCfg(marked.data(), marked.size(), &f), SETUP_BINARY);
}

TEST(SetupFiles, CompletionMatchesTheGoldenFiles)
{
    EXPECT_EQ(Complete(SETUP_AUTOEXEC, "D:\\", ReadGolden("autoexec_in.bat")),
              ReadGolden("autoexec_out.bat"));
    EXPECT_EQ(Complete(SETUP_BCC_CFG, "D:\\", ReadGolden("bcc32_in.cfg")), ReadGolden("bcc32_out.cfg"));
    // Only LIB named: the whole -L line is appended again.
    EXPECT_EQ(Complete(SETUP_ILINK_CFG, "C:\\", ReadGolden("ilink32_in.cfg")),
              ReadGolden("ilink32_out.cfg"));
    // A missing file gets the lines alone; a complete one stays as it is.
    EXPECT_EQ(Complete(SETUP_ILINK_CFG, "E:\\", ""),
              "-L\"E:\\borland\\bcc55\\lib;E:\\borland\\bcc55\\lib\\PSDK\"\r\n");
    std::string done = ReadGolden("bcc32_out.cfg");
    EXPECT_EQ(Complete(SETUP_BCC_CFG, "D:\\", done), done);
}

TEST(SetupFiles, UnparsableFilesAreLeftAlone)
{
    char out[SETUP_EDIT_MAX];
    size_t nOut = 7;
    SetupParse parse;
    std::string big(SETUP_FILE_MAX, 'x');
    EXPECT_EQ(CompleteSetupFile(SETUP_AUTOEXEC, "C:\\", big.data(), big.size(), out, sizeof(out), &nOut,
                                &parse), TOOLS_BAD_TEXT);
    EXPECT_EQ(parse, SETUP_TOO_LARGE);
    EXPECT_EQ(nOut, 0u);
    std::string quotes = "-L\"C:\\x";
    EXPECT_EQ(CompleteSetupFile(SETUP_BCC_CFG, "C:\\", quotes.data(), quotes.size(), out, sizeof(out),
                                &nOut, &parse), TOOLS_BAD_TEXT);
    EXPECT_EQ(parse, SETUP_BAD_QUOTES);
    // The largest file that can be read still completes within the edit.
    std::string nearFull(SETUP_FILE_MAX - 1, 'x');
    EXPECT_EQ(CompleteSetupFile(SETUP_BCC_CFG, "C:\\", nearFull.data(), nearFull.size(), out,
                                sizeof(out), &nOut, &parse), TOOLS_OK);
    EXPECT_EQ(CompleteSetupFile(SETUP_BCC_CFG, "C:\\", "-w", 2, out, 40, &nOut, &parse), TOOLS_NO_FIT);
    EXPECT_EQ(CompleteSetupFile(SETUP_BCC_CFG, "C", "", 0, out, sizeof(out), &nOut, &parse),
              TOOLS_BAD_PATH);

    EXPECT_EQ(SetupFilePath(SETUP_ILINK_CFG, "d:\\", out, sizeof(out)), TOOLS_OK);
    EXPECT_STREQ(out, "D:\\BORLAND\\BCC55\\BIN\\ILINK32.CFG");
}

TEST(SetupCheck, StatesAndFlagsFromTheFiles)
{
    FakeSystem sys;
    sys.files[SETUP_AUTOEXEC] = "PATH %PATH%;C:\\BORLAND\\BCC55\\BIN\r\n";
    sys.files[SETUP_BCC_CFG] = "-I\"C:\\BORLAND\\BCC55\\INCLUDE\"\r\n";
    sys.files[SETUP_ILINK_CFG] = "-L\"C:\\BORLAND\\BCC55\\LIB\"\r\n";
    unsigned char btFlags = 0;
    SetupReport r = Evaluate(sys, &btFlags, "C:\\WINDOWS");
    EXPECT_TRUE(r.bExamined);
    EXPECT_EQ(r.btState[SETUP_AUTOEXEC], SETUP_STATE_FULL);  // set, not yet in effect
    EXPECT_EQ(r.btState[SETUP_INSTALL], SETUP_STATE_PARTLY);
    EXPECT_EQ(r.btState[SETUP_BCC_CFG], SETUP_STATE_PARTLY);
    EXPECT_EQ(r.btState[SETUP_ILINK_CFG], SETUP_STATE_PARTLY);
    EXPECT_EQ(btFlags, SETUP_FLAG_INSTALLED | SETUP_FLAG_BCC_INCLUDE | SETUP_FLAG_ILINK_LIB);

    // After a restart PATH holds the folder as the last entry.
    sys.files[SETUP_BCC_CFG] = "-L\"C:\\BORLAND\\BCC55\\LIB;C:\\BORLAND\\BCC55\\LIB\\PSDK\"";
    r = Evaluate(sys, &btFlags, "C:\\WINDOWS;\"C:\\BORLAND\\BCC55\\BIN\"");
    EXPECT_EQ(r.btState[SETUP_AUTOEXEC], SETUP_STATE_PARTLY);
    EXPECT_EQ(r.btState[SETUP_BCC_CFG], SETUP_STATE_FULL);
    EXPECT_TRUE(btFlags & SETUP_FLAG_PATH);

    // LIB and PSDK alone do not skip a configuration whose INCLUDE is missing.
    btFlags = SETUP_FLAG_PATH | SETUP_FLAG_INSTALLED | SETUP_FLAG_BCC_LIB | SETUP_FLAG_BCC_PSDK |
              SETUP_FLAG_ILINK_LIB | SETUP_FLAG_ILINK_PSDK;
    sys.files[SETUP_BCC_CFG] = "-w\r\n";
    r = Evaluate(sys, &btFlags, "");
    EXPECT_EQ(r.btState[SETUP_BCC_CFG], SETUP_STATE_PARTLY);

    // Everything satisfied except the start-up switch: nothing is read.
    btFlags = 0x7F;
    sys.nReads = 0;
    r = Evaluate(sys, &btFlags, "");
    EXPECT_FALSE(r.bExamined);
    EXPECT_EQ(sys.nReads, 0);
    EXPECT_EQ(r.btState[SETUP_BCC_CFG], SETUP_STATE_FULL);
}

TEST(SetupCheck, MissingUnreadableAndUninstalled)
{
    FakeSystem sys;
    sys.files[SETUP_AUTOEXEC] = "<fail>";
    sys.files[SETUP_BCC_CFG] = "<fail>";
    unsigned char btFlags = SETUP_FLAG_NO_STARTUP;
    SetupReport r = Evaluate(sys, &btFlags, "");
    EXPECT_EQ(r.btState[SETUP_AUTOEXEC], SETUP_STATE_NONE);
    EXPECT_EQ(r.btState[SETUP_BCC_CFG], SETUP_STATE_NONE);   // never offered for overwriting
    EXPECT_EQ(r.btState[SETUP_ILINK_CFG], SETUP_STATE_MISSING);
    EXPECT_EQ(btFlags, SETUP_FLAG_NO_STARTUP | SETUP_FLAG_INSTALLED);

    sys.files[SETUP_ILINK_CFG] = "-L\"C:\\BORLAND\\BCC55\\LIB\r\n";
    r = Evaluate(sys, &btFlags, "");
    EXPECT_EQ(r.btState[SETUP_ILINK_CFG], SETUP_STATE_NONE);
    EXPECT_EQ(r.parse[SETUP_ILINK_CFG], SETUP_BAD_QUOTES);

    FakeSystem bare;
    bare.bInstalled = false;
    btFlags = 0;
    r = Evaluate(bare, &btFlags, "");
    EXPECT_EQ(r.btState[SETUP_AUTOEXEC], SETUP_STATE_MISSING);
    EXPECT_EQ(r.btState[SETUP_INSTALL], SETUP_STATE_MISSING);
    EXPECT_EQ(r.btState[SETUP_BCC_CFG], SETUP_STATE_NONE);
    EXPECT_EQ(bare.nReads, 1);
}

TEST(SetupCheck, RowTextsAndButtons)
{
    char text[1024];
    SetupRowView view;
    ASSERT_EQ(SetupRowText(SETUP_AUTOEXEC, SETUP_STATE_PARTLY, "D:\\", text, sizeof(text), &view), TOOLS_OK);
    EXPECT_NE(std::string(text).find("D:\\borland\\bcc55\\bin"), std::string::npos);
    EXPECT_EQ(std::string(text).find("INSERTION"), std::string::npos);
    EXPECT_EQ(view.button, SETUP_BUTTON_CONFIRM);
    SetupRowText(SETUP_AUTOEXEC, SETUP_STATE_FULL, "D:\\", text, sizeof(text), &view);
    EXPECT_EQ(view.button, SETUP_BUTTON_REFER);
    SetupRowText(SETUP_AUTOEXEC, SETUP_STATE_NONE, "D:\\", text, sizeof(text), &view);
    EXPECT_EQ(view.button, SETUP_BUTTON_DISABLED);
    EXPECT_STREQ(text, "");
    SetupRowText(SETUP_ILINK_CFG, SETUP_STATE_PARTLY, "D:\\", text, sizeof(text), &view);
    EXPECT_EQ(view.button, SETUP_BUTTON_REFER);
    EXPECT_NE(std::string(text).find("ilink32.cfg"), std::string::npos);
    SetupRowText(SETUP_INSTALL, SETUP_STATE_MISSING, "D:\\", text, sizeof(text), &view);
    EXPECT_TRUE(view.bDisableConfigRows);
    EXPECT_EQ(SetupRowText(SETUP_AUTOEXEC, SETUP_STATE_NOT_SET, "D:\\", text, 10, &view), TOOLS_NO_FIT);

    ASSERT_EQ(SetupPreviewCaption(SETUP_BCC_CFG, true, text, sizeof(text)), TOOLS_OK);
    EXPECT_NE(std::string(text).find("\x81u" "bcc32.cfg\x81v"), std::string::npos);
}
