// The modeless find-all result dialog LISTDLG2: every hit of a phrase in the
// main pane grouped under its function, rows that select their hit, and
// replacement of the checked (or else the selected) rows.
#pragma once
#include <windows.h>

// Opens the dialog (or brings the open one forward) and searches phrase in
// normal mode at once.
void ShowFindAllDialog(HWND mainWnd, const char *phrase);
