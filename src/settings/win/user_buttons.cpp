#include "settings/win/user_buttons.h"

#include <commctrl.h>
#include <richedit.h>
#include <cstdio>

#include "app/frame/globals.h"
#include "app/frame/panes.h"
#include "app/frame/pane_text.h"
#include "app/frame/file_bytes.h"
#include "filelist/win/page_exchange.h"
#include "resource_ids.h"
#include "settings/button_block.h"
#include "app/frame/band_button.h"
#include "settings/win/batch_run.h"
#include "tools/win/dos_process.h"

ButtonState buttonState;

/* ShowPageBands: shows or hides the bands of one page. */
static void ShowPageBands(int slot, BOOL bShow)
{
    for (const UserButton &b : buttonState.userButtons.slots[slot])
        ShowBandButton(frame.hRebar, b.id, bShow);
}

UserButton *MakeUserButton(const char *szLabel, uint8_t kind, int32_t value, const std::string &text)
{
    if (buttonState.userButtons.nUserButtons >= USER_BUTTON_LIMIT) {
        MessageBoxA(frame.hMainWnd, "ボタンの数が最大数に達しています", "OK", MB_OK);
        return NULL;
    }
    // The band is made before the counter grows, as the limit counts made buttons.
    UserButton probe;
    SetButtonLabel(probe, szLabel);
    UINT id = USER_BUTTON_FIRST_ID + buttonState.userButtons.nUserButtons;
    AddBandButton(frame.hRebar, probe.szLabel, id);
    UserButton *b = AddUserButton(buttonState.userButtons, szLabel, kind, value, text);
    InvalidateRect(frame.hRebar, NULL, TRUE);
    // Only the layout saved at the end of a run brings new buttons back.
    if (b && frame.settingsRecord.btButtonLayout != LAYOUT_SAVED)
        ShowStatusMessage("このボタンは次の起動で消えます（【設定】の「起動」で変更）", 10000);
    return b;
}

void MakeUserButtonBands()
{
    // The counter already counts the loaded buttons: make the bands as if
    // each were new, then put it back.
    int nSaved = buttonState.userButtons.nUserButtons;
    buttonState.userButtons.nUserButtons = 0;
    for (int k = 0; k < USER_PAGE_SLOTS; ++k) {
        for (const UserButton &b : buttonState.userButtons.slots[k]) {
            if (!AddBandButton(frame.hRebar, b.szLabel, b.id))
                break;
            ++buttonState.userButtons.nUserButtons;
            if (k != buttonState.userButtons.nCurrent)
                ShowBandButton(frame.hRebar, b.id, FALSE);
        }
    }
    buttonState.userButtons.nUserButtons = nSaved;
}

/* UserButtonLimitReached: the run has made its 100 user buttons. */
static BOOL UserButtonLimitReached()
{
    return buttonState.userButtons.nUserButtons >= USER_BUTTON_LIMIT;
}

void ClearUserButtons()
{
    SetBandButtonLimit(UserButtonLimitReached);
    for (int k = 0; k < USER_PAGE_SLOTS; ++k) {
        for (const UserButton &b : buttonState.userButtons.slots[k])
            DeleteBandButton(frame.hRebar, b.id);
        buttonState.userButtons.slots[k].clear();
    }
    buttonState.userButtons.nCurrent = 0;
}

void LoadUserButtonPages(const UserButtonPages &pages)
{
    ClearUserButtons();
    int nCounter = buttonState.userButtons.nUserButtons;
    buttonState.userButtons = pages;
    // Ids follow the run's counter, whatever the given pages said.
    buttonState.userButtons.nUserButtons = nCounter;
    for (int k = 0; k < USER_PAGE_SLOTS; ++k) {
        for (UserButton &b : buttonState.userButtons.slots[k]) {
            if (buttonState.userButtons.nUserButtons >= USER_BUTTON_LIMIT)
                break;
            b.id = USER_BUTTON_FIRST_ID + buttonState.userButtons.nUserButtons++;
        }
    }
    buttonState.userButtons.nUserButtons = nCounter;
    MakeUserButtonBands();
    int nMade = 0;
    for (int k = 0; k < USER_PAGE_SLOTS; ++k)
        nMade += (int)buttonState.userButtons.slots[k].size();
    buttonState.userButtons.nUserButtons = nCounter + nMade > USER_BUTTON_LIMIT ? USER_BUTTON_LIMIT : nCounter + nMade;
}

void MakeDefaultUserButtons()
{
    UserButtonPages pages;
    MakeDefaultButtons(pages);
    LoadUserButtonPages(pages);
}

/* TextEnd: the position after the last character of the pane. */
static LONG TextEnd(HWND pane)
{
    GETTEXTLENGTHEX gtl = {GTL_DEFAULT, CP_ACP};
    return (LONG)SendMessageA(pane, EM_GETTEXTLENGTHEX, (WPARAM)&gtl, 0);
}

BOOL PressUserButton(UINT id)
{
    UserButton *b = FindUserButton(buttonState.userButtons, id);
    if (!b)
        return FALSE;
    HWND pane = GetCurrentEdit(frame.hMainWnd);
    switch (b->kind) {
    case KIND_POSITION: {
        LONG pos = b->value < 0 ? TextEnd(pane) : b->value;
        CHARRANGE cr = {pos, pos};
        SendMessageA(pane, EM_EXSETSEL, 0, (LPARAM)&cr);
        SendMessageA(pane, EM_SCROLLCARET, 0, 0);
        SetFocus(pane);
        break;
    }
    case KIND_INSERT_AT_POINTER:
        buttonState.nArmedInsertButton = id;
        SendMessageA(frame.hMainWnd, WM_COMMAND, IDM_ARMINSERT, 0);
        break;
    case KIND_DOS_COMMAND:
        RunUserDosCommand(b->text.c_str());
        break;
    case KIND_EDITOR_FUNCTION:
        SendMessageA(frame.hMainWnd, WM_COMMAND, MAKEWPARAM((WORD)b->value, 0), (LPARAM)id);
        break;
    case KIND_INSERT_AT_CARET:
        ReplacePaneSelection(pane, b->text.data(), b->text.size(), TRUE);
        SetFocus(frame.hEdit);
        break;
    case KIND_DOS_BATCH:
        StartBatchRun(b->text);
        break;
    default:
        MessageBoxA(frame.hMainWnd, "例外のメッセージが紛れ込んでいます", "Caution", MB_OK);
        break;
    }
    return TRUE;
}

void DeleteUserButtonWithId(UINT id)
{
    if (DeleteUserButton(buttonState.userButtons, id))
        DeleteBandButton(frame.hRebar, id);
    if (buttonState.nUserPopupTarget == id)
        buttonState.nUserPopupTarget = 0;
}

void RelabelUserButton(UINT id, const char *szLabel)
{
    UserButton *b = FindUserButton(buttonState.userButtons, id);
    if (!b)
        return;
    SetButtonLabel(*b, szLabel);
    HWND button = BandButtonWindow(frame.hRebar, id);
    if (button)
        SetWindowTextA(button, b->szLabel);
}

/* OnPositionCaptured: a new position button, or the target's new position. */
void OnPositionCaptured(HWND pane, LONG pos, BOOL bChangeMode)
{
    if (bChangeMode) {
        UserButton *b = FindUserButton(buttonState.userButtons, buttonState.nUserPopupTarget);
        if (b && b->kind == KIND_POSITION)
            b->value = pos;
        return;
    }
    // Numbered from 1, as the line read-out counts.
    LONG line = (LONG)SendMessageA(pane, EM_EXLINEFROMCHAR, 0, pos) + 1;
    char szLabel[USER_LABEL_SIZE];
    _snprintf(szLabel, sizeof szLabel - 1, "Ln%ld", (long)line);
    szLabel[sizeof szLabel - 1] = '\0';
    MakeUserButton(szLabel, KIND_POSITION, pos, "");
}

/* ArmedInsertionText: the text of the button that armed the insertion. */
const char *ArmedInsertionText()
{
    UserButton *b = FindUserButton(buttonState.userButtons, buttonState.nArmedInsertButton);
    if (!b || (b->kind != KIND_INSERT_AT_POINTER && b->kind != KIND_INSERT_AT_CARET))
        return NULL;
    return b->text.c_str();
}

/* ShowUserButtonMenu: MYPOPUP5 for the button; 213 only for position buttons. */
void ShowUserButtonMenu(HWND button, POINT screen)
{
    UINT id = (UINT)GetDlgCtrlID(button);
    UserButton *b = FindUserButton(buttonState.userButtons, id);
    if (!b)
        return;
    buttonState.nUserPopupTarget = id;
    HMENU menu = LoadMenuA(frame.hInst, "MYPOPUP5");
    if (!menu)
        return;
    HMENU sub = GetSubMenu(menu, 0);
    if (b->kind != KIND_POSITION)
        EnableMenuItem(sub, IDM_BTNCHANGEPOS, MF_BYCOMMAND | MF_GRAYED);
    TrackPopupMenu(sub, TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, frame.hMainWnd, NULL);
    DestroyMenu(menu);
}

/* NextUserButtonPage: the following page of buttons comes up. */
void NextUserButtonPage()
{
    ShowPageBands(buttonState.userButtons.nCurrent, FALSE);
    ShowWindow(frame.hRebar, SW_HIDE);
    ShowWindow(frame.hRebar, SW_SHOW);
    NextUserPage(buttonState.userButtons);
    ShowPageBands(buttonState.userButtons.nCurrent, TRUE);
}

BOOL WriteUserButtonFile(HWND owner)
{
    char szPath[MAX_PATH];
    _snprintf(szPath, sizeof szPath - 1, "%subuttons.cfg", frame.startupPaths.szWorkDir);
    szPath[sizeof szPath - 1] = '\0';
    std::string bytes = EncodeButtonFile(buttonState.userButtons);
    if (WriteFileReplacing(szPath, bytes.data(), bytes.size()))
        return TRUE;
    MessageBoxA(owner, "\"ubuttons.cfg\" を書き込めませんでした。\r\n前のファイルはそのまま残っています。", "エラー",
                MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
}

static int UserCountPages() { return CountUserPages(buttonState.userButtons); }
static int UserPageIndex() { return buttonState.userButtons.nCurrent; }

/* UserShiftPage: exchanges the page on show; the bands follow. */
static int UserShiftPage(int nshift)
{
    return ShiftUserPage(buttonState.userButtons, nshift);
}

static void NextUserPageFromDialog() {}

void ShowUserPageExchange(HWND owner)
{
    static const PageExchangeSource source = {UserCountPages, UserPageIndex, UserShiftPage, IDM_NEXTBTNPAGE,
                                              "ページ%d", NextUserPageFromDialog};
    ShowPageExchange(owner, source);
}

/* RunUserDosCommand: a command button's line into the DOS window. */
void RunUserDosCommand(const char *szCommand)
{
    RunDosCommand(szCommand, frame.hMainWnd);
}
