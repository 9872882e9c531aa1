// Reformatting of a whole pane: re-indentation by block characters and
// spacing around parentheses and commas.
#pragma once
#include <windows.h>

// Re-indents the pane's text with the settings' block characters, step and
// initial indent; returns the pane that holds the text afterwards.
HWND IndentPane(HWND pane);

// Puts spaces inside parentheses and after commas; returns the pane.
HWND SpacePane(HWND pane);

// Command 227 once the user has confirmed it: indents the current pane.
void IndentCurrentPane();
