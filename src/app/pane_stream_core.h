// Chunking of a pane's text for the rich-edit stream-in. A chunk never ends
// between the lead byte and the trail byte of a double-byte character, nor
// between the CR and the LF of a line end: the control garbles the one and
// makes two paragraphs of the other at every chunk boundary. Long texts go
// into a pane in slices of whole lines (each slice one stream-in), so that
// no slice makes the control lay out a line that an earlier slice began.
#pragma once
#include <cstddef>

// Bytes of text[0, left) to hand over in one chunk of at most room bytes.
// Starts at a character boundary and ends at one; a chunk of one byte room
// that meets a double-byte character or a CR LF still takes that one byte,
// so the stream always moves on.
size_t NextStreamChunk(const char *text, size_t left, size_t room);

// Length of the next slice of text[0, len): whole lines up to about target
// bytes, each with its line end (CR LF, or a CR or LF standing alone); the
// first line whole however long it is. The rest of the text when it holds
// no line end within reach.
size_t NextLineSlice(const char *text, size_t len, size_t target);
