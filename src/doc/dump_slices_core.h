// The binary viewer hands a large dump to its pane in slices, so that the
// window goes on answering while the pane takes the text: each slice is a
// run of whole dump lines, sized from the time the last one took.
#pragma once
#include <cstddef>

enum {
    DUMP_SLICE_FIRST = 4 * 1024,    // the first slice: the top of the dump at once
    DUMP_SLICE_MIN = 1024,
    DUMP_SLICE_MAX = 256 * 1024,
    DUMP_SLICE_TARGET_MS = 100,     // what one slice should take
    DUMP_BATCH_MS = 200,            // slices in a row before the window's messages
};

// End of the slice of a dump of nDumpLen bytes (header included) that
// starts at nFrom, a line boundary: after the last whole line within nWant
// bytes, at least one line, and never past the end.
size_t DumpSliceEnd(size_t nDumpLen, size_t nFrom, size_t nWant);

// Size of the next slice after one of nLastBytes that took nLastMs: scaled
// towards DUMP_SLICE_TARGET_MS, growing at most twofold, within
// DUMP_SLICE_MIN and DUMP_SLICE_MAX.
size_t NextDumpSliceBytes(size_t nLastBytes, unsigned nLastMs);
