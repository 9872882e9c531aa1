// "config.cfg": the settings record and the session, twenty fields written
// one after the other without padding (32-bit little-endian integers,
// zero-terminated CP932 texts):
//   1 general flags (12)          11 the command-line items (texts)
//   2 path of the file on show    12 resource associations
//   3 main pane format (60)       13 file list pages
//   4 resource pane format (60)   14 user buttons
//   5 main pane background (4)    15 compile settings (4)
//   6 resource pane background    16 compile options
//   7 window rectangle (16)       17 compile output folder
//   8 main pane selection (8)     18 library output folder
//   9 resource pane selection     19 search settings (4)
//  10 item count, decimal text    20 bar states (20)
// Reading checks every field against the bytes left; at the first damaged
// field it stops, and that field and the ones after keep their defaults.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "common/block_io.h"
#include "filelist/page_block.h"
#include "filelist/rc_association.h"
#include "settings/settings_record.h"
#include "settings/user_button.h"

enum {
    CONFIG_FIELD_COUNT = 20,
    CHARFORMAT_SIZE = 60,
    SESSION_PATH_SIZE = 256,
    COMMAND_ITEM_MAX = 1023,      // longest command-line item kept
    COMMAND_ITEM_LIMIT = 1000,    // most command-line items kept
};

// The session kept in the file beside the record.
struct SessionState {
    char szFullPath[SESSION_PATH_SIZE] = "";
    uint8_t cfMain[CHARFORMAT_SIZE];      // raw CHARFORMAT; cbSize 60, rest 0 by default
    uint8_t cfRc[CHARFORMAT_SIZE];
    uint32_t crBackMain = 0x00FFFFFF;
    uint32_t crBackRc = 0x00FFFFFF;
    int32_t rcWindow[4] = {0, 0, 0, 0};   // left, top, right, bottom
    int32_t selMain[2] = {0, 0};          // start, end
    int32_t selRc[2] = {0, 0};
    std::vector<std::string> cmdItems;
    RcAssociation rcAssoc;
    std::vector<StoredPage> pages;
    UserButtonPages buttons;
    SessionState();
};

struct ConfigFile {
    SettingsRecord settings;
    SessionState session;
};

// Name of a field (1-20), "" outside.
const char *ConfigFieldName(int nField);

// The whole file.
std::string EncodeConfigFile(const ConfigFile &cfg);

// Reads a file into cfg (reset to the defaults first). Returns true when
// all twenty fields were read; else damage names the first damaged field
// and its offset. Fields before the damage hold what the file says.
// nConsumed (optional) gets the bytes used; bytes after field 20 are left
// alone. Loaded buttons take ids after cfg.session.buttons.nUserButtons.
bool DecodeConfigFile(const void *pBytes, size_t nSize, ConfigFile &cfg, BlockDamage &damage,
                      size_t *nConsumed = nullptr);

// True when field nField was read whole by a decode that reported damage.
inline bool ConfigFieldRead(const BlockDamage &damage, int nField)
{
    return !damage.bDamaged || nField < damage.nField;
}

// Appends a command-line item unless empty or already listed; 1 when added.
int AddCommandItem(std::vector<std::string> &items, const std::string &szItem);

// Side files of a settings file: szName + ".tmp" (written, then moved over
// the file) and szName + ".bad" (a damaged file set aside), in szWorkDir.
// 1, or 0 with szOut empty when the name does not fit nSize.
int MakeSettingsSideName(const char *szWorkDir, const char *szName, const char *szSuffix,
                         char *szOut, size_t nSize);
