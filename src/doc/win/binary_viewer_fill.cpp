// The binary viewer's pane holds only the rows that fit it: they are read
// from the file at each scroll (a window of reads, never the whole file)
// and made into the dump text under the header.
#include "doc/win/binary_viewer.h"
#include "doc/win/binary_viewer_state.h"

#include "app/frame/pane_text.h"
#include "common/test_hooks.h"
#include "doc/doc_messages.h"
#include "doc/hexdump_core.h"
#include "doc/win/document.h"

#include <richedit.h>
#include <cstdio>

ViewerState viewer;

// Lines of the header above the rows (its text and an empty line).
static const int kHeaderLines = 2;

bool OpenViewerFile(const char *szPath)
{
    if (!szPath || szPath[0] == '\0') {
        ShowDocMessage(viewer.hwnd, DOC_MSG_VIEWER_NO_FILE);
        return false;
    }
    // Shared for writing and deleting: the file may change while shown.
    HANDLE file = CreateFileA(szPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        ShowDocMessage(viewer.hwnd, DOC_MSG_VIEWER_BAD_HANDLE);
        return false;
    }
    LARGE_INTEGER size;
    bool known = GetFileSizeEx(file, &size) != 0;
    DocCheck check = CheckViewerSize(known, known ? (uint64_t)size.QuadPart : 0);
    if (check != DOC_OK) {
        CloseHandle(file);
        ShowDocMessage(viewer.hwnd, ViewerCheckMessage(check));
        return false;
    }
    viewer.file = file;
    viewer.nSize = (uint64_t)size.QuadPart;
    GetFileTime(file, NULL, NULL, &viewer.written);
    return true;
}

void CloseViewerFile()
{
    if (viewer.file != INVALID_HANDLE_VALUE)
        CloseHandle(viewer.file);
    viewer.file = INVALID_HANDLE_VALUE;
}

uint64_t ViewerRows()
{
    return viewer.file == INVALID_HANDLE_VALUE ? 0 : DumpRowCount(viewer.nSize);
}

uint64_t ViewerMaxTop()
{
    uint64_t top = MaxTopRow(ViewerRows(), viewer.nVisible);
    return viewer.nEndTop > top && viewer.nEndRows == ViewerRows() ? viewer.nEndTop : top;
}

/* LookAtFileSize: the file's size now (a file that shrank or grew is read
   as it is now); the selection is kept within it. */
static void LookAtFileSize()
{
    LARGE_INTEGER size;
    if (viewer.file == INVALID_HANDLE_VALUE || !GetFileSizeEx(viewer.file, &size))
        return;
    uint64_t now = (uint64_t)size.QuadPart;
    if (CheckViewerSize(true, now) != DOC_OK)
        now = VIEWER_SIZE_LIMIT;
    viewer.nSize = now;
    GetFileTime(viewer.file, NULL, NULL, &viewer.written);
    uint64_t rows = ViewerRows();
    if (rows == 0) {
        viewer.sel.bActive = false;
        viewer.sel.nAnchor = viewer.sel.nCaret = 0;
    } else {
        if (viewer.sel.nAnchor >= rows)
            viewer.sel.nAnchor = rows - 1;
        if (viewer.sel.nCaret >= rows)
            viewer.sel.nCaret = rows - 1;
    }
}

/* ReadAt: up to nBytes of the file from nOffset into buf; the bytes read
   (fewer at the end of a file that shrank meanwhile). */
static size_t ReadAt(uint64_t nOffset, unsigned char *buf, size_t nBytes)
{
    LARGE_INTEGER at;
    at.QuadPart = (LONGLONG)nOffset;
    if (!SetFilePointerEx(viewer.file, at, NULL, FILE_BEGIN))
        return 0;
    size_t got = 0;
    while (got < nBytes) {
        DWORD chunk = 0;
        if (!ReadFile(viewer.file, buf + got, (DWORD)(nBytes - got), &chunk, NULL)) {
            if (!viewer.bReadFailShown) {
                viewer.bReadFailShown = true;
                ShowDocMessage(viewer.hwnd, DOC_MSG_VIEWER_READ_FAILED);
            }
            break;
        }
        if (chunk == 0)
            break;
        got += chunk;
    }
    return got;
}

std::string ViewerRowsText(uint64_t nFirst, uint64_t nCount)
{
    if (viewer.file == INVALID_HANDLE_VALUE)
        return std::string();
    RowSpan span = RowsSpan(viewer.nSize, nFirst, nCount);
    std::vector<unsigned char> buf(span.nBytes + 1);
    size_t got = ReadAt(span.nReadFrom, buf.data(), span.nBytes);
    return DumpRowsText(buf.data(), got, span);
}

/* FindRowStarts: the character position of each row's offset in the pane
   (the control counts characters, and a carriage return in the character
   column starts a new line in it, so neither bytes nor lines tell). */
static void FindRowStarts(uint64_t nRows)
{
    viewer.rowStarts.clear();
    LONG from = 0;
    for (uint64_t i = 0; i < nRows; ++i) {
        char offset[16];
        std::snprintf(offset, sizeof offset, "%08x  ", (unsigned)((viewer.nTop + i) * DUMP_ROW_BYTES));
        FINDTEXTEXA find = {};
        find.chrg.cpMin = from;
        find.chrg.cpMax = -1;
        find.lpstrText = offset;
        LONG at = (LONG)SendMessageA(viewer.pane, EM_FINDTEXTEX, FR_DOWN | FR_MATCHCASE, (LPARAM)&find);
        if (at < 0)
            break;
        viewer.rowStarts.push_back(at);
        from = at + 58;  // past the offset and the hex part, which hold no line end
    }
}

/* PanePoint: the client point of a character of the pane. */
static POINTL PanePoint(LONG pos)
{
    POINTL pt = {0, 0};
    SendMessageA(viewer.pane, EM_POSFROMCHAR, (WPARAM)&pt, pos);
    return pt;
}

/* MeasureRows: the line height and the rows that fit the pane. */
static void MeasureRows()
{
    LONG line0 = (LONG)SendMessageA(viewer.pane, EM_LINEINDEX, 0, 0);
    LONG line1 = (LONG)SendMessageA(viewer.pane, EM_LINEINDEX, 1, 0);
    int h = line1 > line0 ? (int)(PanePoint(line1).y - PanePoint(line0).y) : 0;
    if (h > 0)
        viewer.nLineHeight = h;
    if (viewer.nLineHeight <= 0)
        viewer.nLineHeight = 16;
    RECT rc;
    GetClientRect(viewer.pane, &rc);
    int rows = rc.bottom / viewer.nLineHeight - kHeaderLines;
    viewer.nVisible = rows > 1 ? (uint64_t)rows : 1;
}

/* ShownRows: the rows on show whose first line lies wholly in the pane. */
static uint64_t ShownRows()
{
    RECT rc;
    GetClientRect(viewer.pane, &rc);
    uint64_t n = 0;
    for (LONG start : viewer.rowStarts) {
        if (PanePoint(start).y + viewer.nLineHeight > rc.bottom)
            break;
        ++n;
    }
    return n;
}

/* ApplyViewerFormat: the dump's font at the zoom size on the whole text
   and as the default. */
static void ApplyViewerFormat()
{
    CHARFORMATA cf = {};
    cf.cbSize = sizeof cf;
    cf.dwMask = 0xF800000F;  // the effects, size, colour, face, offset and character set
    cf.dwEffects = CFE_ITALIC;
    cf.yHeight = ViewerZoomSize();
    cf.crTextColor = RGB(0, 0, 0);
    cf.bCharSet = SHIFTJIS_CHARSET;
    lstrcpynA(cf.szFaceName, szViewerFontFace, LF_FACESIZE);
    SendMessageA(viewer.pane, EM_SETCHARFORMAT, 0, (LPARAM)&cf);
    SendMessageA(viewer.pane, EM_SETCHARFORMAT, SCF_ALL, (LPARAM)&cf);
}

/* KeepFirstLineOnTop: the pane's own scrolling undone (it scrolls a
   selection into view); the rows scroll through the viewer's bar only. */
static void KeepFirstLineOnTop()
{
    LRESULT first = SendMessageA(viewer.pane, EM_GETFIRSTVISIBLELINE, 0, 0);
    if (first > 0)
        SendMessageA(viewer.pane, EM_LINESCROLL, 0, -first);
}

void ShowViewerSelection()
{
    CHARRANGE cr = {0, 0};
    size_t n = viewer.rowStarts.size();
    if (viewer.sel.bActive && n > 0) {
        uint64_t first = SelectionFirst(viewer.sel), last = SelectionLast(viewer.sel);
        uint64_t shownLast = viewer.nTop + n - 1;
        if (last >= viewer.nTop && first <= shownLast) {
            cr.cpMin = viewer.rowStarts[first > viewer.nTop ? (size_t)(first - viewer.nTop) : 0];
            cr.cpMax = last < shownLast ? viewer.rowStarts[(size_t)(last - viewer.nTop + 1)] : -1;
        }
    }
    SendMessageA(viewer.pane, EM_EXSETSEL, 0, (LPARAM)&cr);
    KeepFirstLineOnTop();
}

/* UpdateRowBar: the scroll bar's range, page and position over the file. */
static void UpdateRowBar()
{
    if (!viewer.rowBar)
        return;
    uint64_t maxTop = ViewerMaxTop();
    ScrollScale scale = ScrollScaleFor(maxTop);
    uint64_t page = viewer.nVisible / scale.nRowsPerPos;
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    si.nMin = 0;
    si.nPage = page > 0 ? (UINT)page : 1;
    si.nMax = scale.nMaxPos + (int)si.nPage - 1;
    si.nPos = ScrollPosOfRow(scale, viewer.nTop);
    SetScrollInfo(viewer.rowBar, SB_CTL, &si, TRUE);
}

/* FillPane: the header and the rows from viewer.nTop as the pane's text. */
static void FillPane()
{
    uint64_t count = viewer.nVisible + VIEWER_ROW_MARGIN;
    std::string text;  // a refused file leaves the pane empty
    if (viewer.file != INVALID_HANDLE_VALUE)
        text = std::string(szHexDumpHeader, HexDumpHeaderLength()) + ViewerRowsText(viewer.nTop, count);
    SendMessageA(viewer.pane, WM_SETREDRAW, FALSE, 0);
    viewer.pane = SetPaneText(viewer.pane, text);
    SendMessageA(viewer.pane, EM_SETMODIFY, FALSE, 0);
    ApplyViewerFormat();
    uint64_t rows = ViewerRows();
    FindRowStarts(viewer.nTop < rows ? (rows - viewer.nTop < count ? rows - viewer.nTop : count) : 0);
    SendMessageA(viewer.pane, WM_SETREDRAW, TRUE, 0);
}

void RefillViewer()
{
    if (!viewer.pane)
        return;
    LookAtFileSize();
    uint64_t before = viewer.nVisible;
    if (viewer.nTop > ViewerMaxTop())
        viewer.nTop = ViewerMaxTop();
    FillPane();
    MeasureRows();
    if (viewer.nVisible != before) {  // the first fill, a zoom or a resize
        viewer.nEndTop = 0;
        if (viewer.nTop > ViewerMaxTop())
            viewer.nTop = ViewerMaxTop();
        FillPane();
    }
    // Rows with a carriage return in their character column take two lines:
    // at the end of the file the top moves on until the last row is seen,
    // and that top is the last one from then on.
    for (int i = 0; i < 4 && viewer.nTop == ViewerMaxTop() && viewer.nTop < ViewerRows(); ++i) {
        uint64_t shown = ShownRows();
        if (shown == 0 || viewer.nTop + shown >= ViewerRows())
            break;
        viewer.nTop = viewer.nEndTop = ViewerRows() - shown;
        viewer.nEndRows = ViewerRows();
        FillPane();
    }
    ShowViewerSelection();
    UpdateRowBar();
    SetPropA(viewer.hwnd, VIEWER_TOP_ROW_PROP, (HANDLE)(UINT_PTR)(DWORD)viewer.nTop);
    InvalidateRect(viewer.pane, NULL, TRUE);
}

void ScrollViewerTo(uint64_t nTop)
{
    uint64_t maxTop = ViewerMaxTop();
    viewer.nTop = nTop < maxTop ? nTop : maxTop;
    RefillViewer();
}

void WatchViewerFile()
{
    if (viewer.file == INVALID_HANDLE_VALUE)
        return;
    LARGE_INTEGER size;
    FILETIME written;
    if (!GetFileSizeEx(viewer.file, &size) || !GetFileTime(viewer.file, NULL, NULL, &written))
        return;
    if ((uint64_t)size.QuadPart != viewer.nSize || CompareFileTime(&written, &viewer.written) != 0)
        RefillViewer();
}
