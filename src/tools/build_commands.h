// The command lines of the quick compile and the quick static library, as
// they go to the DOS window one after the other.
#pragma once
#include <cstddef>

#include "tools/tools_error.h"

const size_t COMMAND_LINE_MAX = 1536;

// The command-line templates of the compile and the library; every
// "INSERTION" is filled in text order. The window layer loads them from the
// string table; nullptr stands for the built-in ones.
struct CommandTemplates {
    const char *szChangeFolder;       // cd "folder"
    const char *szCompile;            // bcc32 options "source"
    const char *szCompileFolder;      // bcc32 options -n"folder" "source"
    const char *szCompileName;        // bcc32 options -e"name" "source"
    const char *szCompileNameFolder;  // bcc32 options -e"name" -n"folder" "source"
    const char *szResource;           // brc32 "script" "folder\\name"
    const char *szLibraryObject;      // bcc32 -c "source"
    const char *szLibrary;            // tlib "base" -+"base"
};

// The templates as the string table holds them.
extern const CommandTemplates kDefaultCommandTemplates;
const int COMMAND_LIST_MAX = 8;

struct CommandList {
    int nCount;
    char szLines[COMMAND_LIST_MAX][COMMAND_LINE_MAX];
};

// Where the quick compile puts its output (the setting btbcc).
enum CompileMode {
    COMPILE_BESIDE_SOURCE = 0,  // the source folder
    COMPILE_ASK = 1,            // decided in the confirmation dialog
    COMPILE_FIXED_FOLDER = 2    // the configured output folder
};

struct CompileRequest {
    int nMode;                   // a CompileMode
    const char *szSourceName;    // file name of the source, without folder
    const char *szSourceFolder;  // its folder, without trailing backslash
    const char *szOutFolder;     // modes 1 and 2: the output folder
    const char *szOutName;       // mode 1: the output file name (else unused)
    const char *szOptions;       // compiler options, already checked
    const char *szRcPath;        // the resource script, "" when none
    bool bRcExists;              // that script exists
    const CommandTemplates *templates;  // nullptr: the built-in ones
};

// The output folder a mode starts from: the source folder in mode 0; in
// modes 1 and 2 the configured folder when it is set and exists, else the
// source folder. *pbMissing tells that a configured folder does not exist.
const char *ChooseOutputFolder(int nMode, const char *szConfigured, bool bConfiguredExists,
                               const char *szSourceFolder, bool *pbMissing);

// The default output name: the source name with ".exe" for its extension.
ToolsError DefaultOutputName(const char *szSourceName, char *out, size_t capacity);

// The compiler line alone ("bcc32 ..."), as the confirmation shows it.
ToolsError BuildCompilerLine(const CompileRequest *request, char *out, size_t capacity);

// All lines of the compile: change to the source folder, run bcc32 and,
// for a Windows program (-tW) with an existing resource script, bind the
// resources with brc32 and change to the output folder. Changing folders
// names the drive first, so a source on another drive works too.
ToolsError BuildCompileCommands(const CompileRequest *request, CommandList *list);

// The confirmation text of modes 0 and 2 (CP932), showing the compiler line
// that will run.
ToolsError BuildCompileConfirmText(const CompileRequest *request, char *out, size_t capacity);

// The two editable lines of the static library dialog: the object compile
// "bcc32 -c" and the librarian "tlib ... -+..." of the source's base name.
ToolsError BuildLibraryLines(const char *szSourceName, char *szObjLine, size_t objCap,
                             char *szLibLine, size_t libCap,
                             const CommandTemplates *templates = nullptr);

// The lines the static library runs: change to the source folder, then the
// two (possibly edited) lines of the dialog, each up to 1024 bytes.
ToolsError BuildLibraryCommands(const char *szSourceFolder, const char *szObjLine,
                                const char *szLibLine, CommandList *list,
                                const CommandTemplates *templates = nullptr);

// Appends the lines that change to a folder: its drive, then "cd".
ToolsError AddChangeFolder(CommandList *list, const char *szFolder,
                           const CommandTemplates *templates = nullptr);
