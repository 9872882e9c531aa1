// The DOS window's input-line history, recalled with the Up and Down keys.
#pragma once
#include <cstddef>

#include "tools/dos_input.h"

const int DOS_HISTORY_MAX = 32;

// The lines sent, oldest first; nCursor is the entry on show while the user
// steps through them (nCount when none is, i.e. a fresh line).
struct DosHistory {
    char szLines[DOS_HISTORY_MAX][DOS_INPUT_LINE_MAX + 1];
    int nCount;
    int nCursor;
};

// Empties the history.
void DosHistoryClear(DosHistory *history);

// Records a line that was sent. Blank lines and a repeat of the newest entry
// are not recorded; when full, the oldest entry goes. A line longer than
// DOS_INPUT_LINE_MAX is cut on a character boundary. Stepping starts anew.
void DosHistoryAdd(DosHistory *history, const char *szLine);

// Up: the next older line (stays on the oldest). Returns it, or null when
// the history is empty.
const char *DosHistoryUp(DosHistory *history);

// Down: the next newer line; past the newest, an empty line. Returns it
// (never null).
const char *DosHistoryDown(DosHistory *history);
