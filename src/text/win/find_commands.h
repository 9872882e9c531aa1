// Searches of the find bar and the status bar's function read-out, as the
// main window calls them.
#pragma once
#include <windows.h>

#include <cstddef>

// Searches phrase from the end of the pane's selection; on a hit selects it
// and scrolls to it.
void FindNext(HWND pane, const char *phrase);

// Searches the text before the selection and selects the last hit there;
// returns the number of hits before the caret.
int FindPrevious(HWND pane, const char *phrase);

// Opens the find-all result dialog LISTDLG2 (once; a second call shows it).
void OpenFindAllDialog(HWND mainWnd);

// Name of the function holding the pane's caret into szName (at most
// nSize bytes); FALSE when the caret is outside every function.
BOOL FunctionAtCaret(HWND pane, char *szName, size_t nSize);
