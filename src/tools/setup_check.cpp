#include "tools/setup_check.h"

#include <cstring>
#include <vector>

#include "text/replace_nth.h"
#include "tools/path_parts.h"
#include "tools/placeholder_fill.h"
#include "tools/tools_texts.h"

namespace {

// Reads an item's file; gives the read result and the bytes.
int ReadItem(const SetupIo *io, SetupItem item, std::vector<char> &buf, size_t *pnLen)
{
    buf.assign(SETUP_FILE_MAX, '\0');
    *pnLen = 0;
    int nResult = io->fnRead(io->context, item, buf.data(), buf.size(), pnLen);
    if (*pnLen > buf.size() - 1)
        *pnLen = buf.size() - 1;
    return nResult;
}

// The bytes of a file that was larger than the buffer, up to its last
// complete line, so that a cut line is not taken for a broken one.
size_t WholeLines(const std::vector<char> &buf, size_t nLen)
{
    while (nLen > 0 && buf[nLen - 1] != '\n')
        --nLen;
    return nLen;
}

// Examines one configuration file and sets the flags of what it names.
unsigned char ConfigState(const SetupIo *io, SetupItem item, unsigned char *pbtFlags,
                          SetupParse *pParse)
{
    std::vector<char> buf;
    size_t nLen;
    int nResult = ReadItem(io, item, buf, &nLen);
    if (nResult == SETUP_READ_MISSING)
        return SETUP_STATE_MISSING;
    if (nResult == SETUP_READ_TOO_LARGE)
        nLen = WholeLines(buf, nLen);
    else if (nResult != SETUP_READ_OK)
        return SETUP_STATE_NONE;
    CfgFindings found;
    *pParse = ParseCompilerCfg(buf.data(), nLen, &found);
    if (*pParse != SETUP_PARSED)
        return SETUP_STATE_NONE;
    if (nResult == SETUP_READ_TOO_LARGE)
        *pParse = SETUP_TOO_LARGE;
    unsigned char btWanted;
    if (item == SETUP_BCC_CFG) {
        btWanted = SETUP_FLAG_BCC_INCLUDE | SETUP_FLAG_BCC_LIB | SETUP_FLAG_BCC_PSDK;
        if (found.bInclude)
            *pbtFlags |= SETUP_FLAG_BCC_INCLUDE;
        if (found.bLib)
            *pbtFlags |= SETUP_FLAG_BCC_LIB;
        if (found.bPsdk)
            *pbtFlags |= SETUP_FLAG_BCC_PSDK;
    } else {
        btWanted = SETUP_FLAG_ILINK_LIB | SETUP_FLAG_ILINK_PSDK;
        if (found.bLib)
            *pbtFlags |= SETUP_FLAG_ILINK_LIB;
        if (found.bPsdk)
            *pbtFlags |= SETUP_FLAG_ILINK_PSDK;
    }
    unsigned char btHave = *pbtFlags & btWanted;
    if (btHave == btWanted)
        return SETUP_STATE_FULL;
    return btHave == 0 ? SETUP_STATE_NOT_SET : SETUP_STATE_PARTLY;
}

// Examines the start-up file and the running PATH.
unsigned char AutoexecState(const SetupIo *io, unsigned char *pbtFlags, SetupParse *pParse)
{
    std::vector<char> buf;
    size_t nLen;
    int nResult = ReadItem(io, SETUP_AUTOEXEC, buf, &nLen);
    if (nResult == SETUP_READ_MISSING)
        return SETUP_STATE_MISSING;
    if (nResult == SETUP_READ_TOO_LARGE)
        *pParse = SETUP_TOO_LARGE;
    if (nResult != SETUP_READ_OK)
        return SETUP_STATE_NONE;
    bool bSets = false;
    *pParse = ParseAutoexec(buf.data(), nLen, &bSets);
    if (*pParse != SETUP_PARSED)
        return SETUP_STATE_NONE;
    if (!bSets)
        return SETUP_STATE_NOT_SET;
    if (io->szRunningPath && PathListHasCompilerBin(io->szRunningPath)) {
        *pbtFlags |= SETUP_FLAG_PATH;
        return SETUP_STATE_PARTLY;
    }
    return SETUP_STATE_FULL;
}

// The texts of each row by state (index 1 to 4).
const char *const kRowTexts[SETUP_ITEM_COUNT][5] = {
    {"", kAutoexecMissing, kAutoexecNotSet, kAutoexecSet, kAutoexecWrong},
    {"", kInstallMissing, kInstallPartial, kInstallDone, ""},
    {"", kBccMissing, kCfgNotSet, kBccPartial, kBccDone},
    {"", kIlinkMissing, kCfgNotSet, kIlinkPartial, kIlinkDone},
};

} // namespace

/* One pass of the setup check over the rows not yet satisfied. */
void EvaluateCompilerSetup(unsigned char *pbtFlags, const SetupIo *io, SetupReport *report)
{
    for (int i = 0; i < SETUP_ITEM_COUNT; ++i) {
        report->btState[i] = SETUP_STATE_NONE;
        report->parse[i] = SETUP_PARSED;
    }
    report->bExamined = false;
    unsigned char &btFlags = *pbtFlags;
    if (btFlags & SETUP_FLAG_PATH) {
        report->btState[SETUP_AUTOEXEC] = SETUP_STATE_PARTLY;
    } else {
        report->bExamined = true;
        report->btState[SETUP_AUTOEXEC] = AutoexecState(io, &btFlags, &report->parse[SETUP_AUTOEXEC]);
    }
    if (btFlags & SETUP_FLAG_INSTALLED) {
        report->btState[SETUP_INSTALL] = SETUP_STATE_PARTLY;
    } else {
        report->bExamined = true;
        if (io->fnCompilerFolderExists(io->context)) {
            btFlags |= SETUP_FLAG_INSTALLED;
            report->btState[SETUP_INSTALL] = SETUP_STATE_PARTLY;
        } else {
            report->btState[SETUP_INSTALL] = SETUP_STATE_MISSING;
        }
    }
    if (!(btFlags & SETUP_FLAG_INSTALLED))
        return;
    const unsigned char btBcc = SETUP_FLAG_BCC_INCLUDE | SETUP_FLAG_BCC_LIB | SETUP_FLAG_BCC_PSDK;
    const unsigned char btIlink = SETUP_FLAG_ILINK_LIB | SETUP_FLAG_ILINK_PSDK;
    if ((btFlags & btBcc) == btBcc) {
        report->btState[SETUP_BCC_CFG] = SETUP_STATE_FULL;
    } else {
        report->bExamined = true;
        report->btState[SETUP_BCC_CFG] =
            ConfigState(io, SETUP_BCC_CFG, &btFlags, &report->parse[SETUP_BCC_CFG]);
    }
    if ((btFlags & btIlink) == btIlink) {
        report->btState[SETUP_ILINK_CFG] = SETUP_STATE_FULL;
    } else {
        report->bExamined = true;
        report->btState[SETUP_ILINK_CFG] =
            ConfigState(io, SETUP_ILINK_CFG, &btFlags, &report->parse[SETUP_ILINK_CFG]);
    }
}

/* The row text for a state and how the row's button looks. */
ToolsError SetupRowText(SetupItem item, int nState, const char *szSysRoot, char *out,
                        size_t capacity, SetupRowView *view)
{
    view->button = SETUP_BUTTON_AS_IS;
    view->bDisableConfigRows = false;
    if (capacity == 0)
        return TOOLS_NO_FIT;
    out[0] = '\0';
    if ((int)item < 0 || (int)item >= (int)SETUP_ITEM_COUNT)
        return TOOLS_BAD_PATH;
    if (nState < SETUP_STATE_MISSING || nState > SETUP_STATE_FULL) {
        if (item == SETUP_AUTOEXEC || item == SETUP_BCC_CFG || item == SETUP_ILINK_CFG)
            view->button = SETUP_BUTTON_DISABLED;
        return TOOLS_OK;
    }
    if (item == SETUP_AUTOEXEC && nState == SETUP_STATE_MISSING)
        view->button = SETUP_BUTTON_DISABLED;
    else if (item == SETUP_INSTALL && nState == SETUP_STATE_MISSING)
        view->bDisableConfigRows = true;
    else if (item != SETUP_INSTALL && nState == SETUP_STATE_PARTLY)
        view->button = item == SETUP_AUTOEXEC ? SETUP_BUTTON_CONFIRM : SETUP_BUTTON_REFER;
    else if (item != SETUP_INSTALL && nState == SETUP_STATE_FULL)
        view->button = item == SETUP_AUTOEXEC ? SETUP_BUTTON_REFER : SETUP_BUTTON_CONFIRM;
    const char *szText = kRowTexts[item][nState];
    size_t nText = std::strlen(szText);
    if (!CopyJoined(out, capacity, szText, nText, ""))
        return TOOLS_NO_FIT;
    if (item != SETUP_AUTOEXEC || !std::strstr(out, "INSERTION"))
        return TOOLS_OK;
    // The placeholder stands before the ":" of the drive; the root "X:\\"
    // takes the place of both so that the path reads "X:\\borland...".
    char chDrive = PathDriveLetter(szSysRoot);
    if (!chDrive)
        return TOOLS_BAD_PATH;
    char szRoot[4] = {chDrive, ':', '\\', '\0'};
    if (!ReplaceNth(out, capacity, "INSERTION:", 1, szRoot)) {
        out[0] = '\0';
        return TOOLS_NO_FIT;
    }
    return TOOLS_OK;
}

/* "現在の「name」の内容" or "変更後の「name」の内容". */
ToolsError SetupPreviewCaption(SetupItem item, bool bChanged, char *out, size_t capacity)
{
    const char *values[] = {SetupShortName(item)};
    if (values[0][0] == '\0')
        return TOOLS_BAD_PATH;
    const char *szTemplate = bChanged ? kPreviewChanged : kPreviewCurrent;
    return FillPlaceholders(out, capacity, szTemplate, values, 1) ? TOOLS_OK : TOOLS_NO_FIT;
}
