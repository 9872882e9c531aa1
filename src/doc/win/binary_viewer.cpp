#include "doc/win/binary_viewer.h"

#include "app/frame/globals.h"
#include "app/frame/pane_text.h"
#include "doc/doc_messages.h"
#include "doc/hexdump_core.h"
#include "doc/viewer_zoom_core.h"
#include "doc/win/document.h"
#include "doc/win/dump_loader.h"
#include "doc/win/viewer_thread.h"

#include <richedit.h>
#include <cstring>
#include <new>
#include <string>

static const char szViewerClass[] = "NEW1";

// Character-format mask of every format applied to a pane: the effects,
// size, colour, face, offset and character set.
static const DWORD kFontMask = 0xF800000F;

// The viewer's dump pane starts with room for 4 MiB characters; a larger
// dump raises the limit (StartDumpLoad) so that the end of the file is
// never cut off.
static const LONG kDumpPaneLimit = 0x400000;

// The dump's character height in twips, kept for the whole run.
static int nZoomSize = ZOOM_START;

// What the viewer's thread is handed at the opening: the file (a copy of
// szFullPath, which the main window may change meanwhile) and the place.
static char szDumpedPath[sizeof doc.szFullPath];
static POINT ptViewer;

// How long an opening waits for the thread of a viewer just closed.
static const DWORD kViewerEndWaitMs = 3000;

/* ApplyZoomSize: the zoom size as the character height of the whole dump. */
static void ApplyZoomSize(HWND pane)
{
    CHARFORMATA cf = {};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_SIZE;
    cf.yHeight = nZoomSize;
    SendMessageA(pane, EM_SETCHARFORMAT, SCF_ALL, (LPARAM)&cf);
}

/* ApplyDumpFormat: italic "ＭＳ 明朝" in Shift-JIS at the zoom size, as the
   default and for the whole text. */
static void ApplyDumpFormat(HWND pane)
{
    CHARFORMATA cf = {};
    cf.cbSize = sizeof cf;
    cf.dwMask = kFontMask;
    cf.dwEffects = CFE_ITALIC;
    cf.yHeight = nZoomSize;
    cf.crTextColor = RGB(0, 0, 0);
    cf.bCharSet = SHIFTJIS_CHARSET;
    lstrcpynA(cf.szFaceName, szViewerFontFace, LF_FACESIZE);
    SendMessageA(pane, EM_SETCHARFORMAT, 0, (LPARAM)&cf);
    SendMessageA(pane, EM_SETCHARFORMAT, SCF_ALL, (LPARAM)&cf);
}

/* ReadWholeFile: up to nSize bytes of the open file into data; a failed
   read is reported and what came so far is kept. Returns the bytes read. */
static size_t ReadWholeFile(HWND viewer, HANDLE file, unsigned char *data, size_t nSize)
{
    size_t nRead = 0;
    while (nRead < nSize) {
        DWORD got = 0;
        if (!ReadFile(file, data + nRead, (DWORD)(nSize - nRead), &got, NULL)) {
            ShowDocMessage(viewer, DOC_MSG_VIEWER_READ_FAILED);
            break;
        }
        if (got == 0)
            break;  // the file became shorter while we read it
        nRead += got;
    }
    data[nRead] = '\0';
    return nRead;
}

/* OpenDumpedFile: opens szPath for reading and checks its size. */
static DocCheck OpenDumpedFile(const char *szPath, HANDLE *pFile, size_t *pnSize)
{
    HANDLE file = CreateFileA(szPath, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return DOC_LOCKED_FILE;
    LARGE_INTEGER size;
    DocCheck check = GetFileSizeEx(file, &size) ? CheckReadSize(true, (uint64_t)size.QuadPart)
                                                : DOC_SIZE_UNKNOWN;
    if (check != DOC_OK) {
        CloseHandle(file);
        return check;
    }
    *pFile = file;
    *pnSize = (size_t)size.QuadPart;
    return DOC_OK;
}

/* ReserveDump: room for the dump; false when memory runs out. */
static bool ReserveDump(std::string &dump, size_t nBytes)
{
    try {
        dump.assign(nBytes, '\0');
        return true;
    } catch (const std::bad_alloc &) {
        return false;
    }
}

/* FreeBlock: zeroes and unlocks a global block locked at p (when it was)
   and frees it. */
static void FreeBlock(HGLOBAL block, void *p, size_t nBytes)
{
    if (!block)
        return;
    if (p) {
        ZeroMemory(p, nBytes);
        GlobalUnlock(block);
    }
    GlobalFree(block);
}

HWND ReadAsBinary(HWND pane, const char *szPath)
{
    HWND viewer = GetParent(pane);
    if (!szPath || szPath[0] == '\0') {
        ShowDocMessage(viewer, DOC_MSG_VIEWER_NO_FILE);
        return pane;
    }
    HANDLE file = INVALID_HANDLE_VALUE;
    size_t nSize = 0;
    DocCheck check = OpenDumpedFile(szPath, &file, &nSize);
    if (check != DOC_OK) {
        ShowDocMessage(viewer, ViewerCheckMessage(check));
        return pane;
    }

    // The exact size of header, dump and terminator; well within the
    // 6 bytes per file byte and 256 more that a dump may ever need.
    const size_t nHeader = HexDumpHeaderLength();
    const size_t nDataBytes = nSize + 1;
    const size_t nDumpBytes = nHeader + HexDumpSize(nSize) + 1;
    SORA_ASSERT(nDumpBytes <= nSize * 6 + 256);
    HGLOBAL hData = GlobalAlloc(GHND, nDataBytes);
    unsigned char *data = hData ? (unsigned char *)GlobalLock(hData) : NULL;
    std::string dump;
    if (!data || !ReserveDump(dump, nDumpBytes)) {
        CloseHandle(file);
        FreeBlock(hData, data, nDataBytes);
        ShowDocMessage(viewer, DOC_MSG_VIEWER_NO_MEMORY);
        return pane;
    }

    size_t nRead = ReadWholeFile(viewer, file, data, nSize);
    CloseHandle(file);
    std::memcpy(&dump[0], szHexDumpHeader, nHeader);
    dump.resize(nHeader + BuildHexDump(data, nRead, &dump[nHeader], nDumpBytes - nHeader));
    FreeBlock(hData, data, nDataBytes);
    return StartDumpLoad(pane, std::move(dump));
}

/* OnViewerCreate: the dump pane with the file's dump and the zoom bar. */
static BOOL OnViewerCreate(HWND hwnd)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    HWND pane = CreateWindowExA(WS_EX_CLIENTEDGE, "RichEdit", "",
                                WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | ES_READONLY |
                                    ES_NOHIDESEL | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_MULTILINE,
                                0, 0, rc.right, rc.bottom - 10 > 0 ? rc.bottom - 10 : 0, hwnd,
                                (HMENU)(INT_PTR)IDC_DUMPPANE, frame.hInst, NULL);
    if (!pane)
        return FALSE;
    ViewerWindowMade(hwnd);
    SendMessageA(pane, EM_EXLIMITTEXT, 0, kDumpPaneLimit);
    LRESULT mask = SendMessageA(pane, EM_GETEVENTMASK, 0, 0);
    SendMessageA(pane, EM_SETEVENTMASK, 0, mask | ENM_MOUSEEVENTS | ENM_DROPFILES);
    // The pane is read-only: no undo records for the slices of the dump
    // (controls without this message ignore it).
    SendMessageA(pane, EM_SETUNDOLIMIT, 0, 0);
    ApplyDumpFormat(pane);
    ReadAsBinary(pane, szDumpedPath);

    HWND bar = CreateWindowExA(0, "SCROLLBAR", NULL, WS_CHILD | WS_VISIBLE | SBS_HORZ, 0, rc.bottom - 10,
                               rc.right, 9, hwnd, (HMENU)(INT_PTR)IDC_ZOOMBAR, frame.hInst, NULL);
    if (bar) {
        SCROLLINFO si = {};
        si.cbSize = sizeof si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMin = ZOOM_MIN;
        si.nMax = ZOOM_MAX;
        si.nPage = ZOOM_PAGE;
        si.nPos = nZoomSize;
        SetScrollInfo(bar, SB_CTL, &si, TRUE);
    }
    return TRUE;
}

/* OnViewerSize: the pane over the client area, the zoom bar below it. */
static void OnViewerSize(HWND hwnd, int w, int h)
{
    HWND pane = GetDlgItem(hwnd, IDC_DUMPPANE), bar = GetDlgItem(hwnd, IDC_ZOOMBAR);
    if (pane)
        MoveWindow(pane, 0, 0, w, h - 10 > 0 ? h - 10 : 0, FALSE);
    if (bar) {
        RECT rc;
        GetClientRect(hwnd, &rc);
        MoveWindow(bar, 0, rc.bottom - 10, w, 9, TRUE);
    }
}

/* ZoomRequestOf: the zoom request of a scroll code of the bar. */
static ZoomRequest ZoomRequestOf(WORD code)
{
    switch (code) {
    case SB_LINELEFT:      return ZOOM_LINE_LEFT;
    case SB_LINERIGHT:     return ZOOM_LINE_RIGHT;
    case SB_PAGELEFT:      return ZOOM_PAGE_LEFT;
    case SB_PAGERIGHT:     return ZOOM_PAGE_RIGHT;
    case SB_THUMBPOSITION: return ZOOM_THUMB_RELEASED;
    default:               return ZOOM_OTHER;
    }
}

/* OnViewerZoom: a request of the zoom bar changes the dump's height. */
static void OnViewerZoom(HWND hwnd, WPARAM wParam, HWND bar)
{
    if (!bar || GetDlgCtrlID(bar) != IDC_ZOOMBAR)
        return;
    nZoomSize = NextZoomSize(nZoomSize, ZoomRequestOf(LOWORD(wParam)), (short)HIWORD(wParam));
    HWND pane = GetDlgItem(hwnd, IDC_DUMPPANE);
    if (pane) {
        CHARFORMATA cf = {};
        cf.cbSize = sizeof cf;
        SendMessageA(pane, EM_GETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
        if (cf.yHeight != nZoomSize)
            ApplyZoomSize(pane);
    }
    SetScrollPos(bar, SB_CTL, nZoomSize, TRUE);
}

/* DestroyChild: destroys the viewer's control of that id when it exists. */
static void DestroyChild(HWND hwnd, int id)
{
    HWND child = GetDlgItem(hwnd, id);
    if (child)
        DestroyWindow(child);
}

LRESULT CALLBACK BinaryViewerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE:
        return OnViewerCreate(hwnd) ? 0 : -1;
    case WM_SIZE:
        OnViewerSize(hwnd, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_HSCROLL:
        OnViewerZoom(hwnd, wParam, (HWND)lParam);
        return 0;
    case WM_TIMER:
        if (wParam == DUMP_LOAD_TIMER)
            ContinueDumpLoad(hwnd);
        return 0;
    case WM_CLOSE:
        StopDumpLoad();
        DestroyChild(hwnd, IDC_DUMPPANE);
        DestroyChild(hwnd, IDC_ZOOMBAR);
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        StopDumpLoad();
        DestroyChild(hwnd, IDC_DUMPPANE);
        DestroyChild(hwnd, IDC_ZOOMBAR);
        // The main window reads the handle on its own thread.
        InterlockedCompareExchangePointer((void *volatile *)&frame.hBinViewer, NULL, hwnd);
        PostQuitMessage(0);  // ends the viewer's thread
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND CreateViewerWindow()
{
    // Registered at each opening: a second registration fails harmlessly.
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = BinaryViewerProc;
    wc.hInstance = frame.hInst;
    wc.hbrBackground = (HBRUSH)GetStockObject(NULL_BRUSH);
    wc.lpszClassName = szViewerClass;
    RegisterClassA(&wc);
    return CreateWindowExA(0, szViewerClass, "BINARY VIEWER",
                           WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_VISIBLE,
                           ptViewer.x, ptViewer.y, 200, 300, NULL, NULL, frame.hInst, NULL);
}

int OpenBinaryViewer(HWND owner)
{
    RECT rc = {0, 0, 0, 0};
    GetClientRect(owner, &rc);
    ptViewer.x = rc.right - 50;
    ptViewer.y = rc.top + 20;
    // A viewer closed a moment ago may still be freeing its pane on its
    // thread; one viewer thread at a time.
    if (!EndViewerThread(kViewerEndWaitMs)) {
        MessageBeep(MB_ICONEXCLAMATION);
        return -1;
    }
    lstrcpynA(szDumpedPath, doc.szFullPath, sizeof szDumpedPath);
    frame.hBinViewer = StartViewerThread();
    if (!frame.hBinViewer) {
        ShowDocMessage(owner, DOC_MSG_VIEWER_CREATE_FAILED);
        return -1;
    }
    return 0;
}

bool CloseBinaryViewer(DWORD nMaxMs)
{
    bool ended = EndViewerThread(nMaxMs);
    frame.hBinViewer = NULL;
    return ended;
}

