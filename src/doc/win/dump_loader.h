// Handing the viewer's dump to its pane in slices. Under Wine the rich
// edit control spends a few microseconds on each character of a dump (its
// hex digits and letters make many short runs), so the dump of a 1 MiB file
// takes many seconds to go in: the top of the dump is shown at once and the
// rest follows slice by slice on a timer of the viewer, while every window
// of the editor goes on answering. One dump loads at a time (one viewer).
#pragma once
#include <windows.h>

#include <string>

// The viewer's timer that carries the load on.
enum { DUMP_LOAD_TIMER = 1 };

// While its dump is still going in, the viewer carries the property
// DUMP_LOADING_PROP (common/test_hooks.h).

// Makes the top of the dump the pane's text and, when there is more,
// starts the timer that appends the rest. Takes the dump over. Returns the
// pane that holds the text (see SetPaneText).
HWND StartDumpLoad(HWND pane, std::string &&dump);

// The viewer's DUMP_LOAD_TIMER: appends the next slice; the last one
// clears the modified flag, stops the timer and frees the dump.
void ContinueDumpLoad(HWND viewer);

// Ends a load that has not finished (the viewer is going away).
void StopDumpLoad();
