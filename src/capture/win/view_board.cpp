#include "capture/win/capture.h"
#include "capture/win/bitmap_blit.h"

#include "app/frame/globals.h"

#include <vector>

// One open view board: its window and its own copy of the capture.
struct ViewBoard {
    HWND hwnd;
    HBITMAP hBitmap;
    int nWidth, nHeight;
};

// The open boards; made with the first board, deleted with the last.
static std::vector<ViewBoard> *pViewBoards;

// What OpenViewBoard hands to the board's creation.
struct ViewBoardSource {
    HBITMAP hBitmap;
    int nWidth, nHeight;
};

/* CopyBitmap: a bitmap of its own holding the source's pixels. */
static HBITMAP CopyBitmap(HBITMAP hSource, int nWidth, int nHeight)
{
    HDC screen = GetDC(NULL);
    HBITMAP copy = CreateCompatibleBitmap(screen, nWidth, nHeight);
    if (copy && !BlitBitmap(screen, hSource, nWidth, nHeight, copy, nWidth, nHeight)) {
        DeleteObject(copy);
        copy = NULL;
    }
    ReleaseDC(NULL, screen);
    return copy;
}

/* FindBoard: the list entry of a board window, or NULL. */
static ViewBoard *FindBoard(HWND hwnd)
{
    if (pViewBoards)
        for (ViewBoard &board : *pViewBoards)
            if (board.hwnd == hwnd)
                return &board;
    return NULL;
}

/* OnBoardInit: copies the capture, records the board and fits the window
   to it at the screen's top left. */
static BOOL OnBoardInit(HWND hwnd, const ViewBoardSource *source)
{
    HBITMAP copy = CopyBitmap(source->hBitmap, source->nWidth, source->nHeight);
    if (!copy)
        return FALSE;
    if (!pViewBoards)
        pViewBoards = new std::vector<ViewBoard>;
    pViewBoards->push_back({hwnd, copy, source->nWidth, source->nHeight});
    RECT rc = {0, 0, source->nWidth, source->nHeight};
    AdjustWindowRectEx(&rc, (DWORD)GetWindowLongPtrA(hwnd, GWL_STYLE), FALSE,
                       (DWORD)GetWindowLongPtrA(hwnd, GWL_EXSTYLE));
    SetWindowPos(hwnd, NULL, 0, 0, rc.right - rc.left, rc.bottom - rc.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

/* OnBoardPaint: the copy at the top left at its recorded size. */
static void OnBoardPaint(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    ViewBoard *board = FindBoard(hwnd);
    HDC mem = board ? CreateCompatibleDC(dc) : NULL;
    if (mem) {
        HGDIOBJ old = SelectObject(mem, board->hBitmap);
        BitBlt(dc, 0, 0, board->nWidth, board->nHeight, mem, 0, 0, SRCCOPY);
        SelectObject(mem, old);
        DeleteDC(mem);
    }
    EndPaint(hwnd, &ps);
}

/* OnBoardDestroy: the board's entry and copy go; the list with the last. */
static void OnBoardDestroy(HWND hwnd)
{
    if (!pViewBoards)
        return;
    for (size_t i = 0; i < pViewBoards->size(); ++i) {
        if ((*pViewBoards)[i].hwnd != hwnd)
            continue;
        DeleteObject((*pViewBoards)[i].hBitmap);
        pViewBoards->erase(pViewBoards->begin() + i);
        break;
    }
    if (pViewBoards->empty()) {
        delete pViewBoards;
        pViewBoards = NULL;
    }
}

/* ViewBoardProc: the dialog procedure of "SHOWBMPDIALOG". */
static INT_PTR CALLBACK ViewBoardProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    switch (msg) {
    case WM_INITDIALOG:
        if (!OnBoardInit(hwnd, (const ViewBoardSource *)lParam))
            DestroyWindow(hwnd);
        return FALSE;
    case WM_PAINT:
        OnBoardPaint(hwnd);
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return TRUE;
    case WM_DESTROY:
        OnBoardDestroy(hwnd);
        return TRUE;
    }
    return FALSE;
}

HWND OpenViewBoard(HWND owner, HBITMAP hBitmap, int nWidth, int nHeight)
{
    ViewBoardSource source = {hBitmap, nWidth, nHeight};
    HWND board = CreateDialogParamA(frame.hInst, "SHOWBMPDIALOG", owner, ViewBoardProc, (LPARAM)&source);
    if (board && !IsWindow(board))
        return NULL;
    if (board)
        ShowWindow(board, SW_SHOWNOACTIVATE);
    return board;
}

int CountViewBoards()
{
    return pViewBoards ? (int)pViewBoards->size() : 0;
}
