// The editor's settings record with its defaults, and the decisions taken
// on it when the settings are loaded.
#pragma once
#include <cstdint>

enum {
    SETTINGS_TEXT_SIZE = 256,   // compile texts: 255 bytes and the terminator
    BAR_STATE_COUNT = 5,
    BAR_SHOWN = 8,
    BAR_FLOATING = 0x80,
};

// Which buttons the user-button bar gets at start (btButtonLayout).
enum ButtonLayout {
    LAYOUT_USER_FILE = 0,     // "ubuttons.cfg"
    LAYOUT_SAVED = 1,         // the block saved in "config.cfg"
    LAYOUT_DEFAULT = 2,       // "Top" and "End"
};

struct FindInfo {
    uint8_t btSearchMode = 2;   // 0 plain, 1 syntax with several words, 2 always syntax
    uint8_t bVarSyntax = 1;
    uint8_t btCurmode = 0;      // 0 normal, 1 variable, 2 pattern
    uint8_t btReserved = 0;
};

struct SettingsRecord {
    // General flags, stored as one 12-byte block.
    uint8_t bOpenLastFile = 0;
    uint8_t btButtonLayout = LAYOUT_DEFAULT;
    uint8_t bRestoreLook = 1;
    uint8_t bMultiFile = 1;
    uint8_t bCaptureToBmp = 0;
    uint8_t bCaptureToClipboard = 0;
    uint8_t btSetupFlags = 0;     // bits 0-6 checks passed, bit 7 no check at start
    uint8_t btFlagsReserved = 0;
    char chIndentOpen = '{';
    char chIndentClose = '}';
    uint8_t btIndentWidth = 6;
    uint8_t btIndentMargin = 0;

    // Compile settings: 4 bytes, then three texts.
    uint8_t btbcc = 0;            // 0 beside the source, 1 ask, 2 fixed folder
    uint8_t btLibOut = 1;
    uint8_t btCplFlags = 3;       // bit 0 open the folder after compiling
    uint8_t btCplReserved = 0;
    char szCplOptions[SETTINGS_TEXT_SIZE] = "-tW -tWM";
    char szCplOutDir[SETTINGS_TEXT_SIZE] = "";
    char szLibOutDir[SETTINGS_TEXT_SIZE] = "";

    FindInfo findInfo;

    // Command-line bar, toolbar, file-list bar, find bar, user-button bar.
    uint32_t dwBarStates[BAR_STATE_COUNT] = {8, 8, 136, 8, 136};
};

// Where the user buttons come from at start.
enum ButtonSource { BUTTONS_FROM_CONFIG, BUTTONS_FROM_USER_FILE, BUTTONS_DEFAULT, BUTTONS_NONE };

// The record used when no settings file exists: the defaults with every
// bar shown and docked.
SettingsRecord MakeNoFileSettings();

// The rules applied after every load: the find bar starts in normal mode
// and multi-file mode follows the existence of the working folder.
void ApplyLoadRules(SettingsRecord &record, bool bWorkDirExists);

// The button source for btButtonLayout: 1 the saved block, 0 the user file
// when it exists (else the defaults), 2 the defaults, anything else none.
ButtonSource ChooseButtonSource(uint8_t btButtonLayout, bool bUserFileExists);

// A layout value the settings sheet can show: 3 or more becomes 2.
// Returns true when the value had to be reset.
bool ResetBadButtonLayout(SettingsRecord &record);

// Sets one of the record's texts, cut on a character boundary to fit.
void SetSettingsText(char (&szField)[SETTINGS_TEXT_SIZE], const char *szValue);
