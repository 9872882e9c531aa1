// Chunking of a pane's text for the rich-edit stream-in: a chunk never ends
// between the lead byte and the trail byte of a double-byte character,
// which the control would otherwise garble at every chunk boundary.
#pragma once
#include <cstddef>

// Bytes of text[0, left) to hand over in one chunk of at most room bytes.
// Starts at a character boundary and ends at one; a chunk of one byte room
// that meets a double-byte character still takes that one byte, so the
// stream always moves on.
size_t NextStreamChunk(const char *text, size_t left, size_t room);
