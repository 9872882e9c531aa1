// Putting and taking a pane's whole text. Every place that loads a text
// into a rich-edit pane or copies one out goes through here: loading is a
// stream-in whose chunks never split a double-byte character or a CR LF,
// copies are sized in bytes (the control counts characters), and a large
// text goes into a fresh control in slices of whole lines, with the message
// loop run between slices (busy_guard.h), which then takes the old pane's
// place: under Wine that is far quicker than letting the control delete or
// replace a large text, and the window answers throughout.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

// Texts above this many bytes are dropped by rebuilding the pane.
enum { PANE_REBUILD_THRESHOLD = 64 * 1024 };

// Texts above this many bytes are loaded in slices.
enum { PANE_SLICE_THRESHOLD = 16 * 1024 };

// The undo limit of a pane outside the loads (the control's default).
enum { PANE_UNDO_LIMIT = 100 };

// Makes text[0, len) the pane's whole text and returns the pane that now
// holds it: a rebuilt pane replaces the old one everywhere (hEdit,
// hSubEdit1, hCurEdit, its place in the split window), so callers must use
// the returned handle or the globals afterwards. The modified flag is the
// caller's business; the selection ends at the start; the undo history is
// empty. A large text is loaded in slices inside a busy time.
HWND SetPaneText(HWND pane, const char *text, size_t len);
inline HWND SetPaneText(HWND pane, const std::string &text) { return SetPaneText(pane, text.data(), text.size()); }

// Replaces the pane's selection by text[0, len) (one undoable step when
// canUndo) by stream-in, so long texts are as quick as whole loads.
void ReplacePaneSelection(HWND pane, const char *text, size_t len, BOOL canUndo);

// Adds text[0, len) at the end of the pane (a stream-in, as quick as a
// whole load) and leaves the selection and the first visible line as the
// user had them, so that a text can be handed over in slices while the
// pane is on show.
void AppendPaneText(HWND pane, const char *text, size_t len);

// The pane without text and unmodified; returns the pane that holds it (see
// SetPaneText).
HWND EmptyPane(HWND pane);

// The pane's whole text as CP932 bytes, exactly as the control holds them.
std::string GetPaneText(HWND pane);

// Upper bound of the pane's text in bytes (never less than the real size).
size_t PaneTextBytesBound(HWND pane);

// A fresh, empty and hidden control made like the pane, with everything
// the editor relies on kept: styles, limit, event mask, default format,
// font, background colour, window procedure (the main pane's subclass). It
// gets the pane's id and place only with PutPaneInPlace. NULL on failure.
HWND CreatePaneLike(HWND pane);

// The fresh pane takes the old one's place: id, position, z-order, place
// in the split window, the globals that name it, visibility and focus; the
// old pane is destroyed. Returns the fresh pane.
HWND PutPaneInPlace(HWND old, HWND fresh);

// CreatePaneLike and PutPaneInPlace in one step (the old pane when no new
// control could be made). Returns the pane that is in place.
HWND RebuildPane(HWND pane);

// Turns text[from, to) into the bytes of one stream-in of a slice.
typedef std::function<void(size_t from, size_t to, std::string &out)> PaneSliceWriter;
// Told how many bytes of the text are in the pane.
typedef std::function<void(size_t done)> PaneSliceProgress;

// Appends text[0, len) at the end of the pane in slices of whole lines,
// each one stream-in in the given format (SF_TEXT or SF_RTF) of what write
// makes of it (the bytes themselves when write is empty), with the message
// loop run between slices and during long stream-ins. The slices are sized
// so that each stream-in takes some tens of milliseconds; a line longer
// than that goes in one piece, since the control lays out a line whole
// whenever it changes. The pane's event mask is off and its undo limit 0
// meanwhile; its undo history is empty afterwards. Call inside a BusyGuard.
void AppendPaneSlices(HWND pane, const char *text, size_t len, WPARAM format, const PaneSliceWriter &write,
                      const PaneSliceProgress &progress);
