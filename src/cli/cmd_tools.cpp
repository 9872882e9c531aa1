// sora-tool commands of the external tools: makefile text, compile command
// lines, the option check against a source, and the compiler setup check.
#include <dirent.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "cli/cli_command.h"
#include "cli/cli_io.h"
#include "tools/build_commands.h"
#include "tools/compile_options.h"
#include "tools/makefile_text.h"
#include "tools/path_parts.h"
#include "tools/setup_check.h"
#include "tools/source_facts.h"

namespace {

// Value of "--name VALUE" in argv, or fallback.
const char *OptionValue(int argc, char **argv, const char *szName, const char *fallback)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], szName) == 0)
            return argv[i + 1];
    }
    return fallback;
}

bool HasFlag(int argc, char **argv, const char *szName)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], szName) == 0)
            return true;
    }
    return false;
}

// Prints the lines of a command list, one per line.
void PrintCommands(const CommandList &list)
{
    std::string out;
    for (int i = 0; i < list.nCount; ++i)
        out += std::string(list.szLines[i]) + "\n";
    WriteStdout(out);
}

int Fail(const char *szWhat, ToolsError error)
{
    std::fprintf(stderr, "%s: %s\n", szWhat, ToolsErrorName(error));
    return 1;
}

/* makefile [--source PATH] [--rc PATH] [--target console|windows|dll] [--mt] */
int RunMakefile(int argc, char **argv)
{
    std::string target = OptionValue(argc, argv, "--target", "windows");
    MakefileState state = {OptionValue(argc, argv, "--source", ""), OptionValue(argc, argv, "--rc", ""),
                           TARGET_WINDOWS, HasFlag(argc, argv, "--mt"), nullptr};
    if (target == "console")
        state.target = TARGET_CONSOLE;
    else if (target == "dll")
        state.target = TARGET_DLL;
    else if (target != "windows")
        return std::fprintf(stderr, "makefile: unknown target %s\n", target.c_str()), 2;
    char out[MAKEFILE_TEXT_MAX];
    ToolsError error = BuildMakefileText(&state, out, sizeof(out));
    if (error != TOOLS_OK)
        return Fail("makefile", error);
    WriteStdout(out);
    return 0;
}

/* compile-line MODE SOURCE [--options T] [--out-dir D] [--out-name N] [--rc P] */
int RunCompileLine(int argc, char **argv)
{
    if (argc < 3)
        return std::fprintf(stderr, "usage: compile-line MODE SOURCE [options]\n"), 2;
    char *end = nullptr;
    long nMode = std::strtol(argv[1], &end, 10);
    if (*end != '\0')
        return std::fprintf(stderr, "compile-line: bad mode %s\n", argv[1]), 2;
    char szFolder[TOOL_PATH_MAX + 1], szName[TOOL_PATH_MAX + 1], szDefault[TOOL_PATH_MAX + 8];
    if (std::strlen(argv[2]) > TOOL_PATH_MAX)
        return Fail("compile-line", TOOLS_TOO_LONG);
    if (!SplitFullPath(argv[2], szFolder, sizeof(szFolder), szName, sizeof(szName)))
        return Fail("compile-line", TOOLS_BAD_PATH);
    DefaultOutputName(szName, szDefault, sizeof(szDefault));
    CompileRequest request = {static_cast<int>(nMode), szName, szFolder,
                              OptionValue(argc, argv, "--out-dir", szFolder),
                              OptionValue(argc, argv, "--out-name", szDefault),
                              OptionValue(argc, argv, "--options", "-tW -tWM"),
                              OptionValue(argc, argv, "--rc", ""), true, nullptr};
    CommandList list;
    ToolsError error = BuildCompileCommands(&request, &list);
    if (error != TOOLS_OK)
        return Fail("compile-line", error);
    PrintCommands(list);
    return 0;
}

/* lib-line SOURCE: the static library's lines. */
int RunLibLine(int argc, char **argv)
{
    if (argc < 2)
        return std::fprintf(stderr, "usage: lib-line SOURCE\n"), 2;
    char szFolder[TOOL_PATH_MAX + 1], szName[TOOL_PATH_MAX + 1], szObj[1025], szLib[1025];
    if (std::strlen(argv[1]) > TOOL_PATH_MAX)
        return Fail("lib-line", TOOLS_TOO_LONG);
    if (!SplitFullPath(argv[1], szFolder, sizeof(szFolder), szName, sizeof(szName)))
        return Fail("lib-line", TOOLS_BAD_PATH);
    CommandList list;
    ToolsError error = BuildLibraryLines(szName, szObj, sizeof(szObj), szLib, sizeof(szLib));
    if (error == TOOLS_OK)
        error = BuildLibraryCommands(szFolder, szObj, szLib, &list);
    if (error != TOOLS_OK)
        return Fail("lib-line", error);
    PrintCommands(list);
    return 0;
}

const char *const kQuestionNames[] = {"add-tW", "remove-tW", "add-tWD", "remove-tW-for-dll"};

struct CliAnswers {
    bool bYes;
    std::string log;
};

bool CliAsk(void *context, OptionQuestion question)
{
    CliAnswers *answers = static_cast<CliAnswers *>(context);
    answers->log += std::string("ask ") + kQuestionNames[question] + (answers->bYes ? " yes\n" : " no\n");
    return answers->bYes;
}

/* check-options FILE [--options T] [--answer yes|no] */
int RunCheckOptions(int argc, char **argv)
{
    if (argc < 2)
        return std::fprintf(stderr, "usage: check-options FILE [--options T] [--answer yes|no]\n"), 2;
    std::string text;
    if (!ReadWholeFile(argv[1], text))
        return 1;
    std::string answer = OptionValue(argc, argv, "--answer", "yes");
    if (answer != "yes" && answer != "no")
        return std::fprintf(stderr, "check-options: --answer is yes or no\n"), 2;
    const char *szOptions = OptionValue(argc, argv, "--options", "-tW -tWM");
    char buf[COMPILE_OPTIONS_MAX + 1];
    if (std::strlen(szOptions) > COMPILE_OPTIONS_MAX)
        return Fail("check-options", TOOLS_TOO_LONG);
    std::strcpy(buf, szOptions);
    SourceFacts facts = ScanSourceFacts(text.data(), text.size());
    CliAnswers answers = {answer == "yes", ""};
    int bOk = CheckOptions(buf, sizeof(buf), &facts, CliAsk, &answers);
    std::string out = std::string("winmain ") + (facts.bWinMain ? "1" : "0") + "\ndllmain " +
                      (facts.bDllMain ? "1" : "0") + "\nfloat " + (facts.bFloat ? "1" : "0") +
                      "\nthreads " + (facts.bThreads ? "1" : "0") + "\nvoidmain " +
                      (facts.bVoidMain ? "1" : "0") + "\n" + answers.log + "options " + buf + "\n";
    WriteStdout(out);
    if (!bOk)
        return Fail("check-options", TOOLS_NO_FIT);
    return 0;
}

// Finds a child of dir whose name matches ignoring ASCII case.
std::string FindChild(const std::string &dir, const char *szName)
{
    DIR *d = opendir(dir.c_str());
    if (!d)
        return std::string();
    std::string found;
    while (dirent *e = readdir(d)) {
        if (strcasecmp(e->d_name, szName) == 0) {
            found = dir + "/" + e->d_name;
            break;
        }
    }
    closedir(d);
    return found;
}

// The file system path of a setup item below the root folder DIR.
std::string ItemPath(const std::string &root, SetupItem item)
{
    static const char *const kParts[SETUP_ITEM_COUNT][5] = {
        {"AUTOEXEC.BAT"}, {"BORLAND", "BCC55"}, {"BORLAND", "BCC55", "BIN", "BCC32.CFG"},
        {"BORLAND", "BCC55", "BIN", "ILINK32.CFG"}};
    std::string path = root;
    for (int i = 0; i < 5 && kParts[item][i]; ++i) {
        path = FindChild(path, kParts[item][i]);
        if (path.empty())
            return path;
    }
    return path;
}

int CliSetupRead(void *context, SetupItem item, char *buf, size_t capacity, size_t *pnLen)
{
    std::string path = ItemPath(*static_cast<std::string *>(context), item);
    struct stat st;
    if (path.empty() || stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return SETUP_READ_MISSING;
    FILE *f = std::fopen(path.c_str(), "rb");
    if (!f)
        return SETUP_READ_FAILED;
    *pnLen = std::fread(buf, 1, capacity - 1, f);
    bool bMore = std::fgetc(f) != EOF;
    std::fclose(f);
    return bMore ? SETUP_READ_TOO_LARGE : SETUP_READ_OK;
}

bool CliCompilerFolderExists(void *context)
{
    std::string path = ItemPath(*static_cast<std::string *>(context), SETUP_INSTALL);
    struct stat st;
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

/* setup-check DIR [--flags N] [--path P] [--root X:\] [--complete ITEM] */
int RunSetupCheck(int argc, char **argv)
{
    if (argc < 2)
        return std::fprintf(stderr, "usage: setup-check DIR [--flags N] [--path P] [--complete ITEM]\n"), 2;
    std::string root = argv[1];
    const char *szRoot = OptionValue(argc, argv, "--root", "C:\\");
    std::string item = OptionValue(argc, argv, "--complete", "");
    if (!item.empty()) {
        SetupItem which = item == "autoexec" ? SETUP_AUTOEXEC
                          : item == "bcc32"  ? SETUP_BCC_CFG
                          : item == "ilink32" ? SETUP_ILINK_CFG : SETUP_INSTALL;
        if (which == SETUP_INSTALL)
            return std::fprintf(stderr, "setup-check: --complete autoexec|bcc32|ilink32\n"), 2;
        char buf[SETUP_FILE_MAX], out[SETUP_EDIT_MAX];
        size_t nLen = 0, nOut = 0;
        int nRead = CliSetupRead(&root, which, buf, sizeof(buf), &nLen);
        if (nRead == SETUP_READ_FAILED)
            return std::fprintf(stderr, "setup-check: cannot read the file\n"), 1;
        if (nRead == SETUP_READ_TOO_LARGE)
            nLen = SETUP_FILE_MAX;
        SetupParse parse = SETUP_PARSED;
        ToolsError error = CompleteSetupFile(which, szRoot, buf, nLen, out, sizeof(out), &nOut, &parse);
        if (error != TOOLS_OK) {
            std::fprintf(stderr, "setup-check: %s (%s)\n", ToolsErrorName(error), SetupParseName(parse));
            return 1;
        }
        WriteStdout(std::string(out, nOut));
        return 0;
    }
    unsigned char btFlags = static_cast<unsigned char>(std::strtoul(OptionValue(argc, argv, "--flags", "0"), nullptr, 0));
    SetupIo io = {&root, CliSetupRead, CliCompilerFolderExists, OptionValue(argc, argv, "--path", "")};
    SetupReport report;
    EvaluateCompilerSetup(&btFlags, &io, &report);
    static const char *const kNames[SETUP_ITEM_COUNT] = {"autoexec", "install", "bcc32", "ilink32"};
    std::string out;
    for (int i = 0; i < SETUP_ITEM_COUNT; ++i)
        out += std::string(kNames[i]) + " " + std::to_string(report.btState[i]) + " " +
               SetupParseName(report.parse[i]) + "\n";
    out += "flags " + std::to_string(btFlags) + "\nexamined " + (report.bExamined ? "1" : "0") + "\n";
    WriteStdout(out);
    return 0;
}

} // namespace

SORA_CLI_COMMAND(tools_makefile, "makefile",
                 "makefile [--source P] [--rc P] [--target console|windows|dll] [--mt]  makefile text",
                 RunMakefile);
SORA_CLI_COMMAND(tools_compile_line, "compile-line",
                 "compile-line MODE SOURCE [--options T] [--out-dir D] [--out-name N] [--rc P]  compile lines",
                 RunCompileLine);
SORA_CLI_COMMAND(tools_lib_line, "lib-line", "lib-line SOURCE  static library lines", RunLibLine);
SORA_CLI_COMMAND(tools_check_options, "check-options",
                 "check-options FILE [--options T] [--answer yes|no]  option check against a source",
                 RunCheckOptions);
SORA_CLI_COMMAND(tools_setup_check, "setup-check",
                 "setup-check DIR [--flags N] [--path P] [--root X:\\] [--complete autoexec|bcc32|ilink32]  compiler setup check",
                 RunSetupCheck);
