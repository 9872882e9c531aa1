// Recovery copies of the unsaved texts: while a text on show or parked by
// the file list has changes nobody saved, a copy of it is kept in the
// working folder ("sora<n>_<session>_<id>[.rc].recover"), so that a crash
// loses nothing. The copy of a parked text is written at the switch, the
// copy of a text on show on a timer: the first one within a second of the
// first change, then at most one every 30 seconds while the text changes.
// A text on show is taken from its pane in slices on the user-interface
// thread (a change in between spoils the take, which starts again at the
// next second), a parked one is handed over as the switch took it; both are
// written by a thread of their own. A clean exit removes its copies; the
// next start offers the copies of a copy of the editor that did not end
// cleanly.
#pragma once
#include <windows.h>

#include <string>

#include "filelist/file_list_pages.h"

#include "common/test_hooks.h" // RECOVERY_TAKE_MS_PROP: the longest step of a take

// Milliseconds between two copies of a text on show that keeps changing.
enum { RECOVERY_INTERVAL_MS = 30000 };

// Start-up, once the main window is shown: takes this copy's session,
// offers what copies of the editor that ended left behind, and starts the
// timer. Nothing happens without a working folder.
void StartRecovery(HWND mainWnd);

// Clean exit: the writer finishes and this session's copies are removed.
void EndRecovery();

// A pane's text changed (EN_CHANGE of the main or resource pane).
void NoteRecoveryPaneChange(HWND pane);

// The file list parked the entry: its texts (moved from) are copied when
// they hold changes, and the copies of the texts that were on show go.
void RecoveryParked(const FileEntry &entry, std::string &mainText, std::string &rcText);

// The file list brought the entry up: the copies of its parked texts now
// stand for the texts on show.
void RecoveryBroughtUp(const FileEntry &entry);

// Copies the texts on show that hold changes at once (after a restore).
void RecoveryCopyOnShowNow();
