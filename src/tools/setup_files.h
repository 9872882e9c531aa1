// The compiler's installation files: the start-up batch file that puts the
// compiler on PATH and the compiler's and linker's configuration files.
// Reading what they say, and what has to be appended to complete them.
#pragma once
#include <cstddef>

#include "tools/tools_error.h"

// The four rows of the setup check.
enum SetupItem {
    SETUP_AUTOEXEC = 0,  // "AUTOEXEC.BAT"
    SETUP_INSTALL = 1,   // the compiler folder
    SETUP_BCC_CFG = 2,   // "BCC32.CFG"
    SETUP_ILINK_CFG = 3  // "ILINK32.CFG"
};
const int SETUP_ITEM_COUNT = 4;

// The setup flags (btSetupFlags): satisfied checks, and the start-up switch.
enum SetupFlag {
    SETUP_FLAG_PATH = 1,          // the start-up file sets PATH and it is in effect
    SETUP_FLAG_INSTALLED = 2,     // the compiler folder exists
    SETUP_FLAG_BCC_INCLUDE = 4,   // BCC32.CFG names the INCLUDE folder
    SETUP_FLAG_BCC_LIB = 8,       // ... the LIB folder
    SETUP_FLAG_BCC_PSDK = 16,     // ... the LIB\PSDK folder
    SETUP_FLAG_ILINK_LIB = 32,    // ILINK32.CFG names the LIB folder
    SETUP_FLAG_ILINK_PSDK = 64,   // ... the LIB\PSDK folder
    SETUP_FLAG_NO_STARTUP = 128   // do not run the check at start-up
};

// A file is read into a buffer of this size; one that fills it is too large
// to be rewritten.
const size_t SETUP_FILE_MAX = 4096;
// The preview's text must stay below this many bytes to be written.
const size_t SETUP_EDIT_MAX = 4208;

// How a file's text was taken.
enum SetupParse {
    SETUP_PARSED,     // understood
    SETUP_TOO_LARGE,  // SETUP_FILE_MAX bytes or more
    SETUP_BINARY,     // NUL bytes or an end-of-file mark before the end
    SETUP_BAD_QUOTES  // a configuration line with an unclosed double quote
};

// A short English name of the parse result.
const char *SetupParseName(SetupParse parse);

// Which compiler folders a configuration file names in its -I and -L
// options (also written /I, /L; several folders separated by ";").
struct CfgFindings {
    bool bInclude;  // ...\BORLAND\BCC55\INCLUDE
    bool bLib;      // ...\BORLAND\BCC55\LIB
    bool bPsdk;     // ...\BORLAND\BCC55\LIB\PSDK
};

SetupParse ParseCompilerCfg(const char *text, size_t nLen, CfgFindings *findings);

// Whether the start-up file, run to its end, leaves the compiler's BIN
// folder on PATH: the last PATH or SET PATH statement that names it, with no
// later one that sets PATH afresh without "%PATH%". REM and "::" lines do
// not count.
SetupParse ParseAutoexec(const char *text, size_t nLen, bool *pbSetsPath);

// True when the running PATH list holds the compiler's BIN folder on some
// drive ("X:\\BORLAND\\BCC55\\BIN", any letter case, quoted or with a
// trailing backslash, at any place in the list, the last one included).
bool PathListHasCompilerBin(const char *szPath);

// The full path of an item's file or folder on the system drive; szSysRoot
// is the drive's root ("D:\\"), whose letter replaces the "C".
ToolsError SetupFilePath(SetupItem item, const char *szSysRoot, char *out, size_t capacity);

// The item's short file name as the dialog shows it ("autoexec.bat").
const char *SetupShortName(SetupItem item);

// What completes the file: the lines still missing, with the system drive
// filled in. The start-up file gets the PATH line; BCC32.CFG the -I line
// when INCLUDE is missing and the whole -L line when LIB or PSDK is; the
// linker file the -L line. Empty when nothing is missing.
ToolsError SetupAddition(SetupItem item, const char *szSysRoot, const char *text, size_t nLen,
                         char *out, size_t capacity);

// The completed file text: the current text (an end-of-file mark at its end
// dropped, a line break added when its last line has none), then the
// addition, the start-up file's line ended by "\r\n". A missing file is
// given as an empty text. *pParse tells why a file is refused; it is then
// left as it is (TOOLS_BAD_TEXT, out empty). The result stays below
// SETUP_EDIT_MAX (else TOOLS_NO_FIT).
ToolsError CompleteSetupFile(SetupItem item, const char *szSysRoot, const char *text, size_t nLen,
                             char *out, size_t capacity, size_t *pnOut, SetupParse *pParse);
