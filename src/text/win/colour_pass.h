// The colouring pass of a pane: braces by depth, parenthesised text by
// depth, literals and comments, and the two balance counts in the status
// bar. The menu and bars are locked and the pane hidden while it runs; the
// pass works in slices inside a busy time (app/frame/busy_guard.h), so the
// progress bar moves and the window answers throughout. A whole text is
// coloured by loading it again, coloured, into a fresh pane
// (colour_reload.h); a selection, a short pass or a text whose format is
// not the same everywhere gets one select + format pair per stroke.
#pragma once
#include <windows.h>

// Runs the pass on the pane (its selection only, when it has one).
// Nothing happens during another long operation or for an empty pane.
void StartColourPass(HWND pane);

// The figures of the last pass are kept in the main window properties
// COLOUR_PAIRS_PROP and COLOUR_SLICES_PROP (common/test_hooks.h).
