#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "golden_file.h"
#include "tools/build_commands.h"
#include "tools/makefile_text.h"

namespace {

std::string Makefile(const char *szSource, const char *szRc, MakefileTarget target, bool bMt)
{
    MakefileState state = {szSource, szRc, target, bMt, nullptr};
    char out[MAKEFILE_TEXT_MAX];
    EXPECT_EQ(BuildMakefileText(&state, out, sizeof(out)), TOOLS_OK);
    return out;
}

CompileRequest Request(int nMode)
{
    CompileRequest r = {nMode, "win.cpp", "D:\\work\\my src", "D:\\out", "win.exe",
                        "-tW -tWM", "", false, nullptr};
    return r;
}

std::vector<std::string> Lines(const CompileRequest &r)
{
    CommandList list;
    EXPECT_EQ(BuildCompileCommands(&r, &list), TOOLS_OK);
    return std::vector<std::string>(list.szLines, list.szLines + list.nCount);
}

std::string CompilerLine(const CompileRequest &r)
{
    char out[COMMAND_LINE_MAX];
    EXPECT_EQ(BuildCompilerLine(&r, out, sizeof(out)), TOOLS_OK);
    return out;
}

} // namespace

TEST(MakefileText, MatchesTheGoldenFiles)
{
    EXPECT_EQ(Makefile("", "", TARGET_CONSOLE, false), ReadGolden("makefile_user.txt"));
    // 表 ends in 0x5C; the extension still goes from the file name only.
    EXPECT_EQ(Makefile("D:\\work\\\x95\x5c\x8e\xa6\\win.cpp", "", TARGET_WINDOWS, true),
              ReadGolden("makefile_win.txt"));
    // A path holding the placeholder word is not filled again.
    EXPECT_EQ(Makefile("C:\\src\\INSERTION.cpp", "D:\\res\\my.rc", TARGET_DLL, false),
              ReadGolden("makefile_dll.txt"));
}

// The window layer hands over the template of its string table; a template
// with too few placeholders is refused, not half filled.
TEST(MakefileText, FillsTheTemplateItIsGiven)
{
    MakefileState state = {"C:\\src\\a.cpp", "", TARGET_DLL, true, "S=INSERTION R=INSERTION T=INSERTION O=INSERTION"};
    char out[MAKEFILE_TEXT_MAX];
    ASSERT_EQ(BuildMakefileText(&state, out, sizeof(out)), TOOLS_OK);
    EXPECT_STREQ(out, "S=C:\\src\\a.cpp R=C:\\src\\a.rc T=a.exe O=-tWD -tWM");
    state.szTemplate = "S=INSERTION";
    EXPECT_EQ(BuildMakefileText(&state, out, sizeof(out)), TOOLS_NO_FIT);
}

TEST(MakefileText, OptionsAndRefusals)
{
    char options[16];
    MakefileOptions(TARGET_CONSOLE, true, options);
    EXPECT_STREQ(options, "-tWM");
    MakefileOptions(TARGET_DLL, true, options);
    EXPECT_STREQ(options, "-tWD -tWM");

    std::string longPath = "C:\\" + std::string(300, 'a') + ".cpp";
    MakefileState state = {longPath.c_str(), "", TARGET_WINDOWS, false, nullptr};
    char out[MAKEFILE_TEXT_MAX];
    EXPECT_EQ(BuildMakefileText(&state, out, sizeof(out)), TOOLS_TOO_LONG);
    state.szSourcePath = "C:\\a\"b.cpp";
    EXPECT_EQ(BuildMakefileText(&state, out, sizeof(out)), TOOLS_BAD_PATH);
    state.szSourcePath = "C:\\src\\";
    EXPECT_EQ(BuildMakefileText(&state, out, sizeof(out)), TOOLS_BAD_PATH);
    state.szSourcePath = "C:\\a.cpp";
    EXPECT_EQ(BuildMakefileText(&state, out, 100), TOOLS_NO_FIT);
    EXPECT_STREQ(out, "");

    EXPECT_EQ(MakefileSavePath("D:\\src\\a.cpp", "C:\\", out, sizeof(out)), TOOLS_OK);
    EXPECT_STREQ(out, "D:\\src\\makefile");
    EXPECT_EQ(MakefileSavePath("", "C:\\", out, sizeof(out)), TOOLS_OK);
    EXPECT_STREQ(out, "C:\\makefile");
}

TEST(CompileCommands, EachModeComposesItsCompilerLine)
{
    EXPECT_EQ(Lines(Request(COMPILE_BESIDE_SOURCE)),
              (std::vector<std::string>{"D:", "cd \"D:\\work\\my src\"", "bcc32 -tW -tWM \"win.cpp\""}));
    EXPECT_EQ(CompilerLine(Request(COMPILE_FIXED_FOLDER)), "bcc32 -tW -tWM -n\"D:\\out\" \"win.cpp\"");

    // The dialog mode names only what differs from the compiler's default.
    CompileRequest r = Request(COMPILE_ASK);
    EXPECT_EQ(CompilerLine(r), "bcc32 -tW -tWM -n\"D:\\out\" \"win.cpp\"");
    r.szOutName = "tool.exe";
    EXPECT_EQ(CompilerLine(r), "bcc32 -tW -tWM -e\"tool.exe\" -n\"D:\\out\" \"win.cpp\"");
    r.szOutFolder = "d:\\WORK\\my src\\";
    EXPECT_EQ(CompilerLine(r), "bcc32 -tW -tWM -e\"tool.exe\" \"win.cpp\"");
    r.szOutName = "WIN.EXE";
    EXPECT_EQ(CompilerLine(r), "bcc32 -tW -tWM \"win.cpp\"");

    // A folder before a closing quote never ends in a backslash.
    r = Request(COMPILE_FIXED_FOLDER);
    r.szOutFolder = "E:\\";
    EXPECT_EQ(CompilerLine(r), "bcc32 -tW -tWM -n\"E:\\.\" \"win.cpp\"");
    r.szOutFolder = "E:\\bin\\";
    EXPECT_EQ(CompilerLine(r), "bcc32 -tW -tWM -n\"E:\\bin\" \"win.cpp\"");
}

TEST(CompileCommands, ResourcesAreBoundOnlyForWindowsPrograms)
{
    CompileRequest r = Request(COMPILE_FIXED_FOLDER);
    r.szRcPath = "C:\\res\\win.rc";
    r.bRcExists = true;
    EXPECT_EQ(Lines(r), (std::vector<std::string>{
                            "D:", "cd \"D:\\work\\my src\"", "bcc32 -tW -tWM -n\"D:\\out\" \"win.cpp\"",
                            "C:", "cd \"C:\\res\"", "brc32 \"win.rc\" \"D:\\out\\win.exe\"", "D:",
                            "cd \"D:\\out\""}));
    r.szOptions = "-tWM";
    EXPECT_EQ(Lines(r).size(), 3u);
    r.szOptions = "-tWD";
    EXPECT_EQ(Lines(r).size(), 3u);
    r.szOptions = "-tW";
    r.bRcExists = false;
    EXPECT_EQ(Lines(r).size(), 3u);
}

TEST(CompileCommands, BadRequestsAreRefused)
{
    CommandList list;
    CompileRequest r = Request(3);
    EXPECT_EQ(BuildCompileCommands(&r, &list), TOOLS_BAD_MODE);
    r = Request(COMPILE_BESIDE_SOURCE);
    r.szOptions = "-tW\r\ndel *.*";
    EXPECT_EQ(BuildCompileCommands(&r, &list), TOOLS_BAD_TEXT);
    std::string longOptions(256, 'v');
    r.szOptions = longOptions.c_str();
    EXPECT_EQ(BuildCompileCommands(&r, &list), TOOLS_TOO_LONG);
    r = Request(COMPILE_ASK);
    r.szOutName = "a\"b.exe";
    EXPECT_EQ(BuildCompileCommands(&r, &list), TOOLS_BAD_PATH);
    r.szOutName = "";
    EXPECT_EQ(BuildCompileCommands(&r, &list), TOOLS_BAD_PATH);
    // The longest fields still fit a command line.
    std::string source(250, 'n'), out(250, 'o'), folder = "C:\\" + std::string(252, 'f');
    std::string options(255, 'v');
    source += ".c";
    out += ".e";
    r = {COMPILE_ASK, source.c_str(), "C:\\src", folder.c_str(), out.c_str(), options.c_str(), "", false, nullptr};
    EXPECT_EQ(BuildCompileCommands(&r, &list), TOOLS_OK);
}

TEST(CompileCommands, ConfirmationAndOutputFolderChoice)
{
    bool bMissing;
    EXPECT_STREQ(ChooseOutputFolder(0, "D:\\out", true, "C:\\src", &bMissing), "C:\\src");
    EXPECT_STREQ(ChooseOutputFolder(2, "D:\\out", true, "C:\\src", &bMissing), "D:\\out");
    EXPECT_STREQ(ChooseOutputFolder(2, "D:\\out", false, "C:\\src", &bMissing), "C:\\src");
    EXPECT_TRUE(bMissing);
    EXPECT_STREQ(ChooseOutputFolder(1, "", false, "C:\\src", &bMissing), "C:\\src");
    EXPECT_FALSE(bMissing);

    char text[2048];
    CompileRequest r = Request(COMPILE_BESIDE_SOURCE);
    ASSERT_EQ(BuildCompileConfirmText(&r, text, sizeof(text)), TOOLS_OK);
    std::string s = text;
    EXPECT_NE(s.find("bcc32 -tW -tWM \"win.cpp\"\r\n\r\n"), std::string::npos);
    EXPECT_NE(s.find("D:\\work\\my src\r\n"), std::string::npos);
    EXPECT_NE(s.find("win.exe\r\n\r\n"), std::string::npos);
}

TEST(LibraryCommands, ObjectAndLibrarianLines)
{
    char obj[1024], lib[1024];
    ASSERT_EQ(BuildLibraryLines("my.util.cpp", obj, sizeof(obj), lib, sizeof(lib)), TOOLS_OK);
    EXPECT_STREQ(obj, "bcc32 -c \"my.util.cpp\"");
    EXPECT_STREQ(lib, "tlib \"my.util\" -+\"my.util\"");
    EXPECT_EQ(BuildLibraryLines("", obj, sizeof(obj), lib, sizeof(lib)), TOOLS_BAD_PATH);

    CommandList list;
    ASSERT_EQ(BuildLibraryCommands("C:\\src", obj, lib, &list), TOOLS_OK);
    EXPECT_EQ(list.nCount, 4);
    EXPECT_STREQ(list.szLines[1], "cd \"C:\\src\"");
    EXPECT_STREQ(list.szLines[3], lib);
    std::string huge(1025, 'x');
    EXPECT_EQ(BuildLibraryCommands("C:\\src", huge.c_str(), lib, &list), TOOLS_TOO_LONG);
}

// The window layer hands over the templates of its string table: every line
// is made from them, and a template short of a placeholder is refused.
TEST(CompileCommands, FillsTheTemplatesItIsGiven)
{
    CommandTemplates t = {"CD [INSERTION]", "CC INSERTION <INSERTION>", "CC INSERTION N=INSERTION <INSERTION>",
                          "CC INSERTION E=INSERTION <INSERTION>", "CC INSERTION E=INSERTION N=INSERTION <INSERTION>",
                          "RC INSERTION > INSERTION / INSERTION", "OBJ INSERTION", "LIB INSERTION + INSERTION"};
    CompileRequest r = Request(COMPILE_ASK);
    r.szOutName = "app.exe";
    r.szRcPath = "D:\\res\\win.rc";
    r.bRcExists = true;
    r.templates = &t;
    std::vector<std::string> lines = Lines(r);
    std::vector<std::string> expected = {"D:", "CD [D:\\work\\my src]", "CC -tW -tWM E=app.exe N=D:\\out <win.cpp>",
                                         "D:", "CD [D:\\res]", "RC win.rc > D:\\out / app.exe", "D:", "CD [D:\\out]"};
    EXPECT_EQ(lines, expected);

    char obj[1024], lib[1024];
    ASSERT_EQ(BuildLibraryLines("util.cpp", obj, sizeof(obj), lib, sizeof(lib), &t), TOOLS_OK);
    EXPECT_STREQ(obj, "OBJ util.cpp");
    EXPECT_STREQ(lib, "LIB util + util");

    t.szCompileNameFolder = "CC INSERTION E=INSERTION <INSERTION>";
    CommandList list;
    EXPECT_EQ(BuildCompileCommands(&r, &list), TOOLS_NO_FIT);
}
