#include "doc/dump_slices_core.h"

#include "doc/hexdump_core.h"

size_t DumpSliceEnd(size_t nDumpLen, size_t nFrom, size_t nWant)
{
    const size_t header = HexDumpHeaderLength(), line = HEXDUMP_LINE_BYTES;
    size_t want = nFrom + (nWant > line ? nWant : line);
    if (want >= nDumpLen)
        return nDumpLen;
    if (want < header + line)
        return header + line < nDumpLen ? header + line : nDumpLen;
    return header + (want - header) / line * line;
}

size_t NextDumpSliceBytes(size_t nLastBytes, unsigned nLastMs)
{
    size_t next = nLastMs == 0 ? nLastBytes * 2 : nLastBytes * DUMP_SLICE_TARGET_MS / nLastMs;
    if (next > nLastBytes * 2)
        next = nLastBytes * 2;
    if (next < DUMP_SLICE_MIN)
        next = DUMP_SLICE_MIN;
    if (next > DUMP_SLICE_MAX)
        next = DUMP_SLICE_MAX;
    return next;
}
