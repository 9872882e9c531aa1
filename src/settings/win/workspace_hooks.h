// What the main window's mouse handling asks of the user buttons and the
// file-list buttons (pointer modes and the bars' pop-up menus).
#pragma once
#include <windows.h>

// Position capture ended by a click in a pane at character position pos:
// a new position button "Ln<line>" on the current page, or, in change
// mode, the position stored in the button the pop-up menu remembered.
void OnPositionCaptured(HWND pane, LONG pos, BOOL bChangeMode);

// Armed insertion: the text of the remembered button, or NULL when none.
const char *ArmedInsertionText();

// Right click on a user button (a child of hRebar) at a screen point, and
// on a file-list button (a child of hFileRebar): their pop-up menus.
void ShowUserButtonMenu(HWND button, POINT screen);
void ShowFileButtonMenu(HWND button, POINT screen);

// "ページ" (1412): the next page of user buttons.
void NextUserButtonPage();
