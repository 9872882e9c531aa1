#include "app/frame/pane_text.h"

#include "app/pane_stream_core.h"
#include "app/frame/busy_guard.h"
#include "app/frame/globals.h"
#include "app/frame/split_window.h"

#include <richedit.h>

namespace {

// Slice sizes (bytes of text) aimed at stream-ins of SLICE_AIM_MS each.
enum { SLICE_MIN = 256, SLICE_MAX = 64 * 1024, SLICE_AIM_MS = 60 };

struct StreamSource {
    const char *text;
    size_t left;
    bool pump; // the pane is hidden: the message loop may run during the stream-in
};

/* StreamInCallback: the next chunk; for a hidden pane the message loop runs now and then meanwhile. */
DWORD CALLBACK StreamInCallback(DWORD_PTR cookie, LPBYTE buffer, LONG room, LONG *given)
{
    StreamSource *src = (StreamSource *)cookie;
    size_t n = room > 0 ? NextStreamChunk(src->text, src->left, (size_t)room) : 0;
    CopyMemory(buffer, src->text, n);
    src->text += n;
    src->left -= n;
    *given = (LONG)n;
    if (src->pump)
        PumpWhileBusy();
    return 0;
}

void StreamIn(HWND pane, const char *text, size_t len, WPARAM flags)
{
    StreamSource src = {text, len, !IsWindowVisible(pane)};
    EDITSTREAM es = {};
    es.dwCookie = (DWORD_PTR)&src;
    es.pfnCallback = StreamInCallback;
    SendMessageA(pane, EM_STREAMIN, flags, (LPARAM)&es);
}

/* NextSliceSize: the slice size that brings a stream-in near the aimed time. */
size_t NextSliceSize(size_t size, DWORD tookMs)
{
    if (tookMs > SLICE_AIM_MS * 3 / 2 && size / 2 >= SLICE_MIN)
        return size / 2;
    if (tookMs < SLICE_AIM_MS / 2 && size * 2 <= SLICE_MAX)
        return size * 2;
    return size;
}

} // namespace

size_t PaneTextBytesBound(HWND pane)
{
    GETTEXTLENGTHEX gtl = {GTL_NUMBYTES, CP_ACP};
    LRESULT bytes = SendMessageA(pane, EM_GETTEXTLENGTHEX, (WPARAM)&gtl, 0);
    LRESULT chars = SendMessageA(pane, WM_GETTEXTLENGTH, 0, 0);
    // Two bytes per character is the most CP932 needs, whatever the control answers.
    size_t bound = (size_t)(bytes > 0 ? bytes : 0);
    if (chars > 0 && (size_t)chars * 2 > bound)
        bound = (size_t)chars * 2;
    return bound;
}

std::string GetPaneText(HWND pane)
{
    size_t bound = PaneTextBytesBound(pane);
    std::string text(bound + 2, '\0');
    LRESULT got = SendMessageA(pane, WM_GETTEXT, (WPARAM)(bound + 1), (LPARAM)&text[0]);
    size_t len = got > 0 ? (size_t)got : 0;
    // Some versions answer characters, not bytes: trust the terminator.
    size_t real = strnlen(text.c_str(), bound + 1);
    text.resize(real > len ? real : len);
    return text;
}

HWND CreatePaneLike(HWND old)
{
    HWND parent = GetParent(old);
    DWORD style = (DWORD)GetWindowLongPtrA(old, GWL_STYLE);
    DWORD exStyle = (DWORD)GetWindowLongPtrA(old, GWL_EXSTYLE);
    RECT rc;
    GetWindowRect(old, &rc);
    MapWindowPoints(NULL, parent, (POINT *)&rc, 2);
    char cls[64] = "";
    GetClassNameA(old, cls, sizeof cls);
    WNDPROC proc = (WNDPROC)GetWindowLongPtrA(old, GWLP_WNDPROC);

    CHARFORMATA cf = {};
    cf.cbSize = sizeof cf;
    SendMessageA(old, EM_GETCHARFORMAT, 0, (LPARAM)&cf);
    LRESULT limit = SendMessageA(old, EM_GETLIMITTEXT, 0, 0);
    LRESULT mask = SendMessageA(old, EM_GETEVENTMASK, 0, 0);
    HFONT font = (HFONT)SendMessageA(old, WM_GETFONT, 0, 0);
    // EM_SETBKGNDCOLOR answers the colour it replaces.
    COLORREF back = (COLORREF)SendMessageA(old, EM_SETBKGNDCOLOR, 0, RGB(255, 255, 255));
    SendMessageA(old, EM_SETBKGNDCOLOR, 0, back);

    // Without an id until it takes the old pane's place, so that the id names one pane only.
    HWND pane = CreateWindowExA(exStyle, cls, "", style & ~WS_VISIBLE, rc.left, rc.top, rc.right - rc.left,
                                rc.bottom - rc.top, parent, (HMENU)0, frame.hInst, NULL);
    if (!pane)
        return NULL;
    if (font)
        SendMessageA(pane, WM_SETFONT, (WPARAM)font, 0);
    SendMessageA(pane, EM_EXLIMITTEXT, 0, limit);
    SendMessageA(pane, EM_SETCHARFORMAT, 0, (LPARAM)&cf);
    SendMessageA(pane, EM_SETBKGNDCOLOR, 0, back);
    SendMessageA(pane, EM_SETEVENTMASK, 0, mask);
    // A subclassed pane (the main pane takes dropped files) keeps its procedure.
    if (proc && (WNDPROC)GetWindowLongPtrA(pane, GWLP_WNDPROC) != proc)
        SetWindowLongPtrA(pane, GWLP_WNDPROC, (LONG_PTR)proc);
    return pane;
}

HWND PutPaneInPlace(HWND old, HWND pane)
{
    HWND parent = GetParent(old);
    // The pane's own flag: during the window's creation its parent is not shown yet.
    BOOL visible = (GetWindowLongPtrA(old, GWL_STYLE) & WS_VISIBLE) != 0;
    RECT rc, now;
    GetWindowRect(old, &rc);
    MapWindowPoints(NULL, parent, (POINT *)&rc, 2);
    GetWindowRect(pane, &now);
    MapWindowPoints(NULL, parent, (POINT *)&now, 2);
    // Moved only when the window was laid out anew meanwhile: a move makes the control lay out its text.
    UINT move = EqualRect(&rc, &now) ? SWP_NOMOVE | SWP_NOSIZE : 0;
    SetWindowPos(pane, old, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, move | SWP_NOACTIVATE);

    BOOL focused = GetFocus() == old;
    int id = GetDlgCtrlID(old);
    SetWindowLongPtrA(old, GWLP_ID, 0);
    SetWindowLongPtrA(pane, GWLP_ID, id);
    if (frame.Split2 && (HWND)SendMessageA(frame.Split2, SWM_GETSECOND, 0, 0) == old)
        SendMessageA(frame.Split2, SWM_SETSECOND, (WPARAM)pane, 1);
    if (frame.hEdit == old) frame.hEdit = pane;
    if (frame.hSubEdit1 == old) frame.hSubEdit1 = pane;
    if (frame.hCurEdit == old) frame.hCurEdit = pane;
    // The old control goes with its subclass still set: its messages end
    // in the same procedures, which look at the globals just changed.
    DestroyWindow(old);
    if (visible)
        ShowWindow(pane, SW_SHOWNA);
    if (focused)
        SetFocus(pane);
    return pane;
}

HWND RebuildPane(HWND old)
{
    HWND pane = CreatePaneLike(old);
    return pane ? PutPaneInPlace(old, pane) : old; // without a new control the load still works, only slower
}

/* AppendPaneSlices: one stream-in per slice, the message loop between them. */
void AppendPaneSlices(HWND pane, const char *text, size_t len, WPARAM format, const PaneSliceWriter &write,
                      const PaneSliceProgress &progress)
{
    LRESULT mask = SendMessageA(pane, EM_SETEVENTMASK, 0, 0);
    SendMessageA(pane, EM_SETUNDOLIMIT, 0, 0);
    size_t size = PANE_SLICE_THRESHOLD;
    std::string bytes;
    for (size_t at = 0; at < len;) {
        size_t n = NextLineSlice(text + at, len - at, size);
        DWORD start = GetTickCount();
        CHARRANGE end = {-1, -1};
        SendMessageA(pane, EM_EXSETSEL, 0, (LPARAM)&end);
        if (write) {
            bytes.clear();
            write(at, at + n, bytes);
            StreamIn(pane, bytes.data(), bytes.size(), format | SFF_SELECTION);
        } else {
            StreamIn(pane, text + at, n, format | SFF_SELECTION);
        }
        at += n;
        size = NextSliceSize(size, GetTickCount() - start);
        if (progress)
            progress(at);
        PumpWhileBusy();
    }
    SendMessageA(pane, EM_SETUNDOLIMIT, PANE_UNDO_LIMIT, 0);
    SendMessageA(pane, EM_EMPTYUNDOBUFFER, 0, 0);
    SendMessageA(pane, EM_SETEVENTMASK, 0, mask);
}

HWND SetPaneText(HWND pane, const char *text, size_t len)
{
    BusyGuard busy;
    if (len > PANE_SLICE_THRESHOLD || PaneTextBytesBound(pane) > PANE_REBUILD_THRESHOLD) {
        // A fresh control takes the text while the old one still shows its own.
        HWND fresh = CreatePaneLike(pane);
        if (fresh) {
            AppendPaneSlices(fresh, text, len, SF_TEXT, PaneSliceWriter(), PaneSliceProgress());
            PumpWhileBusy();
            pane = PutPaneInPlace(pane, fresh);
            CHARRANGE start = {0, 0};
            SendMessageA(pane, EM_EXSETSEL, 0, (LPARAM)&start);
            return pane;
        }
    }
    StreamIn(pane, text, len, SF_TEXT);
    CHARRANGE start = {0, 0};
    SendMessageA(pane, EM_EXSETSEL, 0, (LPARAM)&start);
    SendMessageA(pane, EM_EMPTYUNDOBUFFER, 0, 0);
    return pane;
}

void AppendPaneText(HWND pane, const char *text, size_t len)
{
    CHARRANGE keep;
    SendMessageA(pane, EM_EXGETSEL, 0, (LPARAM)&keep);
    LRESULT firstLine = SendMessageA(pane, EM_GETFIRSTVISIBLELINE, 0, 0);
    // Without redrawing, Wine's control does not scroll to the end and back
    // for each slice, which costs more than the slice itself in a large text.
    SendMessageA(pane, WM_SETREDRAW, FALSE, 0);
    // Offsets past the end are taken as the end.
    CHARRANGE end = {0x7FFFFFFF, 0x7FFFFFFF};
    SendMessageA(pane, EM_EXSETSEL, 0, (LPARAM)&end);
    StreamIn(pane, text, len, SF_TEXT | SFF_SELECTION);
    SendMessageA(pane, EM_EXSETSEL, 0, (LPARAM)&keep);
    LRESULT nowFirst = SendMessageA(pane, EM_GETFIRSTVISIBLELINE, 0, 0);
    if (nowFirst != firstLine)
        SendMessageA(pane, EM_LINESCROLL, 0, firstLine - nowFirst);
    SendMessageA(pane, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(pane, NULL, FALSE);
}

HWND EmptyPane(HWND pane)
{
    pane = SetPaneText(pane, "", 0);
    SendMessageA(pane, EM_SETMODIFY, FALSE, 0);
    return pane;
}

void ReplacePaneSelection(HWND pane, const char *text, size_t len, BOOL canUndo)
{
    (void)canUndo;  // a stream-in of the selection is one step of the control's undo
    StreamIn(pane, text, len, SF_TEXT | SFF_SELECTION);
}
