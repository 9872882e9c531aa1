#include "capture/win/capture.h"

#include "app/frame/globals.h"
#include "app/frame/rubber_band.h"
#include "capture/capture_area_core.h"

static const char szCaptureClass[] = "WHOLE";

enum { SHOW_TIMER = 1, SHOW_DELAY_MS = 300 };

// Start and last point of the drag (client coordinates of the capture
// window, which are screen coordinates).
static POINT ptStart, ptLast;

// The screen as it was when the capture window came up: the window shows
// it and the capture copies from it, so the rectangle holds what the user
// saw, whatever the system puts into a window that does not paint.
static HDC hShotDC;
static HBITMAP hShotBitmap;
static HGDIOBJ hShotOld;


/* TakeScreenShot: the whole screen into a memory bitmap. */
static void TakeScreenShot()
{
    HDC screen = GetDC(NULL);
    int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    hShotDC = CreateCompatibleDC(screen);
    hShotBitmap = hShotDC ? CreateCompatibleBitmap(screen, cx, cy) : NULL;
    if (hShotBitmap) {
        hShotOld = SelectObject(hShotDC, hShotBitmap);
        BitBlt(hShotDC, 0, 0, cx, cy, screen, 0, 0, SRCCOPY | CAPTUREBLT);
    } else if (hShotDC) {
        DeleteDC(hShotDC);
        hShotDC = NULL;
    }
    ReleaseDC(NULL, screen);
}

/* FreeScreenShot: the memory bitmap of TakeScreenShot goes. */
static void FreeScreenShot()
{
    if (hShotDC) {
        SelectObject(hShotDC, hShotOld);
        DeleteDC(hShotDC);
    }
    if (hShotBitmap)
        DeleteObject(hShotBitmap);
    hShotDC = NULL;
    hShotBitmap = NULL;
    hShotOld = NULL;
}

/* PutOnClipboard: the bitmap on the clipboard; TRUE when the clipboard
   took it (and owns it from then on). */
static BOOL PutOnClipboard(HBITMAP hBitmap)
{
    if (!OpenClipboard(frame.hMainWnd))
        return FALSE;
    BOOL taken = EmptyClipboard() && SetClipboardData(CF_BITMAP, hBitmap) != NULL;
    CloseClipboard();
    return taken;
}

/* CaptureArea: the planned screen area into a new bitmap, which is saved,
   shown on a view board and put on the clipboard as the settings say. */
static void CaptureRectangle(const CaptureArea &area)
{
    HDC screen = GetDC(NULL);
    HBITMAP bitmap = screen ? CreateCompatibleBitmap(screen, area.nWidth, area.nHeight) : NULL;
    HDC mem = bitmap ? CreateCompatibleDC(screen) : NULL;
    if (!mem) {
        MessageBeep(MB_OK);
        if (bitmap)
            DeleteObject(bitmap);
        if (screen)
            ReleaseDC(NULL, screen);
        return;
    }
    HGDIOBJ old = SelectObject(mem, bitmap);
    SetStretchBltMode(mem, COLORONCOLOR);
    StretchBlt(mem, 0, 0, area.nWidth, area.nHeight, hShotDC ? hShotDC : screen, area.xSrc, area.ySrc,
               area.cxSrc, area.cySrc, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);

    if (frame.settingsRecord.bCaptureToBmp)
        SaveBitmapFile(bitmap, screen);
    OpenViewBoard(frame.hMainWnd, bitmap, area.nWidth, area.nHeight);
    // Last, because the clipboard owns the bitmap once it took it.
    if (!(frame.settingsRecord.bCaptureToClipboard && PutOnClipboard(bitmap)))
        DeleteObject(bitmap);
    ReleaseDC(NULL, screen);
}

/* OnCaptureButtonDown: a drag starts where the button went down. */
static void OnCaptureButtonDown(HWND hwnd, POINT pt)
{
    if (!IsArmed())
        return;
    SetPointerMode(POINTER_CAPTURE_DRAGGING);
    ptStart = ptLast = pt;
    DrawRubberBand(hwnd, ptStart, ptLast);
    SetCapture(hwnd);
    SetCursor(LoadCursor(NULL, IDC_CROSS));
}

/* OnCaptureMouseMove: the band follows the pointer. */
static void OnCaptureMouseMove(HWND hwnd, POINT pt)
{
    if (frame.pointerMode != POINTER_CAPTURE_DRAGGING)
        return;
    DrawRubberBand(hwnd, ptStart, ptLast);
    DrawRubberBand(hwnd, ptStart, pt);
    ptLast = pt;
}

/* EndDrag: both flags off, the band removed, the mouse released. */
static void EndDrag(HWND hwnd)
{
    if (frame.pointerMode == POINTER_CAPTURE_DRAGGING)
        DrawRubberBand(hwnd, ptStart, ptLast);
    if (IsArmed())
        SetPointerMode(POINTER_NONE);
    if (GetCapture() == hwnd)
        ReleaseCapture();
    SetCursor(LoadCursor(NULL, IDC_ARROW));
}

/* OnCaptureButtonUp: the dragged rectangle is captured; the window goes. */
static void OnCaptureButtonUp(HWND hwnd, POINT pt)
{
    if (frame.pointerMode == POINTER_CAPTURE_DRAGGING) {
        EndDrag(hwnd);
        CaptureArea area;
        if (PlanCaptureArea(ptStart.x, ptStart.y, pt.x, pt.y, &area))
            CaptureRectangle(area);
        else
            MessageBeep(MB_OK);  // a click without a drag has nothing to capture
    }
    DestroyWindow(hwnd);
}

/* OnCapturePaint: the screen as it was, and the band while dragging. */
static void OnCapturePaint(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (hShotDC)
        BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
               ps.rcPaint.bottom - ps.rcPaint.top, hShotDC, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
    EndPaint(hwnd, &ps);
    if (frame.pointerMode == POINTER_CAPTURE_DRAGGING)
        DrawRubberBand(hwnd, ptStart, ptLast);
}

/* OnCaptureTimer: the delayed showing, once the screen has settled. */
static void OnCaptureTimer(HWND hwnd)
{
    KillTimer(hwnd, SHOW_TIMER);
    TakeScreenShot();
    ShowWindow(hwnd, SW_SHOWNORMAL);
    UpdateWindow(hwnd);
}

static POINT PointOf(LPARAM lParam)
{
    POINT pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    return pt;
}

/* CaptureWndProc: the window procedure of "WHOLE". */
static LRESULT CALLBACK CaptureWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_TIMER:
        if (wParam == SHOW_TIMER)
            OnCaptureTimer(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        OnCapturePaint(hwnd);
        return 0;
    case WM_SETCURSOR:
        SetCursor(LoadCursor(NULL, IsArmed() ? IDC_CROSS : IDC_ARROW));
        return TRUE;
    case WM_LBUTTONDOWN:
        OnCaptureButtonDown(hwnd, PointOf(lParam));
        return 0;
    case WM_MOUSEMOVE:
        OnCaptureMouseMove(hwnd, PointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnCaptureButtonUp(hwnd, PointOf(lParam));
        return 0;
    case WM_RBUTTONDOWN:  // a way out that captures nothing
        EndDrag(hwnd);
        DestroyWindow(hwnd);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) {
            EndDrag(hwnd);
            DestroyWindow(hwnd);
        }
        return 0;
    case WM_DESTROY:
        KillTimer(hwnd, SHOW_TIMER);
        if (GetCapture() == hwnd)
            ReleaseCapture();
        if (IsArmed())
            SetPointerMode(POINTER_NONE);
        FreeScreenShot();
        if (frame.hCaptureWnd == hwnd)
            frame.hCaptureWnd = NULL;
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND CreateCaptureWindow(HWND owner)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = CaptureWndProc;
    wc.hInstance = frame.hInst;
    wc.hbrBackground = (HBRUSH)GetStockObject(HOLLOW_BRUSH);
    wc.lpszClassName = szCaptureClass;
    RegisterClassA(&wc);  // fails harmlessly once the class exists
    HWND hwnd = CreateWindowExA(0, szCaptureClass, "", WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                                GetSystemMetrics(SM_CYSCREEN), owner, NULL, frame.hInst, NULL);
    if (!hwnd)
        ShowCaptureMessage(owner, CAPTURE_MSG_WINDOW_FAILED);
    return hwnd;
}

void StartCapture(HWND owner)
{
    if (frame.hCaptureWnd && IsWindow(frame.hCaptureWnd))
        return;
    if (frame.pointerMode != POINTER_NONE) {
        MessageBeep(MB_OK);
        return;
    }
    frame.hCaptureWnd = CreateCaptureWindow(owner);
    if (!frame.hCaptureWnd)
        return;
    SetPointerMode(POINTER_ARMED);
    // Shown a moment later, when the menu has gone and the windows beneath
    // have repainted; the message loop runs meanwhile.
    if (!SetTimer(frame.hCaptureWnd, SHOW_TIMER, SHOW_DELAY_MS, NULL))
        OnCaptureTimer(frame.hCaptureWnd);
}
