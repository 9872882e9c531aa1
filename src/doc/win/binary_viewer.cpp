#include "doc/win/binary_viewer.h"
#include "doc/win/binary_viewer_state.h"

#include "app/frame/globals.h"
#include "common/test_hooks.h"
#include "doc/hexdump_core.h"
#include "doc/viewer_zoom_core.h"
#include "doc/win/document.h"
#include "doc/win/viewer_thread.h"

#include <richedit.h>
#include <string>

static const char szViewerClass[] = "NEW1";

// The dump's character height in twips, kept for the whole run.
static int nZoomSize = ZOOM_START;

// What the viewer's thread is handed at the opening: the file (a copy,
// since the main window may change its path meanwhile) and the place.
static char szDumpedPath[sizeof doc.szFullPath];
static POINT ptViewer;

// How long an opening waits for the thread of a viewer just closed.
static const DWORD kViewerEndWaitMs = 3000;

// The viewer's least size; it opens wider when a row needs it.
static const int kViewerMinWidth = 200, kViewerHeight = 300;

int ViewerZoomSize()
{
    return nZoomSize;
}

/* LayOut: the pane over the client area less the zoom bar, the row bar at
   its right. */
static void LayOut(HWND hwnd)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    int barW = GetSystemMetrics(SM_CXVSCROLL);
    int h = rc.bottom - 10 > 0 ? rc.bottom - 10 : 0;
    int paneW = rc.right - barW > 0 ? rc.right - barW : 0;
    if (viewer.pane)
        MoveWindow(viewer.pane, 0, 0, paneW, h, FALSE);
    if (viewer.rowBar)
        MoveWindow(viewer.rowBar, paneW, 0, barW, h, TRUE);
    HWND zoom = GetDlgItem(hwnd, IDC_ZOOMBAR);
    if (zoom)
        MoveWindow(zoom, 0, rc.bottom - 10, rc.right, 9, TRUE);
}

/* OnViewerCreate: the dump pane, the row bar and the zoom bar; the first
   rows of the file. */
static BOOL OnViewerCreate(HWND hwnd)
{
    viewer = ViewerState();
    viewer.hwnd = hwnd;
    viewer.pane = CreateWindowExA(WS_EX_CLIENTEDGE, "RichEdit", "",
                                  WS_CHILD | WS_VISIBLE | WS_HSCROLL | ES_READONLY | ES_NOHIDESEL |
                                      ES_AUTOHSCROLL | ES_MULTILINE,
                                  0, 0, 0, 0, hwnd, (HMENU)(INT_PTR)IDC_DUMPPANE, frame.hInst, NULL);
    if (!viewer.pane)
        return FALSE;
    ViewerWindowMade(hwnd);
    SendMessageA(viewer.pane, EM_EXLIMITTEXT, 0, 0x400000);
    LRESULT mask = SendMessageA(viewer.pane, EM_GETEVENTMASK, 0, 0);
    SendMessageA(viewer.pane, EM_SETEVENTMASK, 0, mask | ENM_MOUSEEVENTS | ENM_DROPFILES);
    SendMessageA(viewer.pane, EM_SETUNDOLIMIT, 0, 0);
    HookViewerPane(viewer.pane);
    viewer.rowBar = CreateWindowExA(0, "SCROLLBAR", NULL, WS_CHILD | WS_VISIBLE | SBS_VERT, 0, 0, 0, 0, hwnd,
                                    (HMENU)(INT_PTR)IDC_ROWBAR, frame.hInst, NULL);
    HWND zoom = CreateWindowExA(0, "SCROLLBAR", NULL, WS_CHILD | WS_VISIBLE | SBS_HORZ, 0, 0, 0, 0, hwnd,
                                (HMENU)(INT_PTR)IDC_ZOOMBAR, frame.hInst, NULL);
    if (zoom) {
        SCROLLINFO si = {};
        si.cbSize = sizeof si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMin = ZOOM_MIN;
        si.nMax = ZOOM_MAX;
        si.nPage = ZOOM_PAGE;
        si.nPos = nZoomSize;
        SetScrollInfo(zoom, SB_CTL, &si, TRUE);
    }
    LayOut(hwnd);
    OpenViewerFile(szDumpedPath);
    RefillViewer();
    SetTimer(hwnd, VIEWER_WATCH_TIMER, VIEWER_WATCH_MS, NULL);
    return TRUE;
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

/* OnViewerZoom: a request of the zoom bar changes the dump's height; the
   rows that fit are made again. */
static void OnViewerZoom(WPARAM wParam, HWND bar)
{
    if (!bar || GetDlgCtrlID(bar) != IDC_ZOOMBAR)
        return;
    int zoom = NextZoomSize(nZoomSize, ZoomRequestOf(LOWORD(wParam)), (short)HIWORD(wParam));
    SetScrollPos(bar, SB_CTL, zoom, TRUE);
    if (zoom == nZoomSize)
        return;
    nZoomSize = zoom;
    viewer.nLineHeight = 0;
    RefillViewer();
}

LRESULT CALLBACK BinaryViewerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE:
        return OnViewerCreate(hwnd) ? 0 : -1;
    case WM_SIZE:
        LayOut(hwnd);
        RefillViewer();
        return 0;
    case WM_HSCROLL:
        OnViewerZoom(wParam, (HWND)lParam);
        return 0;
    case WM_VSCROLL:
        if ((HWND)lParam == viewer.rowBar && viewer.rowBar)
            OnViewerRowBar(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        OnViewerWheel((short)HIWORD(wParam));
        return 0;
    case WM_COMMAND:
        ViewerCommand(LOWORD(wParam));
        return 0;
    case WM_SETFOCUS:
        if (viewer.pane)
            SetFocus(viewer.pane);
        return 0;
    case WM_TIMER:
        if (wParam == VIEWER_WATCH_TIMER)
            WatchViewerFile();
        return 0;
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        KillTimer(hwnd, VIEWER_WATCH_TIMER);
        RemovePropA(hwnd, VIEWER_TOP_ROW_PROP);
        CloseViewerFile();
        viewer = ViewerState();
        // The main window reads the handle on its own thread.
        InterlockedCompareExchangePointer((void *volatile *)&frame.hBinViewer, NULL, hwnd);
        PostQuitMessage(0);  // ends the viewer's thread
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

/* ViewerWidth: the outer width that shows a whole row at the zoom size
   beside the row bar, at least kViewerMinWidth, at most the screen's. */
static int ViewerWidth(DWORD style)
{
    HDC dc = GetDC(NULL);
    int px = MulDiv(nZoomSize, GetDeviceCaps(dc, LOGPIXELSY), 1440);
    HFONT font = CreateFontA(-px, 0, 0, 0, FW_NORMAL, TRUE, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, FIXED_PITCH,
                             szViewerFontFace);
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FIXED_FONT));
    // A row without its line end, and two characters for the control's margins.
    const std::string row(HEXDUMP_LINE_BYTES - 2 + 2, '0');
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc, row.c_str(), (int)row.size(), &size);
    SelectObject(dc, old);
    if (font)
        DeleteObject(font);
    ReleaseDC(NULL, dc);
    RECT rc = {0, 0, size.cx + GetSystemMetrics(SM_CXVSCROLL) + 2 * GetSystemMetrics(SM_CXEDGE), kViewerHeight};
    AdjustWindowRectEx(&rc, style, FALSE, 0);
    int w = rc.right - rc.left;
    int screen = GetSystemMetrics(SM_CXSCREEN);
    if (w > screen)
        w = screen;
    return w > kViewerMinWidth ? w : kViewerMinWidth;
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
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_VISIBLE;
    return CreateWindowExA(0, szViewerClass, "BINARY VIEWER", style, ptViewer.x, ptViewer.y, ViewerWidth(style),
                           kViewerHeight, NULL, NULL, frame.hInst, NULL);
}

int OpenBinaryViewerOn(HWND owner, const char *szPath)
{
    RECT rc = {0, 0, 0, 0};
    GetClientRect(owner, &rc);
    ptViewer.x = rc.right - 50;
    ptViewer.y = rc.top + 20;
    // A viewer closed a moment ago may still be ending its thread; one
    // viewer thread at a time.
    if (!EndViewerThread(kViewerEndWaitMs)) {
        MessageBeep(MB_ICONEXCLAMATION);
        return -1;
    }
    lstrcpynA(szDumpedPath, szPath, sizeof szDumpedPath);
    frame.hBinViewer = StartViewerThread();
    if (!frame.hBinViewer) {
        ShowDocMessage(owner, DOC_MSG_VIEWER_CREATE_FAILED);
        return -1;
    }
    return 0;
}

int OpenBinaryViewer(HWND owner)
{
    return OpenBinaryViewerOn(owner, doc.szFullPath);
}

void RefuseOfferingViewer(HWND owner, DocMessageId id, const char *szText, const char *szPath)
{
    const DocMessage &m = GetDocMessage(id);
    std::string text = std::string(szText) + szViewerOffer;
    UINT flags = MB_YESNO | MB_ICONEXCLAMATION;
    if (m.nBox == DOC_BOX_EXCLAMATION_TASKMODAL)
        flags |= MB_TASKMODAL | MB_SETFOREGROUND;
    if (MessageBoxA(owner, text.c_str(), m.szTitle, flags) == IDYES)
        OpenBinaryViewerOn(frame.hMainWnd, szPath);
}

bool CloseBinaryViewer(DWORD nMaxMs)
{
    bool ended = EndViewerThread(nMaxMs);
    frame.hBinViewer = NULL;
    return ended;
}
