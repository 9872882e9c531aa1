// Putting and taking a pane's whole text. Every place that loads a text
// into a rich-edit pane or copies one out goes through here: loading is a
// stream-in whose chunks never split a double-byte character, copies are
// sized in bytes (the control counts characters), and a large text is
// dropped by rebuilding the control, which under Wine is far quicker than
// letting the control delete it.
#pragma once
#include <windows.h>

#include <string>

// Texts above this many bytes are dropped by rebuilding the pane.
enum { PANE_REBUILD_THRESHOLD = 64 * 1024 };

// Makes text[0, len) the pane's whole text and returns the pane that now
// holds it: a rebuilt pane replaces the old one everywhere (hEdit,
// hSubEdit1, hCurEdit, its place in the split window), so callers must use
// the returned handle or the globals afterwards. The modified flag is the
// caller's business; the selection ends at the start.
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

// The pane's whole text as CP932 bytes, exactly as the control holds them.
std::string GetPaneText(HWND pane);

// Upper bound of the pane's text in bytes (never less than the real size).
size_t PaneTextBytesBound(HWND pane);

// A fresh, empty control in place of the pane, with everything the editor
// relies on kept: id, styles, limit, event mask, default format, font,
// background colour, window procedure (the main pane's subclass), place
// in the split window and the globals that name it. Returns the new pane.
HWND RebuildPane(HWND pane);
