// The binary viewer's arithmetic of rows: which rows of the dump are on
// show, what part of the file they need, the viewer's own 32-bit scroll
// bar over any file, the selection of whole rows and what a copy gives.
// The Win32 layer reads only the bytes of the rows it shows.
#pragma once
#include "doc/document_core.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Largest file the viewer shows: offsets have eight hex digits.
const uint64_t VIEWER_SIZE_LIMIT = 0xFFFFFFFFull;

enum {
    DUMP_ROW_BYTES = 16,
    VIEWER_ROW_MARGIN = 2,        // rows made beyond those that fit the pane
    DUMP_COPY_ROW_LIMIT = 65536,  // rows a copy takes at most (1 MiB of the file)
};

// DOC_OK for a file the viewer shows, DOC_TOO_BIG above VIEWER_SIZE_LIMIT,
// DOC_SIZE_UNKNOWN when the system could not say.
DocCheck CheckViewerSize(bool bSizeKnown, uint64_t nSize);

// Rows of the dump of a file of nFileSize bytes (the last may be partial).
uint64_t DumpRowCount(uint64_t nFileSize);

// The row that holds the byte at nOffset (the last row for an offset at or
// past the end; 0 for an empty file).
uint64_t RowOfOffset(uint64_t nFileSize, uint64_t nOffset);

// The bytes to read for the rows [nFirst, nFirst + nCount) of a file of
// nFileSize bytes: nBytes from nReadFrom, which is one byte before the
// first row when it has one (bHasPrev), so that a line feed opening the
// row shows as after a carriage return. Rows past the end are left out.
struct RowSpan {
    uint64_t nReadFrom;
    size_t nBytes;     // bytes to read, the byte before included
    bool bHasPrev;
    uint64_t nFirstOffset;
};
RowSpan RowsSpan(uint64_t nFileSize, uint64_t nFirst, uint64_t nCount);

// The dump text of the rows of a span from the bytes read for it; nGot may
// fall short of span.nBytes (the file shrank): only the rows of what came.
std::string DumpRowsText(const unsigned char *read, size_t nGot, const RowSpan &span);

// The top row that shows the last rows: nRows - nVisible, at least 0.
uint64_t MaxTopRow(uint64_t nRows, uint64_t nVisible);

// Moves of the viewer's caret row and of its top row.
enum ViewerMove {
    VIEW_LINE_UP,
    VIEW_LINE_DOWN,
    VIEW_PAGE_UP,
    VIEW_PAGE_DOWN,
    VIEW_HOME,
    VIEW_END,
};

// nRow after a move with pages of nPage rows, within [0, nLast].
uint64_t MovedRow(uint64_t nRow, ViewerMove move, uint64_t nPage, uint64_t nLast);

// The top row nearest to nTop that keeps nRow among the nVisible rows on
// show, within [0, nMaxTop].
uint64_t TopRowShowing(uint64_t nTop, uint64_t nRow, uint64_t nVisible, uint64_t nMaxTop);

// The viewer's scroll bar: positions are 32-bit ints, so a file with more
// top rows than they hold gives each position nRowsPerPos rows.
struct ScrollScale {
    uint64_t nRowsPerPos;
    int nMaxPos;          // the position of the last top row
};
const int SCROLL_POS_LIMIT = 0x7FFF0000;
ScrollScale ScrollScaleFor(uint64_t nMaxTop);
int ScrollPosOfRow(const ScrollScale &scale, uint64_t nRow);
uint64_t RowOfScrollPos(const ScrollScale &scale, int nPos, uint64_t nMaxTop);

// A selection of whole rows, from the anchor to the caret either way.
struct RowSelection {
    bool bActive;
    uint64_t nAnchor;
    uint64_t nCaret;
};
uint64_t SelectionFirst(const RowSelection &sel);
uint64_t SelectionLast(const RowSelection &sel);
uint64_t SelectionRows(const RowSelection &sel);  // 0 when none

// The offset typed into the go-to box: hexadecimal, with an optional "0x"
// before or "h" after it, blanks around. False for anything else.
bool ParseViewerOffset(const char *szText, uint64_t *pnOffset);
