// The binary viewer: a window of its own ("NEW1") showing a file as a
// hexadecimal dump, with a scroll bar of its own over the whole file and a
// scroll bar that zooms the font. Only the rows on show are read and made
// (binary_viewer_fill.cpp), so a file of any size up to 4 GiB - 1 opens at
// once.
#pragma once
#include <windows.h>

#include "doc/doc_messages.h"

// Controls of the viewer window.
enum {
    IDC_DUMPPANE = 5004, // the header and the rows on show (rich edit, read-only)
    IDC_ZOOMBAR = 5020,  // the zoom bar along the bottom
    IDC_ROWBAR = 5021,   // the scroll bar over the whole file, at the right
};

// Opens the viewer on szFullPath (hBinViewer) on a thread of its own
// (viewer_thread.h). Returns 0 when the viewer was created, -1 otherwise
// (after its message).
int OpenBinaryViewer(HWND owner);

// The same on the file at szPath; a viewer already open closes first.
int OpenBinaryViewerOn(HWND owner, const char *szPath);

// A refusal of a document (the box of id with szText) that asks whether
// to show the file in the viewer instead: Yes opens the viewer on szPath,
// No leaves everything as it is.
void RefuseOfferingViewer(HWND owner, DocMessageId id, const char *szText, const char *szPath);

// Makes the viewer window on the calling (the viewer's) thread; NULL when
// it could not be created.
HWND CreateViewerWindow();

// Closes the viewer (when open) and waits up to nMaxMs for its thread to
// end. True when no viewer thread is left, so that the rich-edit library
// may be freed.
bool CloseBinaryViewer(DWORD nMaxMs);

// Window procedure of the viewer class "NEW1".
LRESULT CALLBACK BinaryViewerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The dump's character height in twips (the zoom bar's value).
int ViewerZoomSize();
