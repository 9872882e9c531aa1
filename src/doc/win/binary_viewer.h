// The binary viewer: a window of its own ("NEW1") showing the file of the
// main pane as a hexadecimal dump, with a scroll bar that zooms the font.
#pragma once
#include <windows.h>

// Controls of the viewer window.
enum {
    IDC_DUMPPANE = 5004, // the dump (rich edit, read-only)
    IDC_ZOOMBAR = 5020,  // the zoom bar along the bottom
};

// Opens the viewer on szFullPath (hBinViewer) on a thread of its own
// (viewer_thread.h). Returns 0 when the viewer was created, -1 otherwise
// (after its message).
int OpenBinaryViewer(HWND owner);

// Makes the viewer window on the calling (the viewer's) thread; NULL when
// it could not be created.
HWND CreateViewerWindow();

// Closes the viewer (when open) and waits up to nMaxMs for its thread to
// end. True when no viewer thread is left, so that the rich-edit library
// may be freed.
bool CloseBinaryViewer(DWORD nMaxMs);

// Window procedure of the viewer class "NEW1".
LRESULT CALLBACK BinaryViewerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Reads the file at szPath and makes its dump, under the header, the whole
// text of the pane: the top at once, the rest in slices on the viewer's
// timer (dump_loader.h). Returns the pane that holds the text (the control
// may have been rebuilt), the given pane after a refusal (its message shown).
HWND ReadAsBinary(HWND pane, const char *szPath);
