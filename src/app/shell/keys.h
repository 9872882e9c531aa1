// Shortcut keys of the main window: the accelerator table "MAINKEYS",
// translated in the message loop before Pretranslate while the focus is in
// the main window or one of its panes.
#pragma once
#include <windows.h>

// TRUE when the key became a command of the main window (consumed).
BOOL TranslateMainKeys(MSG *msg);

// Whether keys pressed in the window are the main window's (not those of
// a modeless dialog).
BOOL KeysReachMainWindow(HWND focus);

// Whether the command that a key gave may run now (not while the colouring
// pass runs or the menu that holds it is grey).
BOOL KeyCommandAllowed(HWND hwnd, UINT id);
