// The binary viewer runs on a user-interface thread of its own. Under Wine
// its rich-edit pane needs many seconds to take a large dump, to re-wrap it
// after a zoom or a resize and to free it at the close; on that thread none
// of it holds up the main window. The viewer's windows belong to the
// thread; the main window reaches them only through messages, and the
// viewer touches nothing of the main window.
#pragma once
#include <windows.h>

// Starts the viewer's thread, which makes the viewer window with
// CreateViewerWindow and runs its message loop until the window is gone.
// Waits, answering messages sent to this thread, until the window exists
// (ViewerWindowMade) or its creation failed. Returns the window or NULL
// (also while the thread of an earlier viewer still runs).
HWND StartViewerThread();

// Called on the viewer's thread as soon as the window and its pane exist,
// before the dump is read: releases StartViewerThread.
void ViewerWindowMade(HWND viewer);

// Asks the viewer (when open) to close and waits, answering messages sent
// to this thread, up to nMaxMs for its thread to end. True when no viewer
// thread is left.
bool EndViewerThread(DWORD nMaxMs);
