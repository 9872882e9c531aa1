// Wide conversion, string resources, font measuring and window placing for the designer.
#include "designer/win/designer_win.h"

#include <commctrl.h>
#include <vector>

#include "app/frame/globals.h"
#include "app/frame/pane_text.h"
#include "designer/units.h"
#include "resource_ids.h"
#include "text/pane_positions.h"
#include "text/win/pane_select.h"

#include <richedit.h>

/* Cp932ToUtf16Win: CP932 bytes to UTF-16 by the system's converter. */
int Cp932ToUtf16Win(const char *src, size_t len, uint16_t *dst, size_t cap)
{
    if (len == 0)
        return 0;
    int n = MultiByteToWideChar(932, MB_PRECOMPOSED, src, (int)len, (LPWSTR)dst, (int)cap);
    return n > 0 ? n : -1;
}

/* LoadResString: a string resource as CP932 text (empty when missing). */
std::string LoadResString(UINT id)
{
    std::vector<char> buf(8192);
    int n = LoadStringA(frame.hInst, id, buf.data(), (int)buf.size());
    return std::string(buf.data(), n > 0 ? n : 0);
}

/* GetItemText: a dialog item's text, however long. */
std::string GetItemText(HWND dlg, int id)
{
    HWND item = GetDlgItem(dlg, id);
    if (!item)
        return std::string();
    int n = GetWindowTextLengthA(item);
    std::vector<char> buf(n * 2 + 2);
    GetWindowTextA(item, buf.data(), (int)buf.size());
    return buf.data();
}

/* MeasureDialogUnits: pixel size of the dialog base units of a font. */
BOOL MeasureDialogUnits(HWND hwnd, int pointSize, const char *face, int *gx, int *gy)
{
    HDC dc = GetDC(hwnd);
    if (!dc)
        return FALSE;
    int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    HFONT font = CreateFontA(-MulDiv(pointSize, dpi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0,
                             FIXED_PITCH, face && *face ? face : "MS Shell Dlg");
    HGDIOBJ old = font ? SelectObject(dc, font) : NULL;
    SIZE size = {0, 0};
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    BOOL ok = GetTextExtentPoint32A(dc, kLetters, 52, &size);
    if (old)
        SelectObject(dc, old);
    if (font)
        DeleteObject(font);
    ReleaseDC(hwnd, dc);
    int x = 0, y = 0;
    if (!ok || !GridFromTextExtent(pointSize, dpi, size.cx, size.cy, x, y))
        return FALSE;
    *gx = x;
    *gy = y;
    return TRUE;
}

/* PlaceWindow: moves a window, without sizing it, relative to another one or the screen. */
void PlaceWindow(HWND hwnd, HWND ref, const char *where)
{
    RECT r, w;
    if (ref)
        GetWindowRect(ref, &r);
    else
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
    GetWindowRect(hwnd, &w);
    int cx = w.right - w.left, cy = w.bottom - w.top, x, y;
    std::string k = where;
    if (k == "leftbottom") { x = r.left; y = r.bottom - cy; }
    else if (k == "lefttop" || k == "topleft") { x = r.left; y = r.top; }
    else if (k == "righttop" || k == "topright") { x = r.right - cx; y = r.top; }
    else if (k == "rightbottom") { x = r.right - cx; y = r.bottom - cy; }
    else if (k == "right") { x = r.right; y = r.top; }
    else if (k == "left") { x = r.left - cx; y = r.top; }
    else if (k == "top") { x = r.left; y = r.top - cy; }
    else if (k == "bottom") { x = r.left; y = r.bottom; }
    else {
        MessageBoxA(hwnd, "a mistake in programming codes", "sorry", MB_OK);
        return;
    }
    SetWindowPos(hwnd, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

/* PressPaneToggleIfNeeded: shows the resource pane through its toolbar toggle. */
void PressPaneToggleIfNeeded()
{
    if (frame.hToolbar && !SendMessageA(frame.hToolbar, TB_ISBUTTONCHECKED, IDM_PANESWITCH, 0) && frame.hMainWnd) {
        // the switch reads the button's state, as after a click on it
        SendMessageA(frame.hToolbar, TB_CHECKBUTTON, IDM_PANESWITCH, MAKELONG(TRUE, 0));
        SendMessageA(frame.hMainWnd, WM_COMMAND, IDM_PANESWITCH, 0);
    }
}

/* AppendToPane: inserts a text at the start or the end of a pane, replacing nothing. */
void AppendToPane(HWND pane, const std::string &text, BOOL atStart)
{
    if (!pane || text.empty())
        return;
    GETTEXTLENGTHEX gl = {GTL_NUMCHARS | GTL_PRECISE, CP_ACP};
    LONG n = atStart ? 0 : (LONG)SendMessageA(pane, EM_GETTEXTLENGTHEX, (WPARAM)&gl, 0);
    CHARRANGE cr = {n, n};
    SendMessageA(pane, EM_EXSETSEL, 0, (LPARAM)&cr);
    ReplacePaneSelection(pane, text.data(), text.size(), TRUE);
}

/* SelectTextInEdit: selects the first occurrence of text (after the selection when asked). */
BOOL SelectTextInEdit(HWND edit, const std::string &text, BOOL fromSelection)
{
    if (!edit || text.empty())
        return FALSE;
    std::string all = GetPaneText(edit);
    PanePositions map(all.data(), all.size(), PaneCountsBytes(edit, all));
    size_t from = 0;
    if (fromSelection) {
        size_t a, b;
        GetPaneByteSelection(edit, map, &a, &b);
        from = b;
    }
    size_t at = all.find(text, from);
    if (at == std::string::npos)
        return FALSE;
    CHARRANGE cr = {map.ToPane(at), map.ToPane(at + text.size())};
    SendMessageA(edit, EM_EXSETSEL, 0, (LPARAM)&cr);
    CHARRANGE back;
    SendMessageA(edit, EM_EXGETSEL, 0, (LPARAM)&back);
    if (back.cpMin != cr.cpMin || back.cpMax != cr.cpMax) {
        back.cpMax = back.cpMin;
        SendMessageA(edit, EM_EXSETSEL, 0, (LPARAM)&back);
        MessageBoxA(edit, "EM_EXSETSELに失敗しました", "エラー", MB_OK);
        return FALSE;
    }
    SendMessageA(edit, EM_SCROLLCARET, 0, 0);
    return TRUE;
}
