#include "doc/hexdump_core.h"
#include "doc/viewer_rows_core.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The rows a part of the file gives: what the whole dump holds from that
// row's line on, for rows around the start, 0x10, 0xFFFF0 and the last
// partial row, with a CR LF pair split over two rows.
TEST(ViewerRows, RowsOfAPartEqualTheWholeDumpAtThatPlace)
{
    const size_t size = 0x100000 + 7;
    std::vector<unsigned char> data(size);
    for (size_t i = 0; i < size; ++i)
        data[i] = static_cast<unsigned char>(i * 13 + (i >> 8));
    data[0xF] = '\r';
    data[0x10] = '\n';  // a D at the start of row 1
    data[0xFFFEF] = '\r';
    data[0xFFFF0] = '\n';
    std::string whole = HexDumpText(data.data(), size).substr(HexDumpHeaderLength());
    const uint64_t rows = DumpRowCount(size);
    ASSERT_EQ(rows, 0x10001u);
    for (uint64_t first : {uint64_t(0), uint64_t(1), uint64_t(2), uint64_t(0xFFFE), uint64_t(0xFFFF), rows - 1}) {
        for (uint64_t count : {1, 3, 40}) {
            RowSpan span = RowsSpan(size, first, count);
            std::string text = DumpRowsText(data.data() + span.nReadFrom, span.nBytes, span);
            std::string expect = whole.substr(first * HEXDUMP_LINE_BYTES, text.size());
            EXPECT_EQ(text, expect) << first << "+" << count;
            uint64_t shown = first + count < rows ? count : rows - first;
            EXPECT_EQ(text.size(), HexDumpSize(span.nBytes - span.bHasPrev)) << first;
            EXPECT_EQ(span.nFirstOffset, first * 16);
            EXPECT_EQ(span.nReadFrom + span.nBytes, std::min<uint64_t>(size, (first + shown) * 16));
        }
    }
    EXPECT_EQ(whole.compare(HEXDUMP_LINE_BYTES, 12, "00000010  0a"), 0);
    EXPECT_EQ(whole[HEXDUMP_LINE_BYTES + 59], 'D');
}

// A file that shrank under the viewer: only the rows of the bytes that
// came, never a row of bytes that were not read; past the end nothing.
TEST(ViewerRows, ShortReadsAndRowsPastTheEnd)
{
    std::vector<unsigned char> data(100, 'a');
    RowSpan span = RowsSpan(100, 2, 10);
    EXPECT_EQ(span.nReadFrom, 31u);
    EXPECT_EQ(span.nBytes, 69u);
    std::string text = DumpRowsText(data.data(), 6, span);  // 1 byte before + 5
    EXPECT_EQ(text, "00000020  61 61 61 61 61 " + std::string(33, ' ') + " aaaaa");
    EXPECT_EQ(DumpRowsText(data.data(), 1, span), "");
    RowSpan past = RowsSpan(100, 50, 10);
    EXPECT_EQ(past.nBytes, 0u);
    EXPECT_EQ(DumpRowsText(data.data(), 0, past), "");
    EXPECT_EQ(RowsSpan(0, 0, 10).nBytes, 0u);
    EXPECT_EQ(RowOfOffset(100, 0x63), 6u);
    EXPECT_EQ(RowOfOffset(100, 0x1000), 6u);
    EXPECT_EQ(RowOfOffset(0, 5), 0u);
}

// Offsets of a file of 4 GiB - 1: eight hex digits to the last row.
TEST(ViewerRows, LargestFileKeepsEightDigitOffsets)
{
    const uint64_t size = 0xFFFFFFFFull;
    EXPECT_EQ(CheckViewerSize(true, size), DOC_OK);
    EXPECT_EQ(CheckViewerSize(true, size + 1), DOC_TOO_BIG);
    EXPECT_EQ(CheckViewerSize(false, 0), DOC_SIZE_UNKNOWN);
    uint64_t last = DumpRowCount(size) - 1;
    RowSpan span = RowsSpan(size, last - 1, 5);
    EXPECT_EQ(span.nBytes, 32u);
    std::vector<unsigned char> zeros(32, 0);
    std::string text = DumpRowsText(zeros.data(), zeros.size(), span);
    EXPECT_EQ(text.substr(0, 10), "ffffffe0  ");
    EXPECT_EQ(text.substr(HEXDUMP_LINE_BYTES, 10), "fffffff0  ");
    EXPECT_EQ(text.substr(text.size() - 16), std::string(" ") + std::string(15, '0'));
}

// Keys and the scroll bar move the caret and the top within the file.
TEST(ViewerRows, MovesStayWithinTheFile)
{
    EXPECT_EQ(MovedRow(0, VIEW_LINE_UP, 10, 99), 0u);
    EXPECT_EQ(MovedRow(5, VIEW_PAGE_UP, 10, 99), 0u);
    EXPECT_EQ(MovedRow(95, VIEW_PAGE_DOWN, 10, 99), 99u);
    EXPECT_EQ(MovedRow(40, VIEW_END, 10, 99), 99u);
    EXPECT_EQ(MovedRow(40, VIEW_HOME, 10, 99), 0u);
    EXPECT_EQ(MaxTopRow(100, 30), 70u);
    EXPECT_EQ(MaxTopRow(10, 30), 0u);
    EXPECT_EQ(TopRowShowing(0, 50, 20, 80), 31u);
    EXPECT_EQ(TopRowShowing(40, 10, 20, 80), 10u);
    EXPECT_EQ(TopRowShowing(40, 45, 20, 80), 40u);
    EXPECT_EQ(TopRowShowing(0, 99, 20, 80), 80u);
}

// Scroll positions are ints: one row a position while the top rows fit,
// several beyond, with the first and last top rows always reachable.
TEST(ViewerRows, ScrollBarScalesBeyondItsIntRange)
{
    ScrollScale small = ScrollScaleFor(DumpRowCount(0xFFFFFFFFull) - 30);
    EXPECT_EQ(small.nRowsPerPos, 1u);
    EXPECT_EQ(RowOfScrollPos(small, ScrollPosOfRow(small, 123456), 0xFFFFFFF), 123456u);

    const uint64_t maxTop = 5000000000ull;  // more top rows than an int holds
    ScrollScale big = ScrollScaleFor(maxTop);
    EXPECT_EQ(big.nRowsPerPos, 3u);
    EXPECT_LE(big.nMaxPos, SCROLL_POS_LIMIT);
    EXPECT_EQ(RowOfScrollPos(big, 0, maxTop), 0u);
    EXPECT_EQ(RowOfScrollPos(big, big.nMaxPos, maxTop), maxTop);
    EXPECT_EQ(ScrollPosOfRow(big, maxTop), big.nMaxPos);
    int mid = ScrollPosOfRow(big, 2500000000ull);
    uint64_t back = RowOfScrollPos(big, mid, maxTop);
    EXPECT_LT(back - 2500000000ull + 3, 6u);
    EXPECT_EQ(ScrollScaleFor(0).nMaxPos, 0);
}

TEST(ViewerRows, SelectionAndGoToOffset)
{
    RowSelection sel = {true, 9, 4};
    EXPECT_EQ(SelectionFirst(sel), 4u);
    EXPECT_EQ(SelectionLast(sel), 9u);
    EXPECT_EQ(SelectionRows(sel), 6u);
    sel.bActive = false;
    EXPECT_EQ(SelectionRows(sel), 0u);

    uint64_t at = 0;
    EXPECT_TRUE(ParseViewerOffset(" 0xFFFF0 ", &at));
    EXPECT_EQ(at, 0xFFFF0u);
    EXPECT_TRUE(ParseViewerOffset("1a2bh", &at));
    EXPECT_EQ(at, 0x1A2Bu);
    EXPECT_TRUE(ParseViewerOffset("ffffffffffffffff", &at));
    for (const char *bad : {"", "0x", "12g", "1 2", "-5", "11111111111111111", "h"})
        EXPECT_FALSE(ParseViewerOffset(bad, &at)) << bad;
}
