// The function list dialog LISTDLG and the jumps to the next function and to
// the top of the current one.
#pragma once
#include <windows.h>

// Opens the list of the main pane's functions (once; an open list is shown).
void ShowFunctionList(HWND mainWnd);

// Caret to the first function after it, that line at the top of the pane.
void NextFunction(HWND pane);

// Caret to the start of the function holding it (or to the text start).
void FunctionTop(HWND pane);
