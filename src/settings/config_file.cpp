#include "settings/config_file.h"

#include <cstdio>
#include <cstring>

#include "settings/button_block.h"

/* SessionState: the session of a first run. */
SessionState::SessionState()
{
    std::memset(cfMain, 0, sizeof cfMain);
    cfMain[0] = CHARFORMAT_SIZE;
    std::memcpy(cfRc, cfMain, sizeof cfRc);
}

/* ConfigFieldName: the names used in damage reports. */
const char *ConfigFieldName(int nField)
{
    static const char *const names[CONFIG_FIELD_COUNT] = {
        "general flags", "file on show", "main pane format", "resource pane format",
        "main pane background", "resource pane background", "window rectangle",
        "main pane selection", "resource pane selection", "command item count",
        "command items", "resource associations", "file list pages", "user buttons",
        "compile settings", "compile options", "compile output folder",
        "library output folder", "search settings", "bar states",
    };
    return nField >= 1 && nField <= CONFIG_FIELD_COUNT ? names[nField - 1] : "";
}

/* AppendI32Pair: two signed 32-bit values. */
static void AppendI32Pair(std::string &out, const int32_t *pair)
{
    AppendU32(out, static_cast<uint32_t>(pair[0]));
    AppendU32(out, static_cast<uint32_t>(pair[1]));
}

/* EncodeConfigFile: fields 1 to 20 in order. */
std::string EncodeConfigFile(const ConfigFile &cfg)
{
    const SettingsRecord &s = cfg.settings;
    const SessionState &ss = cfg.session;
    std::string out;
    const uint8_t flags[12] = {
        s.bOpenLastFile, s.btButtonLayout, s.bRestoreLook, s.bMultiFile,
        s.bCaptureToBmp, s.bCaptureToClipboard, s.btSetupFlags, s.btFlagsReserved,
        static_cast<uint8_t>(s.chIndentOpen), static_cast<uint8_t>(s.chIndentClose),
        s.btIndentWidth, s.btIndentMargin,
    };
    AppendBytes(out, flags, sizeof flags);
    AppendText(out, ss.szFullPath, SESSION_PATH_SIZE - 1);
    AppendBytes(out, ss.cfMain, CHARFORMAT_SIZE);
    AppendBytes(out, ss.cfRc, CHARFORMAT_SIZE);
    AppendU32(out, ss.crBackMain);
    AppendU32(out, ss.crBackRc);
    AppendI32Pair(out, ss.rcWindow);
    AppendI32Pair(out, ss.rcWindow + 2);
    AppendI32Pair(out, ss.selMain);
    AppendI32Pair(out, ss.selRc);
    size_t nItems = ss.cmdItems.size() < COMMAND_ITEM_LIMIT ? ss.cmdItems.size() : size_t(COMMAND_ITEM_LIMIT);
    AppendText(out, std::to_string(nItems), 16);
    for (size_t i = 0; i < nItems; ++i)
        AppendText(out, ss.cmdItems[i], COMMAND_ITEM_MAX);
    EncodeRcAssociation(ss.rcAssoc, out);
    EncodePageBlock(ss.pages, out);
    EncodeButtonBlock(ss.buttons, out);
    const uint8_t compile[4] = {s.btbcc, s.btLibOut, s.btCplFlags, s.btCplReserved};
    AppendBytes(out, compile, sizeof compile);
    AppendText(out, s.szCplOptions, SETTINGS_TEXT_SIZE - 1);
    AppendText(out, s.szCplOutDir, SETTINGS_TEXT_SIZE - 1);
    AppendText(out, s.szLibOutDir, SETTINGS_TEXT_SIZE - 1);
    const uint8_t find[4] = {s.findInfo.btSearchMode, s.findInfo.bVarSyntax,
                             s.findInfo.btCurmode, s.findInfo.btReserved};
    AppendBytes(out, find, sizeof find);
    for (uint32_t dw : s.dwBarStates)
        AppendU32(out, dw);
    return out;
}

/* Damaged: records field n at the offset and stops the decode. */
static bool Damaged(BlockDamage &damage, int nField, const char *szReason, size_t nOffset)
{
    return MarkDamage(damage, nField, ConfigFieldName(nField), szReason, nOffset);
}

/* ReadFixed: a fixed-size field into a temporary, then into place. */
static bool ReadFixed(BlockReader &r, void *pOut, size_t nCount, BlockDamage &damage, int nField)
{
    size_t nAt = r.nPos;
    if (!ReadBytes(r, pOut, nCount))
        return Damaged(damage, nField, "cut short", nAt);
    return true;
}

/* ReadI32Pairs: nPairs pairs of signed 32-bit values. */
static bool ReadI32s(BlockReader &r, int32_t *pOut, int nCount, BlockDamage &damage, int nField)
{
    size_t nAt = r.nPos;
    if (BytesLeft(r) < 4u * nCount)
        return Damaged(damage, nField, "cut short", nAt);
    for (int i = 0; i < nCount; ++i) {
        uint32_t v = 0;
        ReadU32(r, v);
        pOut[i] = static_cast<int32_t>(v);
    }
    return true;
}

/* ReadRecordText: a text into a 256-byte field of the record. */
static bool ReadRecordText(BlockReader &r, char (&szField)[SETTINGS_TEXT_SIZE], BlockDamage &damage,
                           int nField)
{
    size_t nAt = r.nPos;
    std::string text;
    bool bCut;
    if (!ReadText(r, text, SETTINGS_TEXT_SIZE - 1, bCut))
        return Damaged(damage, nField, "text without terminator", nAt);
    SetSettingsText(szField, text.c_str());
    return true;
}

/* ReadItemCount: the decimal count of the command-line items. */
static bool ReadItemCount(BlockReader &r, uint32_t &nItems, BlockDamage &damage)
{
    size_t nAt = r.nPos;
    std::string digits;
    bool bCut;
    if (!ReadText(r, digits, 10, bCut))
        return Damaged(damage, 10, "text without terminator", nAt);
    if (bCut || digits.empty() || digits.size() > 9)
        return Damaged(damage, 10, "not a count", nAt);
    nItems = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return Damaged(damage, 10, "not a count", nAt);
        nItems = nItems * 10 + (c - '0');
    }
    if (nItems > BytesLeft(r))   // every item takes at least its terminator
        return Damaged(damage, 10, "count larger than the file", nAt);
    return true;
}

/* DecodeFields: fields 1 to 20 into cfg, stopping at the first damage. */
static bool DecodeFields(BlockReader &r, ConfigFile &cfg, BlockDamage &damage)
{
    SettingsRecord &s = cfg.settings;
    SessionState &ss = cfg.session;
    uint8_t flags[12];
    if (!ReadFixed(r, flags, sizeof flags, damage, 1))
        return false;
    s.bOpenLastFile = flags[0];
    s.btButtonLayout = flags[1];
    s.bRestoreLook = flags[2];
    s.bMultiFile = flags[3];
    s.bCaptureToBmp = flags[4];
    s.bCaptureToClipboard = flags[5];
    s.btSetupFlags = flags[6];
    s.btFlagsReserved = flags[7];
    s.chIndentOpen = static_cast<char>(flags[8]);
    s.chIndentClose = static_cast<char>(flags[9]);
    s.btIndentWidth = flags[10];
    s.btIndentMargin = flags[11];

    size_t nAt = r.nPos;
    std::string text;
    bool bCut;
    if (!ReadText(r, text, SESSION_PATH_SIZE - 1, bCut))
        return Damaged(damage, 2, "text without terminator", nAt);
    if (!bCut)   // a path cut short would name another file
        std::memcpy(ss.szFullPath, text.c_str(), text.size() + 1);

    uint8_t cf[CHARFORMAT_SIZE];
    if (!ReadFixed(r, cf, sizeof cf, damage, 3))
        return false;
    std::memcpy(ss.cfMain, cf, sizeof cf);
    if (!ReadFixed(r, cf, sizeof cf, damage, 4))
        return false;
    std::memcpy(ss.cfRc, cf, sizeof cf);

    int32_t values[4] = {};
    if (!ReadI32s(r, values, 1, damage, 5))
        return false;
    ss.crBackMain = static_cast<uint32_t>(values[0]);
    if (!ReadI32s(r, values, 1, damage, 6))
        return false;
    ss.crBackRc = static_cast<uint32_t>(values[0]);
    if (!ReadI32s(r, values, 4, damage, 7))
        return false;
    std::memcpy(ss.rcWindow, values, sizeof ss.rcWindow);
    if (!ReadI32s(r, values, 2, damage, 8))
        return false;
    std::memcpy(ss.selMain, values, sizeof ss.selMain);
    if (!ReadI32s(r, values, 2, damage, 9))
        return false;
    std::memcpy(ss.selRc, values, sizeof ss.selRc);

    uint32_t nItems = 0;
    if (!ReadItemCount(r, nItems, damage))
        return false;
    for (uint32_t i = 0; i < nItems; ++i) {
        nAt = r.nPos;
        if (!ReadText(r, text, COMMAND_ITEM_MAX, bCut))
            return Damaged(damage, 11, "item without terminator", nAt);
        if (ss.cmdItems.size() < COMMAND_ITEM_LIMIT)
            AddCommandItem(ss.cmdItems, text);
    }

    if (!DecodeRcAssociation(r, ss.rcAssoc, damage, 12))
        return false;
    if (!DecodePageBlock(r, ss.pages, damage, 13))
        return false;
    if (!DecodeButtonBlock(r, ss.buttons, damage, 14))
        return false;

    uint8_t compile[4];
    if (!ReadFixed(r, compile, sizeof compile, damage, 15))
        return false;
    s.btbcc = compile[0];
    s.btLibOut = compile[1];
    s.btCplFlags = compile[2];
    s.btCplReserved = compile[3];
    if (!ReadRecordText(r, s.szCplOptions, damage, 16) || !ReadRecordText(r, s.szCplOutDir, damage, 17) ||
        !ReadRecordText(r, s.szLibOutDir, damage, 18))
        return false;

    uint8_t find[4];
    if (!ReadFixed(r, find, sizeof find, damage, 19))
        return false;
    s.findInfo.btSearchMode = find[0];
    s.findInfo.bVarSyntax = find[1];
    s.findInfo.btCurmode = find[2];
    s.findInfo.btReserved = find[3];

    int32_t bars[BAR_STATE_COUNT];
    if (!ReadI32s(r, bars, BAR_STATE_COUNT, damage, 20))
        return false;
    for (int i = 0; i < BAR_STATE_COUNT; ++i)
        s.dwBarStates[i] = static_cast<uint32_t>(bars[i]);
    return true;
}

/* DecodeConfigFile: the defaults, overwritten by the undamaged fields. */
bool DecodeConfigFile(const void *pBytes, size_t nSize, ConfigFile &cfg, BlockDamage &damage,
                      size_t *nConsumed)
{
    int nUserButtons = cfg.session.buttons.nUserButtons;
    cfg = ConfigFile();
    cfg.session.buttons.nUserButtons = nUserButtons;
    damage = BlockDamage();
    BlockReader r = MakeBlockReader(pBytes, nSize);
    bool bWhole = DecodeFields(r, cfg, damage);
    if (nConsumed)
        *nConsumed = r.nPos;
    return bWhole;
}

/* AddCommandItem: the history holds no duplicates and no empty items. */
int AddCommandItem(std::vector<std::string> &items, const std::string &szItem)
{
    if (szItem.empty())
        return 0;
    for (const std::string &item : items)
        if (item == szItem)
            return 0;
    items.push_back(szItem);
    return 1;
}

/* MakeSettingsSideName: work folder, file name and suffix. */
int MakeSettingsSideName(const char *szWorkDir, const char *szName, const char *szSuffix,
                         char *szOut, size_t nSize)
{
    if (!szOut || nSize == 0)
        return 0;
    szOut[0] = '\0';
    if (!szWorkDir || !szName || !szSuffix)
        return 0;
    int n = std::snprintf(szOut, nSize, "%s%s%s", szWorkDir, szName, szSuffix);
    if (n < 0 || static_cast<size_t>(n) >= nSize) {
        szOut[0] = '\0';
        return 0;
    }
    return 1;
}
