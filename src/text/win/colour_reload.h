// Colouring a whole pane by loading its text again, coloured: the text is
// written as RTF (text/colour_rtf.h) and appended in slices to a fresh
// hidden pane, which then takes the old pane's place. Under Wine this costs
// time in proportion to the text, where a select + format pair per run
// costs more the longer the text is.
#pragma once
#include <windows.h>

#include "app/frame/pane_text.h"
#include "text/colour_scan.h"

#include <richedit.h>

#include <string>
#include <vector>

// True when every character of the pane has the same format apart from its
// colour (face, size, character set, effects): only then can a reload keep
// everything but the colours. The selection is kept.
bool PaneFormatIsUniform(HWND pane);

// True when all of the pane's text has one format in the colour of base
// (the pane's own): a whole pass without runs has nothing to change there.
bool PaneIsPlain(HWND pane, const CHARFORMATA &base);

// Colours the pane, whose whole text is text, with the runs (base 0): the
// text outside the runs takes the colour of base (the pane's own). Returns
// the pane now in place, or NULL when the pane was left as it was (no new
// control, or the text did not come back byte for byte). The new pane holds
// the same text, is hidden and unmodified, with an empty undo history and
// the selection at its start; the caller restores the view. Runs inside a
// BusyGuard; progress is told the bytes loaded so far.
HWND ColourPaneByReload(HWND pane, const std::string &text, const std::vector<ColourRun> &runs,
                        const CHARFORMATA &base, const PaneSliceProgress &progress, int *pSlices);
