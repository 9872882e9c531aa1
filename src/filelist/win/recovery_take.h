// Taking a pane's text in slices, so that copying a large text never holds
// the window for long: under Wine one WM_GETTEXT of 1 MiB costs 100 ms and
// more where the exe runs emulated; a slice of RECOVERY_SLICE_CHARS
// characters costs a tenth of that. The caller takes a few slices per
// timer message and starts again when the text changed in between.
#pragma once
#include <windows.h>

#include <string>

enum { RECOVERY_SLICE_CHARS = 64 * 1024 };

struct PaneTake {
    HWND pane = NULL;
    LONG nNext = 0;      // first character not taken yet
    LONG nTotal = 0;     // characters in the pane when the take began
    std::string text;    // CP932 bytes taken so far
};

// Begins taking the pane's text.
void BeginPaneTake(PaneTake &take, HWND pane);

// Takes the next slice. 1 when the whole text is taken, 0 when more
// slices are to come, -1 when the pane no longer answers as expected
// (the take is to be dropped).
int TakePaneSlice(PaneTake &take);
