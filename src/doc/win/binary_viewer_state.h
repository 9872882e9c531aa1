// What the binary viewer's window, its filling and its input share. All of
// it lives on the viewer's thread (viewer_thread.h); one viewer at a time.
#pragma once
#include <windows.h>

#include "doc/viewer_rows_core.h"

#include <string>
#include <vector>

struct ViewerState {
    HWND hwnd = NULL;
    HWND pane = NULL;       // IDC_DUMPPANE: the header and the rows on show
    HWND rowBar = NULL;     // IDC_ROWBAR: the viewer's scroll bar over the whole file
    HANDLE file = INVALID_HANDLE_VALUE;
    uint64_t nSize = 0;     // the file's size when last looked at
    FILETIME written = {};  // its last write then
    uint64_t nTop = 0;      // the first row on show
    uint64_t nVisible = 1;  // rows that fit the pane
    int nLineHeight = 0;    // pixels a pane line takes (0: not measured yet)
    uint64_t nEndTop = 0;   // the top that shows the last row when rows take two lines (0: none)
    uint64_t nEndRows = 0;  // the rows of the file when nEndTop was found
    RowSelection sel = {false, 0, 0};
    bool bDragging = false;
    bool bReadFailShown = false;
    std::vector<LONG> rowStarts;  // character position of each row in the pane
};
extern ViewerState viewer;

// ---- binary_viewer_fill.cpp ----

// Opens the file for the viewer; false after its message.
bool OpenViewerFile(const char *szPath);
// Closes the file (the viewer is going away).
void CloseViewerFile();
// Looks at the file's size again and makes the pane show the rows from
// viewer.nTop (kept within the file), the selection and the scroll bar.
void RefillViewer();
// The top row moved to nTop (kept within the file) and the pane refilled.
void ScrollViewerTo(uint64_t nTop);
// The rows of the file, the last top row.
uint64_t ViewerRows();
uint64_t ViewerMaxTop();
// The selection shown in the pane as it stands, without a refill.
void ShowViewerSelection();
// The dump text of the rows [nFirst, nFirst + nCount) read from the file.
std::string ViewerRowsText(uint64_t nFirst, uint64_t nCount);
// The viewer's timer that looks for a changed file.
enum { VIEWER_WATCH_TIMER = 2, VIEWER_WATCH_MS = 1000 };
void WatchViewerFile();

// ---- binary_viewer_input.cpp ----

// Subclasses the dump pane: keys, mouse, wheel and context menu.
void HookViewerPane(HWND pane);
// The viewer's commands (context menu, driver): copy, go to, select all.
void ViewerCommand(int id);
// A request of the row bar (SB_ code, the message's 16-bit position).
void OnViewerRowBar(WORD code, WORD pos16);
// The mouse wheel turned by delta.
void OnViewerWheel(int delta);
