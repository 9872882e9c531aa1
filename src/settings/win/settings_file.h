// The settings and session file "config.cfg" of the working folder.
#pragma once
#include <windows.h>

// Writes the settings and the session to szName in the working folder
// (written beside, then moved over the old file). 1 when written or after
// a reported failure, 0 when the user declined to create the folder.
int WriteData(const char *szName);

// Reads szName from the working folder and restores the session. 1 when
// the file existed, 0 when the defaults were used. A damaged file gives a
// message, its undamaged fields are used and it is kept as "<name>.bad".
int LoadData(const char *szName);

// Main window creation: the file list, the tree and the settings.
void LoadSettingsAtStart(HWND mainWnd);
// The close: the settings are written.
void SaveSettingsAtClose(HWND mainWnd);
