#include "app/win/pane_text.h"

#include "app/pane_stream_core.h"
#include "app/win/globals.h"
#include "app/win/split_window.h"

#include <richedit.h>

namespace {

struct StreamSource {
    const char *text;
    size_t left;
};

DWORD CALLBACK StreamInCallback(DWORD_PTR cookie, LPBYTE buffer, LONG room, LONG *given)
{
    StreamSource *src = (StreamSource *)cookie;
    size_t n = room > 0 ? NextStreamChunk(src->text, src->left, (size_t)room) : 0;
    CopyMemory(buffer, src->text, n);
    src->text += n;
    src->left -= n;
    *given = (LONG)n;
    return 0;
}

void StreamIn(HWND pane, const char *text, size_t len, WPARAM flags)
{
    StreamSource src = {text, len};
    EDITSTREAM es = {};
    es.dwCookie = (DWORD_PTR)&src;
    es.pfnCallback = StreamInCallback;
    SendMessageA(pane, EM_STREAMIN, flags, (LPARAM)&es);
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

HWND RebuildPane(HWND old)
{
    HWND parent = GetParent(old);
    int id = GetDlgCtrlID(old);
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

    HWND pane = CreateWindowExA(exStyle, cls, "", style & ~WS_VISIBLE, rc.left, rc.top, rc.right - rc.left,
                                rc.bottom - rc.top, parent, (HMENU)(INT_PTR)id, hInst, NULL);
    if (!pane) {
        SendMessageA(old, EM_SETBKGNDCOLOR, 0, back);
        return old;  // keep the old pane; the caller's load still works, only slower
    }
    if (font)
        SendMessageA(pane, WM_SETFONT, (WPARAM)font, 0);
    SendMessageA(pane, EM_EXLIMITTEXT, 0, limit);
    SendMessageA(pane, EM_SETCHARFORMAT, 0, (LPARAM)&cf);
    SendMessageA(pane, EM_SETBKGNDCOLOR, 0, back);
    SendMessageA(pane, EM_SETEVENTMASK, 0, mask);
    // A subclassed pane (the main pane takes dropped files) keeps its procedure.
    if (proc && (WNDPROC)GetWindowLongPtrA(pane, GWLP_WNDPROC) != proc)
        SetWindowLongPtrA(pane, GWLP_WNDPROC, (LONG_PTR)proc);
    SetWindowPos(pane, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    BOOL focused = GetFocus() == old;
    if (Split2 && (HWND)SendMessageA(Split2, SWM_GETSECOND, 0, 0) == old)
        SendMessageA(Split2, SWM_SETSECOND, (WPARAM)pane, 1);
    if (hEdit == old) hEdit = pane;
    if (hSubEdit1 == old) hSubEdit1 = pane;
    if (hCurEdit == old) hCurEdit = pane;
    // The old control goes with its subclass still set: its messages end
    // in the same procedures, which look at the globals just changed.
    DestroyWindow(old);
    if (style & WS_VISIBLE)
        ShowWindow(pane, SW_SHOWNA);
    if (focused)
        SetFocus(pane);
    return pane;
}

HWND SetPaneText(HWND pane, const char *text, size_t len)
{
    if (PaneTextBytesBound(pane) > PANE_REBUILD_THRESHOLD)
        pane = RebuildPane(pane);
    StreamIn(pane, text, len, SF_TEXT);
    CHARRANGE start = {0, 0};
    SendMessageA(pane, EM_EXSETSEL, 0, (LPARAM)&start);
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

void ReplacePaneSelection(HWND pane, const char *text, size_t len, BOOL canUndo)
{
    (void)canUndo;  // a stream-in of the selection is one step of the control's undo
    StreamIn(pane, text, len, SF_TEXT | SFF_SELECTION);
}
