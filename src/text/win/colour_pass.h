// The colouring pass of the main pane: braces by depth, parenthesised text
// by depth, literals and comments, and the two balance counts in the status
// bar. The pane is painted in short steps from a timer so that the progress
// bar moves and the window answers throughout; the menu and bars stay
// locked until the pass ends.
#pragma once
#include <windows.h>

// Starts the pass on the pane (its selection only, when it has one).
// Nothing happens while a pass runs or for an empty pane.
void StartColourPass(HWND pane);

// True while a pass runs.
BOOL ColourPassRunning();

// Name of the main window property holding the number of select + format
// pairs the last pass sent (read by the tests and the benchmark).
#define COLOUR_PAIRS_PROP "SoraColourPairs"
