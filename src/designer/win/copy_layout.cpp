// Copying another window's layout onto the design dialog: a press on the
// panel's copy area, a release over any other top-level window; that
// window's size, title, font grid and direct children are taken over.
#include "designer/win/designer_win.h"

#include <cstring>

#include "app/frame/globals.h"
#include "designer/class_table.h"
#include "designer/flags.h"
#include "designer/update.h"

static BOOL bCopying;
static std::vector<HFONT> copiedFonts; // fonts of the copied controls, freed with the design dialog

static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

static void SetHandCursor()
{
    HCURSOR hand = LoadCursorA(frame.hInst, "HANDCURSOR");
    SetCursor(hand ? hand : LoadCursor(NULL, IDC_ARROW));
}

/* BeginLayoutCopy: the press on the copy area; without a design dialog only a hint. */
void BeginLayoutCopy(HWND panel)
{
    if (!designer.hDesignDlg) {
        SetDlgItemTextA(panel, IDC_DSG_COPYAREA, "「開始」ボタンを押してからもう一度試してください");
        return;
    }
    bCopying = TRUE;
    SetCapture(panel);
    SetHandCursor();
}

/* LayoutCopyMouseMove: keeps the hand pointer while the button is held. */
void LayoutCopyMouseMove()
{
    if (bCopying)
        SetHandCursor();
}

/* CancelLayoutCopy: the capture went elsewhere. */
void CancelLayoutCopy()
{
    bCopying = FALSE;
}

/* A window's text in CP932 (the wide call also reads windows of other programs). */
static std::string WindowTextCp932(HWND hwnd)
{
    wchar_t wide[1024] = L"";
    int n = GetWindowTextW(hwnd, wide, 1024);
    if (n <= 0)
        return std::string();
    char narrow[2048];
    int m = WideCharToMultiByte(932, 0, wide, n, narrow, sizeof narrow, NULL, NULL);
    return std::string(narrow, m > 0 ? m : 0);
}

/* Whether a top-level window is the panel or one of the windows it owns. */
static BOOL IsDesignerWindow(HWND root, HWND panel)
{
    for (HWND w = root; w; w = GetWindow(w, GW_OWNER))
        if (w == panel)
            return TRUE;
    return FALSE;
}

/* The font a window draws with, when it is usable here; else NULL. */
static BOOL FontOfWindow(HWND hwnd, LOGFONTA *lf)
{
    DWORD_PTR font = 0;
    if (!SendMessageTimeoutA(hwnd, WM_GETFONT, 0, 0, SMTO_ABORTIFHUNG, 2000, &font) || !font)
        return FALSE;
    return GetObjectA((HFONT)font, sizeof *lf, lf) == sizeof *lf;
}

/* Extent of the 52 letters in a font (the system font when none). */
static BOOL MeasureLetters(HDC dc, HFONT font, SIZE *size)
{
    HGDIOBJ old = font ? SelectObject(dc, font) : NULL;
    BOOL ok = GetTextExtentPoint32A(dc, kLetters, 52, size) && size->cy > 0;
    if (old)
        SelectObject(dc, old);
    return ok;
}

/* The grid and point size from the source's font, scaled by the dialog font's proportions. */
static void TakeFontGrid(HWND panel, HWND src)
{
    HDC dc = GetDC(designer.hDesignDlg);
    if (!dc)
        return;
    LOGFONTA lf;
    HFONT srcFont = FontOfWindow(src, &lf) ? CreateFontIndirectA(&lf) : NULL;
    SIZE s = {0, 0}, d = {0, 0};
    if (MeasureLetters(dc, srcFont, &s) && MeasureLetters(dc, DesignFont(), &d)) {
        int average = (d.cx / 26 + 1) / 2;
        designer.gridpixelY = s.cy;
        designer.gridpixelX = MulDiv(designer.gridpixelY, average, d.cy);
        if (designer.gridpixelX <= 0)
            designer.gridpixelX = 1;
        SetDlgItemInt(panel, IDC_DSG_POINT, MulDiv(s.cy, 72, GetDeviceCaps(dc, LOGPIXELSY)), FALSE);
    }
    if (srcFont)
        DeleteObject(srcFont);
    ReleaseDC(designer.hDesignDlg, dc);
}

/* The catalogue row whose class name equals a window class ignoring case, or NULL. */
static ClassInfo *RowOfWindowClass(const char *cls)
{
    for (int r = 0; r < kRowComctl; r++)
        if (_stricmp(g_classInfo[r].className, cls) == 0)
            return &g_classInfo[r];
    return NULL;
}

/* A copy of the child's font, kept until the design dialog goes; NULL for the dialog font. */
static HFONT CopiedFont(HWND child)
{
    LOGFONTA lf;
    if (!FontOfWindow(child, &lf))
        return NULL;
    HFONT f = CreateFontIndirectA(&lf);
    if (f)
        copiedFonts.push_back(f);
    return f;
}

/* One direct child of the source as a control of the design dialog; FALSE when skipped. */
static BOOL CopyChild(HWND src, HWND child)
{
    char cls[64] = "";
    if (!GetClassNameA(child, cls, sizeof cls))
        return FALSE;
    const char *createClass, *recordClass;
    ClassInfo *row = RowOfWindowClass(cls);
    if (_stricmp(cls, "richedit") == 0) {
        createClass = "RICHEDIT";
        recordClass = "EDIT";
    } else if (row) {
        createClass = recordClass = row->className;
    } else {
        return FALSE; // a class the designer has no flags for
    }
    DWORD style = ((DWORD)GetWindowLongPtrA(child, GWL_STYLE) & ~(DWORD)WS_POPUP) | WS_CHILD | WS_VISIBLE;
    if (strcmp(recordClass, "STATIC") == 0)
        style |= SS_NOTIFY;
    std::string text = WindowTextCp932(child);
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(NULL, src, (POINT *)&r, 2);
    int id = FreeControlId();
    HWND w = CreateWindowExA(WS_EX_CLIENTEDGE, createClass, text.c_str(), style, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, designer.hDesignDlg, (HMENU)(INT_PTR)id, frame.hInst, NULL);
    if (!w)
        return FALSE;
    HFONT font = CopiedFont(child);
    SendMessageA(w, WM_SETFONT, (WPARAM)(font ? font : DesignFont()), TRUE);
    Ctrldata rec;
    memset(&rec, 0, sizeof rec);
    rec.id = id;
    rec.hwnd = w;
    strcpy(rec.szIdent, kUnnamedMark);
    strcpy(rec.szClass, recordClass);
    CopyField(rec.szText, sizeof rec.szText, text.data(), text.size());
    rec.style = style;
    ChoicesFromStyle(style, recordClass, &rec);
    designer.Ctrls[designer.Icount] = rec;
    RefreshRecordRect(designer.Icount);
    designer.Icount++;
    return TRUE;
}

/* The source window's size, title, grid and children onto the design dialog. */
static void CopyLayoutOf(HWND panel, HWND src)
{
    TakeFontGrid(panel, src);
    RECT wr;
    if (GetWindowRect(src, &wr))
        SetWindowPos(designer.hDesignDlg, NULL, 0, 0, wr.right - wr.left, wr.bottom - wr.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    std::string title = WindowTextCp932(src);
    SetWindowTextA(designer.hDesignDlg, title.c_str());
    SetDlgItemTextA(panel, IDC_DSG_CAPTION, title.c_str());
    for (HWND c = GetWindow(src, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (designer.Icount >= kMaxControls) {
            MessageBoxA(panel, "コントロールの数が許容最大数に達しています", "Controls too many",
                        MB_OK | MB_ICONEXCLAMATION);
            break;
        }
        CopyChild(src, c);
    }
    InvalidateRect(designer.hDesignDlg, NULL, TRUE);
    RefreshControlList();
}

/* EndLayoutCopy: the release; TRUE when a copy was under way. */
BOOL EndLayoutCopy(HWND panel, POINT ptPanel)
{
    if (!bCopying)
        return FALSE;
    bCopying = FALSE;
    ReleaseCapture();
    SetCursor(LoadCursor(NULL, IDC_ARROW));
    POINT pt = ptPanel;
    ClientToScreen(panel, &pt);
    HWND under = WindowFromPoint(pt);
    HWND root = under ? GetAncestor(under, GA_ROOT) : NULL;
    // Over no window at all the desktop answers: its children are every top-level window.
    if (root && root != GetDesktopWindow() && designer.hDesignDlg && !IsDesignerWindow(root, panel))
        CopyLayoutOf(panel, root);
    return TRUE;
}

/* FreeCopiedFonts: the fonts of copied controls, once their windows are gone. */
void FreeCopiedFonts()
{
    for (HFONT f : copiedFonts)
        DeleteObject(f);
    copiedFonts.clear();
}
