#include "app/frame/subsystem_commands.h"

#include <string>

#include "app/frame/globals.h"
#include "app/frame/panes.h"
#include "app/frame/pane_text.h"
#include "resource_ids.h"
#include "settings/win/add_button_dialogs.h"
#include "settings/win/settings_sheet.h"
#include "settings/win/user_buttons.h"

/* InsertSnippet: string 6545 + id in place of the selection of the current pane. */
static void InsertSnippet(UINT id)
{
    enum { SNIPPET_MAX = 2048 };
    std::string text(SNIPPET_MAX + 1, '\0');
    int n = LoadStringA(frame.hInst, IDS_SNIPPET_BASE + id, &text[0], SNIPPET_MAX + 1);
    if (n <= 0)
        return;
    text.resize((size_t)n);
    HWND pane = GetCurrentEdit(frame.hMainWnd);
    ReplacePaneSelection(pane, text.data(), text.size(), TRUE);
}

/* SettingsCommand: the main window's commands served by this subsystem. */
static BOOL SettingsCommand(HWND hwnd, UINT id, UINT code, LPARAM lParam)
{
    (void)code;
    (void)lParam;
    if (id >= USER_BUTTON_FIRST_ID && id < USER_BUTTON_FIRST_ID + USER_BUTTON_LIMIT)
        return PressUserButton(id) || id < (UINT)(USER_BUTTON_FIRST_ID + buttonState.userButtons.nUserButtons);
    if (id >= IDM_SNIPPET_FIRST && id <= IDM_SNIPPET_LAST) {
        InsertSnippet(id);
        return TRUE;
    }
    switch (id) {
    case IDM_ADDINSERT:   ShowAddButtonDialog(hwnd, "ADDBUTTONDLGINSRT"); return TRUE;
    case IDM_ADDDOSSHOW:  ShowAddButtonDialog(hwnd, "ADDBUTTONDLGDOSCMD"); return TRUE;
    case IDM_ADDDOSHIDE:  ShowAddButtonDialog(hwnd, "ADDBUTTONDLGDOSEX"); return TRUE;
    case IDM_ADDOTHER:    ShowAddButtonTabBox(hwnd); return TRUE;
    case IDM_BTNPAGEXCHG: ShowUserPageExchange(hwnd); return TRUE;
    case IDM_BTNCHANGEPOS:
        if (FindUserButton(buttonState.userButtons, buttonState.nUserPopupTarget) && SetPointerMode(POINTER_POS_CHANGE))
            SetCursor(LoadCursorA(frame.hInst, "JUMPCURSOR"));
        return TRUE;
    case IDM_BTNPROPERTY:
        if (FindUserButton(buttonState.userButtons, buttonState.nUserPopupTarget))
            ShowButtonProperties(hwnd, buttonState.nUserPopupTarget);
        return TRUE;
    case IDM_BTNDELETE:
        DeleteUserButtonWithId(buttonState.nUserPopupTarget);
        return TRUE;
    case IDM_NEXTBTNPAGE:
        NextUserButtonPage();
        return TRUE;
    case IDM_SETTINGS:
        ShowSettingsSheet(hwnd, 0);
        return TRUE;
    case IDM_COMPILESETTINGS:
        ShowSettingsSheet(hwnd, 2);
        return TRUE;
    }
    return FALSE;
}

static const CommandRange kSettingsIds[] = {
    {IDM_ADDINSERT, IDM_ADDDOSHIDE},   COMMAND_ID(IDM_ADDOTHER),        {IDM_BTNPAGEXCHG, IDM_BTNDELETE},
    COMMAND_ID(IDM_NEXTBTNPAGE),       COMMAND_ID(IDM_SETTINGS),        COMMAND_ID(IDM_COMPILESETTINGS),
    {IDM_SNIPPET_FIRST, IDM_SNIPPET_LAST},
    {USER_BUTTON_FIRST_ID, USER_BUTTON_FIRST_ID + USER_BUTTON_LIMIT - 1}};
const CommandOwner settingsCommands = {"settings", SettingsCommand, COMMAND_IDS(kSettingsIds)};
