// Calls of the main window into the workspace (folder tree, settings file)
// that are made from the frame's own handlers.
#pragma once
#include <windows.h>

// Notifications of the folder tree (control 1301).
LRESULT ForwardTreeNotify(HWND mainWnd, NMHDR *hdr);

// The settings file is written with every overwrite (202).
void SaveSettingsForOverwrite(HWND mainWnd);
