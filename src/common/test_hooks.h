// What the editor shows of itself for the end-to-end driver
// (tests/e2e/driver) and the benchmarks that run through it: the window
// properties it sets, the numbers it keeps in window bytes, and the
// messages a test may send it from outside. Both the editor and the driver
// include this header, so the two never disagree on a name or a number.
// Plain #defines only: no windows.h here (WM_APP is written out as 0x8000).
// Properties are set with SetPropA; the driver reads them with GetPropW and
// the same name made wide (L"" NAME).
#pragma once

// ---- Main window ("Sora_EditorClass") -------------------------------------

// Set (to 1) for as long as a long operation of the busy guard runs
// (app/frame/busy_guard.h): colouring, loading a text, switching listed files,
// find-all, indentation. The driver waits for it to go.
#define BUSY_PROP "SoraBusy"

// How many busy times have begun since start-up; the driver compares it
// before and after a step to see that the operation it started began.
#define BUSY_STARTS_PROP "SoraBusyStarts"

// Of the last colouring pass (text/win/colour_pass.h): the select + format
// pairs it sent to the pane, and the slices it streamed into a fresh pane
// (0 when it did not reload). Figures for the tests and the benchmark.
#define COLOUR_PAIRS_PROP "SoraColourPairs"
#define COLOUR_SLICES_PROP "SoraColourSlices"

// 1 + the longest time in ms the user-interface thread spent in one step
// of taking a text on show for its recovery copy (filelist/win/recovery.h);
// absent before the first take. A figure for the tests and the benchmark.
#define RECOVERY_TAKE_MS_PROP "SoraRecoveryTakeMs"

// The offset in the main window's extra window bytes of the running copy's
// instance number (1 for the first copy), so that tools and tests can tell
// running copies apart (GetWindowLong(main, MAIN_WND_INSTANCE_OFFSET)).
#define MAIN_WND_INSTANCE_OFFSET 0

// ---- Binary viewer ("NEW1") -----------------------------------------------

// Commands of the viewer's context menu (WM_COMMAND to the viewer): copy
// the selected rows, the go-to box, select every row.
#define VIEWER_CMD_COPY 6101
#define VIEWER_CMD_GOTO 6102
#define VIEWER_CMD_SELECT_ALL 6103

// The viewer's own scroll bar over the whole file (a child of the viewer).
#define VIEWER_ROW_BAR_ID 5021

// Title and field of the go-to box (CP932 "オフセットへ移動"), and the
// viewer's first row on show as a property (its offset / 16, low 32 bits).
#define VIEWER_GOTO_EDIT_ID 100
#define VIEWER_TOP_ROW_PROP "SoraViewerTopRow"

// ---- DOS window (STDDIALOG, tools/win/dos_process.h) ----------------------

// Answers the bytes read from the interpreter's two output pipes so far.
// The reader thread keeps this running total only for this question.
#define DOSM_GETTOTAL (0x8000 + 0x52) // WM_APP + 0x52

// Answers 1 while the interpreter runs, 0 when it could not start or ended.
#define DOSM_GETSTATE (0x8000 + 0x53) // WM_APP + 0x53

// ---- Design dialog (designer/win/designer_win.h) --------------------------

// The flag dialog's "select and do" (wParam the command, lParam the flag
// record). The editor's own message, which the driver sends as the flag
// dialog does.
#define WM_DESIGN_SELECTDO (0x8000 + 0x30) // WM_APP + 0x30
