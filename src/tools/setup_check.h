// The compiler setup check: the state of each row from the files, the setup
// flags remembered between runs, and what the setup dialog shows per row.
#pragma once
#include <cstddef>

#include "tools/setup_files.h"

// Row states, reset to SETUP_STATE_NONE before every check.
enum SetupState {
    SETUP_STATE_NONE = 0,     // not examined, or the file could not be read
    SETUP_STATE_MISSING = 1,  // the file or folder is missing
    SETUP_STATE_NOT_SET = 2,  // nothing set
    SETUP_STATE_PARTLY = 3,   // partly set (start-up file, installation: set)
    SETUP_STATE_FULL = 4      // fully set (start-up file: set but not in effect)
};

// Results of reading an item's file, as the reader gives them.
enum SetupReadResult {
    SETUP_READ_OK = 0,          // the whole file fit
    SETUP_READ_MISSING = -1,    // it does not exist
    SETUP_READ_FAILED = -2,     // it could not be opened, sized or read
    SETUP_READ_TOO_LARGE = -4   // larger than the buffer (its start was read)
};

// What the check needs from the system.
struct SetupIo {
    void *context;
    // Reads an item's file into buf (capacity SETUP_FILE_MAX, at most
    // capacity - 1 bytes); *pnLen gets the bytes read. Returns a
    // SetupReadResult.
    int (*fnRead)(void *context, SetupItem item, char *buf, size_t capacity, size_t *pnLen);
    // True when the compiler folder exists.
    bool (*fnCompilerFolderExists)(void *context);
    // The running PATH (up to 2048 bytes).
    const char *szRunningPath;
};

struct SetupReport {
    unsigned char btState[SETUP_ITEM_COUNT];   // SetupState by SetupItem
    SetupParse parse[SETUP_ITEM_COUNT];        // why a file read gave no state
    bool bExamined;                            // some row was examined
};

// Runs the check: rows whose flags are already satisfied are not examined
// again; what is found sets flags in *pbtFlags. When bExamined is false the
// dialog need not be shown.
void EvaluateCompilerSetup(unsigned char *pbtFlags, const SetupIo *io, SetupReport *report);

// How a row's button looks for a state.
enum SetupButtonLook {
    SETUP_BUTTON_AS_IS,     // "設定" (or no change)
    SETUP_BUTTON_DISABLED,
    SETUP_BUTTON_CONFIRM,   // caption "確認"
    SETUP_BUTTON_REFER      // caption "参照"
};

struct SetupRowView {
    SetupButtonLook button;
    bool bDisableConfigRows;  // the installation is missing: the buttons of
                              // the installation and both configuration rows
                              // are disabled
};

// The text of a row in a state (CP932), with the system drive filled in;
// an empty text for a state without one. Returns TOOLS_OK, or an error when
// the root names no drive or the text does not fit.
ToolsError SetupRowText(SetupItem item, int nState, const char *szSysRoot, char *out,
                        size_t capacity, SetupRowView *view);

// The caption of the preview: the current content, or after the change.
ToolsError SetupPreviewCaption(SetupItem item, bool bChanged, char *out, size_t capacity);
