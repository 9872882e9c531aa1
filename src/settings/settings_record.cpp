#include "settings/settings_record.h"

#include <cstring>

#include "common/cp932.h"

/* MakeNoFileSettings: defaults with all five bars in state 8. */
SettingsRecord MakeNoFileSettings()
{
    SettingsRecord record;
    for (uint32_t &dw : record.dwBarStates)
        dw = BAR_SHOWN;
    return record;
}

/* ApplyLoadRules: normal find mode, multi-file mode from the folder. */
void ApplyLoadRules(SettingsRecord &record, bool bWorkDirExists)
{
    record.findInfo.btCurmode = 0;
    record.bMultiFile = bWorkDirExists ? 1 : 0;
}

/* ChooseButtonSource: decides which buttons the bar gets at start. */
ButtonSource ChooseButtonSource(uint8_t btButtonLayout, bool bUserFileExists)
{
    switch (btButtonLayout) {
    case LAYOUT_SAVED:
        return BUTTONS_FROM_CONFIG;
    case LAYOUT_USER_FILE:
        return bUserFileExists ? BUTTONS_FROM_USER_FILE : BUTTONS_DEFAULT;
    case LAYOUT_DEFAULT:
        return BUTTONS_DEFAULT;
    default:
        return BUTTONS_NONE;
    }
}

/* ResetBadButtonLayout: an unknown layout becomes the default one. */
bool ResetBadButtonLayout(SettingsRecord &record)
{
    if (record.btButtonLayout <= LAYOUT_DEFAULT)
        return false;
    record.btButtonLayout = LAYOUT_DEFAULT;
    return true;
}

/* SetSettingsText: copies a text into a record field without overrun. */
void SetSettingsText(char (&szField)[SETTINGS_TEXT_SIZE], const char *szValue)
{
    if (!szValue) {
        szField[0] = '\0';
        return;
    }
    size_t n = cp932::CutOnCharBoundary(szValue, std::strlen(szValue), SETTINGS_TEXT_SIZE - 1);
    std::memmove(szField, szValue, n);
    szField[n] = '\0';
}
