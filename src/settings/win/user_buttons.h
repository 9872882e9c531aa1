// The user-defined buttons of the main window: their pages on hRebar,
// pressing them, the pop-up menu and the pointer modes they use.
#pragma once
#include <windows.h>

#include <string>

#include "settings/user_button.h"

struct ButtonState {
    UserButtonPages userButtons;
    // Id of the button the pop-up menu was opened for (0 when none).
    UINT nUserPopupTarget;
    // Id of the button whose insertion is armed (0 when none).
    UINT nArmedInsertButton;
};
extern ButtonState buttonState;

// Makes a button on the page on show with its band. NULL when refused.
UserButton *MakeUserButton(const char *szLabel, uint8_t kind, int32_t value, const std::string &text);
// Bands for every button of every page (the pages after the one on show hidden).
void MakeUserButtonBands();
// Removes every band and every button of all pages.
void ClearUserButtons();
// Replaces all buttons by the pages given (ids renumbered from the run's counter).
void LoadUserButtonPages(const UserButtonPages &pages);
// The two default buttons.
void MakeDefaultUserButtons();

// Position capture ended by a click in a pane at character position pos:
// a new position button "Ln<line>" on the current page, or, in change
// mode, the position stored in the button the pop-up menu remembered.
void OnPositionCaptured(HWND pane, LONG pos, BOOL bChangeMode);

// Armed insertion: the text of the remembered button, or NULL when none.
const char *ArmedInsertionText();

// Right click on a user button (a child of hRebar) at a screen point: its
// pop-up menu.
void ShowUserButtonMenu(HWND button, POINT screen);

// "ページ" (1412): the next page of user buttons.
void NextUserButtonPage();

// Presses the button with the id (8000 + n). TRUE when it was a button.
BOOL PressUserButton(UINT id);
void DeleteUserButtonWithId(UINT id);
// Sets the label of the button and of its window.
void RelabelUserButton(UINT id, const char *szLabel);

// "ubuttons.cfg" in the working folder from the buttons (written beside
// and then moved over). FALSE with a message on failure.
BOOL WriteUserButtonFile(HWND owner);

// The page exchange dialog for user pages.
void ShowUserPageExchange(HWND owner);

// Sends a command line to the DOS window.
void RunUserDosCommand(const char *szCommand);
