// The makefile offered by the makefile window.
#pragma once
#include <cstddef>

#include "tools/tools_error.h"

// Room for the makefile text: the template with three paths and the options.
const size_t MAKEFILE_TEXT_MAX = 2048;

// The target radio buttons of the makefile window.
enum MakefileTarget {
    TARGET_CONSOLE,  // "コンソールアプリ"
    TARGET_WINDOWS,  // "Windowsアプリ(-tW)"
    TARGET_DLL       // "DLL(-tWD)"
};

struct MakefileState {
    const char *szSourcePath;  // full path of the file on show, "" when none
    const char *szRcPath;      // its resource script, "" when none
    MakefileTarget target;
    bool bMultiThread;         // "マルチスレッド(-tWM)"
    const char *szTemplate;    // the template from the string table, or
                               // null for the built-in kMakefileTemplate
};

// The compiler options of the makefile: "-tW ", "-tWD ", "-tWM" as chosen,
// or an empty quoted string when none applies. out needs 16 bytes.
void MakefileOptions(MakefileTarget target, bool bMultiThread, char *out);

// Fills the makefile template for the state. With no file on show the
// names are "user.cpp", "user.rc" and "user.exe"; otherwise the source, the
// resource script (or the source with ".rc") and the source's file name with
// ".exe". Returns TOOLS_OK with the text in out (capacity bytes).
ToolsError BuildMakefileText(const MakefileState *state, char *out, size_t capacity);

// The default name to save the makefile under: "makefile" in the folder of
// the file on show, or in szSysRoot ("C:\\") when there is none.
ToolsError MakefileSavePath(const char *szSourcePath, const char *szSysRoot, char *out,
                            size_t capacity);
