#include "doc/viewer_rows_core.h"

#include "doc/hexdump_core.h"

#include <cctype>

DocCheck CheckViewerSize(bool bSizeKnown, uint64_t nSize)
{
    if (!bSizeKnown)
        return DOC_SIZE_UNKNOWN;
    return nSize > VIEWER_SIZE_LIMIT ? DOC_TOO_BIG : DOC_OK;
}

uint64_t DumpRowCount(uint64_t nFileSize)
{
    return (nFileSize + DUMP_ROW_BYTES - 1) / DUMP_ROW_BYTES;
}

uint64_t RowOfOffset(uint64_t nFileSize, uint64_t nOffset)
{
    uint64_t rows = DumpRowCount(nFileSize);
    uint64_t row = nOffset / DUMP_ROW_BYTES;
    return rows == 0 ? 0 : row < rows ? row : rows - 1;
}

RowSpan RowsSpan(uint64_t nFileSize, uint64_t nFirst, uint64_t nCount)
{
    RowSpan span = {0, 0, false, 0};
    uint64_t rows = DumpRowCount(nFileSize);
    if (nFirst >= rows)
        nFirst = rows;
    if (nCount > rows - nFirst)
        nCount = rows - nFirst;
    span.nFirstOffset = nFirst * DUMP_ROW_BYTES;
    uint64_t end = (nFirst + nCount) * DUMP_ROW_BYTES;
    if (end > nFileSize)
        end = nFileSize;
    span.bHasPrev = span.nFirstOffset > 0 && nCount > 0;
    span.nReadFrom = span.nFirstOffset - (span.bHasPrev ? 1 : 0);
    span.nBytes = end > span.nReadFrom ? (size_t)(end - span.nReadFrom) : 0;
    return span;
}

std::string DumpRowsText(const unsigned char *read, size_t nGot, const RowSpan &span)
{
    size_t skip = span.bHasPrev ? 1 : 0;
    if (nGot > span.nBytes)
        nGot = span.nBytes;
    if (nGot <= skip)
        return std::string();
    size_t nBytes = nGot - skip;
    std::string text(HexDumpSize(nBytes) + 1, '\0');
    size_t len = BuildHexDumpRows(read + skip, nBytes, span.nFirstOffset, skip ? read[0] : -1, &text[0],
                                  text.size());
    text.resize(len);
    return text;
}

uint64_t MaxTopRow(uint64_t nRows, uint64_t nVisible)
{
    return nRows > nVisible ? nRows - nVisible : 0;
}

uint64_t MovedRow(uint64_t nRow, ViewerMove move, uint64_t nPage, uint64_t nLast)
{
    if (nPage == 0)
        nPage = 1;
    switch (move) {
    case VIEW_LINE_UP: nRow = nRow > 0 ? nRow - 1 : 0; break;
    case VIEW_LINE_DOWN: ++nRow; break;
    case VIEW_PAGE_UP: nRow = nRow > nPage ? nRow - nPage : 0; break;
    case VIEW_PAGE_DOWN: nRow += nPage; break;
    case VIEW_HOME: nRow = 0; break;
    case VIEW_END: nRow = nLast; break;
    }
    return nRow < nLast ? nRow : nLast;
}

uint64_t TopRowShowing(uint64_t nTop, uint64_t nRow, uint64_t nVisible, uint64_t nMaxTop)
{
    if (nVisible == 0)
        nVisible = 1;
    if (nRow < nTop)
        nTop = nRow;
    else if (nRow >= nTop + nVisible)
        nTop = nRow - nVisible + 1;
    return nTop < nMaxTop ? nTop : nMaxTop;
}

ScrollScale ScrollScaleFor(uint64_t nMaxTop)
{
    ScrollScale scale = {1, 0};
    if (nMaxTop > (uint64_t)SCROLL_POS_LIMIT)
        scale.nRowsPerPos = (nMaxTop + SCROLL_POS_LIMIT - 1) / SCROLL_POS_LIMIT;
    scale.nMaxPos = (int)((nMaxTop + scale.nRowsPerPos - 1) / scale.nRowsPerPos);
    return scale;
}

int ScrollPosOfRow(const ScrollScale &scale, uint64_t nRow)
{
    uint64_t pos = (nRow + scale.nRowsPerPos - 1) / scale.nRowsPerPos;
    return pos < (uint64_t)scale.nMaxPos ? (int)pos : scale.nMaxPos;
}

uint64_t RowOfScrollPos(const ScrollScale &scale, int nPos, uint64_t nMaxTop)
{
    if (nPos <= 0)
        return 0;
    if (nPos >= scale.nMaxPos)
        return nMaxTop;
    uint64_t row = (uint64_t)nPos * scale.nRowsPerPos;
    return row < nMaxTop ? row : nMaxTop;
}

uint64_t SelectionFirst(const RowSelection &sel)
{
    return sel.nAnchor < sel.nCaret ? sel.nAnchor : sel.nCaret;
}

uint64_t SelectionLast(const RowSelection &sel)
{
    return sel.nAnchor < sel.nCaret ? sel.nCaret : sel.nAnchor;
}

uint64_t SelectionRows(const RowSelection &sel)
{
    return sel.bActive ? SelectionLast(sel) - SelectionFirst(sel) + 1 : 0;
}

bool ParseViewerOffset(const char *szText, uint64_t *pnOffset)
{
    const char *p = szText;
    while (*p == ' ' || *p == '\t')
        ++p;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X'))
        p += 2;
    uint64_t value = 0;
    int digits = 0;
    for (; std::isxdigit((unsigned char)*p); ++p, ++digits) {
        if (digits == 16)
            return false;
        int d = std::isdigit((unsigned char)*p) ? *p - '0' : (std::tolower((unsigned char)*p) - 'a' + 10);
        value = value * 16 + d;
    }
    if (digits == 0)
        return false;
    if (*p == 'h' || *p == 'H')
        ++p;
    while (*p == ' ' || *p == '\t')
        ++p;
    if (*p != '\0')
        return false;
    *pnOffset = value;
    return true;
}
