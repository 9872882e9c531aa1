#include "doc/dump_slices_core.h"
#include "doc/hexdump_core.h"

#include <gtest/gtest.h>

#include <string>

// Every slice ends on a line boundary of the dump, moves on by at least one
// line, and the slices together give the whole dump, for sizes around the
// header and the last partial line.
TEST(DumpSlices, SlicesEndOnLineBoundariesAndCoverTheDump)
{
    const size_t header = HexDumpHeaderLength(), line = HEXDUMP_LINE_BYTES;
    for (size_t nBytes : {0u, 1u, 15u, 16u, 17u, 200u, 4096u, 100001u}) {
        std::string data(nBytes, '\x41');
        std::string dump = HexDumpText(reinterpret_cast<const unsigned char *>(data.data()), data.size());
        for (size_t want : {0u, 1u, 77u, 100u, 5000u}) {
            size_t from = 0, slices = 0;
            while (from < dump.size()) {
                size_t end = DumpSliceEnd(dump.size(), from, want);
                ASSERT_GT(end, from);
                ASSERT_LE(end, dump.size());
                if (end < dump.size()) {
                    ASSERT_GE(end, header + line);
                    ASSERT_EQ((end - header) % line, 0u) << nBytes << " " << want << " " << end;
                    ASSERT_EQ(dump.substr(end - 2, 2), "\r\n");
                }
                from = end;
                ++slices;
            }
            EXPECT_LE(slices, dump.size() / line + 1);
        }
    }
}

TEST(DumpSlices, NextSliceFollowsTheTimeTakenWithinItsBounds)
{
    EXPECT_EQ(NextDumpSliceBytes(16384, DUMP_SLICE_TARGET_MS), 16384u);
    EXPECT_EQ(NextDumpSliceBytes(16384, DUMP_SLICE_TARGET_MS * 2), 8192u);
    EXPECT_EQ(NextDumpSliceBytes(16384, DUMP_SLICE_TARGET_MS * 4), 4096u);
    EXPECT_EQ(NextDumpSliceBytes(16384, 1), 32768u);   // at most twofold
    EXPECT_EQ(NextDumpSliceBytes(16384, 0), 32768u);
    EXPECT_EQ(NextDumpSliceBytes(4096, 100000), static_cast<size_t>(DUMP_SLICE_MIN));
    EXPECT_EQ(NextDumpSliceBytes(DUMP_SLICE_MAX, 1), static_cast<size_t>(DUMP_SLICE_MAX));
}
