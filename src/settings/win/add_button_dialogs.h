// The dialogs that make user buttons, and the property sheet of one button.
#pragma once
#include <windows.h>

// One add dialog alone, modal: "ADDBUTTONDLGINSRT", "ADDBUTTONDLGDOSCMD",
// "ADDBUTTONDLGDOSEX" or "ADDBUTTONDLGOTH".
void ShowAddButtonDialog(HWND owner, const char *szTemplate);
// The tabbed dialog holding the four add dialogs as pages.
void ShowAddButtonTabBox(HWND owner);
// "ボタンのプロパーティ": the sheet of the button with the id.
void ShowButtonProperties(HWND owner, UINT id);
