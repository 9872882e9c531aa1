// Byte-offset selection and colouring of a rich-edit pane. The analysis
// works on a CP932 copy of the pane's text in bytes, while the control
// counts positions in its own way; these helpers translate.
#pragma once
#include <windows.h>

#include <richedit.h>

#include "text/colour_scan.h"
#include "text/pane_positions.h"

#include <string>

// True when the pane counts one position per byte (rather than one per
// character) for its text, given the pane's text as CP932 bytes.
bool PaneCountsBytes(HWND pane, const std::string &text);

// Selects text[from, to) in the pane (no scrolling).
void SelectPaneBytes(HWND pane, PanePositions &map, size_t from, size_t to);

// The pane's selection as byte offsets of text.
void GetPaneByteSelection(HWND pane, PanePositions &map, size_t *from, size_t *to);

// Shows a hit: one page to the left, the hit selected, and its line ten
// lines below the top of the pane (the start of the text for hits in the
// first ten lines).
void ShowPaneHit(HWND pane, PanePositions &map, size_t at, size_t len);

// The pane's default character format (face, size, character set and
// effects), the base of every colouring step.
void GetPaneBaseFormat(HWND pane, CHARFORMATA *base);

// The base format in the given colour, under FontMask, so that only the
// colour differs from the pane's own look.
void ColourFormat(CHARFORMATA *cf, const CHARFORMATA &base, COLORREF colour);

// Colours text[run.nStart, run.nEnd) with the run's colour (select + format).
void PaintPaneRun(HWND pane, PanePositions &map, const CHARFORMATA &base, const ColourRun &run);
