// Modeless dialogs of the main window that are open at most once.
#pragma once
#include <windows.h>

// Shows the dialog of *handle and brings it to the front when it is open,
// else creates it from its template; a failure is reported with failText.
void ShowModelessOnce(HWND *handle, const char *szTemplate, HWND owner, DLGPROC proc, const char *failText);
