// The two rich-edit panes: character formats, fonts, background colours
// and the find entry.
#pragma once
#include <windows.h>

// Character-format mask of every format applied to a pane: bold, italic,
// underline, strike-out, size, colour, face, offset and character set.
const DWORD FontMask = 0xF800000F;

int InitPaneFont(HWND pane);
// The pane ready to take a new text: rebuilt empty when it holds a large
// text, then its font set (on a pane full of text the control would lay all
// of the old text out again). Returns the pane, which may be a new control.
HWND PaneWithFontForNewText(HWND pane);
int ChoosePaneFont(HWND pane);
int ChoosePaneColour(HWND pane);
void RepairPaneFont(HWND pane);

// The pane that commands act on.
HWND GetCurrentEdit(HWND mainWnd);

// The find entry hEditEntry (id 5011) at (0, 0), placed by the find bar.
HWND CreateFindEntry(HWND parent);

// 1-based line of the selection's start (or end) in the pane.
int SelectionLine(HWND pane, BOOL atEnd);
