// The settings property sheet "設定" with its eight pages.
#pragma once
#include <windows.h>

// Shows the sheet modally on the page with the index (0 to 7).
void ShowSettingsSheet(HWND owner, int nStartPage);
