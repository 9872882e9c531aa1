// The binary viewer's input: keys, mouse and wheel on the dump pane move
// the rows on show and the selection of whole rows; the context menu and
// Ctrl+C copy the selected rows' dump; Ctrl+G goes to an offset.
#include "doc/win/binary_viewer.h"
#include "doc/win/binary_viewer_state.h"

#include "common/test_hooks.h"
#include "doc/doc_messages.h"
#include "doc/win/document.h"

#include <richedit.h>
#include <algorithm>
#include <cstring>

static WNDPROC PrevPaneProc = NULL;

// Rows a notch of the wheel scrolls.
static const int kWheelRows = 3;

/* RowAtPoint: the row under a client point of the pane; false over the
   header. */
static bool RowAtPoint(int x, int y, uint64_t *pRow)
{
    if (viewer.rowStarts.empty())
        return false;
    POINTL pt = {x, y};
    LONG pos = (LONG)SendMessageA(viewer.pane, EM_CHARFROMPOS, 0, (LPARAM)&pt);
    if (pos < viewer.rowStarts[0])
        return false;
    size_t i = std::upper_bound(viewer.rowStarts.begin(), viewer.rowStarts.end(), pos) - viewer.rowStarts.begin();
    *pRow = viewer.nTop + (i > 0 ? i - 1 : 0);
    return true;
}

/* SelectTo: the caret on nRow, the anchor kept (extend) or moved with it;
   the rows scroll so that the caret is seen. */
static void SelectTo(uint64_t nRow, bool extend)
{
    if (ViewerRows() == 0)
        return;
    if (!extend || !viewer.sel.bActive)
        viewer.sel.nAnchor = extend ? viewer.sel.nCaret : nRow;
    viewer.sel.nCaret = nRow;
    viewer.sel.bActive = true;
    uint64_t top = TopRowShowing(viewer.nTop, nRow, viewer.nVisible, ViewerMaxTop());
    if (top != viewer.nTop)
        ScrollViewerTo(top);
    else
        ShowViewerSelection();
}

/* CopySelectedRows: the dump text of the selected rows to the clipboard,
   refused with a message beyond DUMP_COPY_ROW_LIMIT rows. */
static void CopySelectedRows()
{
    uint64_t rows = SelectionRows(viewer.sel);
    if (rows == 0) {
        MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    if (rows > DUMP_COPY_ROW_LIMIT) {
        ShowDocMessage(viewer.hwnd, DOC_MSG_VIEWER_COPY_TOO_BIG);
        return;
    }
    std::string text = ViewerRowsText(SelectionFirst(viewer.sel), rows);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    char *p = block ? (char *)GlobalLock(block) : NULL;
    if (!p) {
        if (block)
            GlobalFree(block);
        ShowDocMessage(viewer.hwnd, DOC_MSG_VIEWER_NO_MEMORY);
        return;
    }
    std::memcpy(p, text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    if (!OpenClipboard(viewer.hwnd)) {
        GlobalFree(block);
        return;
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_TEXT, block))
        GlobalFree(block);
    CloseClipboard();
}

// ---- the go-to box ----

/* GoToProc: the box's field takes the offset; OK refuses what is not one. */
static INT_PTR CALLBACK GoToProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dlg, DWLP_USER, lParam);
        SendDlgItemMessageA(dlg, VIEWER_GOTO_EDIT_ID, EM_LIMITTEXT, 20, 0);
        SetFocus(GetDlgItem(dlg, VIEWER_GOTO_EDIT_ID));
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            char szText[32] = "";
            GetDlgItemTextA(dlg, VIEWER_GOTO_EDIT_ID, szText, sizeof szText);
            uint64_t *pOffset = (uint64_t *)GetWindowLongPtrA(dlg, DWLP_USER);
            if (!ParseViewerOffset(szText, pOffset)) {
                ShowDocMessage(dlg, DOC_MSG_VIEWER_BAD_OFFSET);
                return TRUE;
            }
            EndDialog(dlg, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dlg, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

/* AddWide: the CP932 text as UTF-16 with its terminator at p; returns the
   position after it. */
static WORD *AddWide(WORD *p, const char *szText)
{
    int n = MultiByteToWideChar(932, 0, szText, -1, (LPWSTR)p, 64);
    return p + (n > 0 ? n : 1);
}

/* AddItem: one control of an in-memory template, DWORD aligned. */
static WORD *AddItem(WORD *p, DWORD style, short x, short y, short cx, short cy, WORD id, WORD cls,
                     const char *szText)
{
    p = (WORD *)(((ULONG_PTR)p + 3) & ~(ULONG_PTR)3);
    DLGITEMTEMPLATE *item = (DLGITEMTEMPLATE *)p;
    item->style = style | WS_CHILD | WS_VISIBLE;
    item->dwExtendedStyle = 0;
    item->x = x;
    item->y = y;
    item->cx = cx;
    item->cy = cy;
    item->id = id;
    p = (WORD *)(item + 1);
    *p++ = 0xFFFF;
    *p++ = cls;
    p = AddWide(p, szText);
    *p++ = 0;  // no creation data
    return p;
}

/* AskOffset: the go-to box; false when cancelled. */
static bool AskOffset(uint64_t *pOffset)
{
    WORD buf[512] = {};
    DLGTEMPLATE *t = (DLGTEMPLATE *)buf;
    t->style = DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    t->cdit = 4;
    t->cx = 160;
    t->cy = 52;
    WORD *p = (WORD *)(t + 1);
    *p++ = 0;  // no menu
    *p++ = 0;  // the dialog class
    p = AddWide(p, "オフセットへ移動");
    *p++ = 9;
    p = AddWide(p, "MS UI Gothic");
    p = AddItem(p, SS_LEFT, 7, 7, 146, 10, 0xFFFF, 0x0082, "オフセット（16進）:");
    p = AddItem(p, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 7, 18, 146, 12, VIEWER_GOTO_EDIT_ID, 0x0081, "");
    p = AddItem(p, BS_DEFPUSHBUTTON | WS_TABSTOP, 50, 34, 50, 14, IDOK, 0x0080, "OK");
    AddItem(p, BS_PUSHBUTTON | WS_TABSTOP, 103, 34, 50, 14, IDCANCEL, 0x0080, "キャンセル");
    return DialogBoxIndirectParamA(GetModuleHandleA(NULL), t, viewer.hwnd, GoToProc, (LPARAM)pOffset) == IDOK;
}

/* GoToOffset: asks an offset and puts its row at the top, selected. */
static void GoToOffset()
{
    uint64_t offset = 0;
    if (!AskOffset(&offset) || ViewerRows() == 0)
        return;
    uint64_t row = RowOfOffset(viewer.nSize, offset);
    viewer.sel.bActive = true;
    viewer.sel.nAnchor = viewer.sel.nCaret = row;
    ScrollViewerTo(row);
    SetFocus(viewer.pane);
}

void ViewerCommand(int id)
{
    switch (id) {
    case VIEWER_CMD_COPY:
        CopySelectedRows();
        break;
    case VIEWER_CMD_GOTO:
        GoToOffset();
        break;
    case VIEWER_CMD_SELECT_ALL:
        if (ViewerRows() > 0) {
            viewer.sel.bActive = true;
            viewer.sel.nAnchor = 0;
            viewer.sel.nCaret = ViewerRows() - 1;
            ShowViewerSelection();
        }
        break;
    }
}

/* ShowContextMenu: copy, go to and select all at a screen point. */
static void ShowContextMenu(int x, int y)
{
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return;
    AppendMenuA(menu, MF_STRING | (viewer.sel.bActive ? 0 : MF_GRAYED), VIEWER_CMD_COPY, "コピー(&C)\tCtrl+C");
    AppendMenuA(menu, MF_STRING, VIEWER_CMD_GOTO, "オフセットへ移動(&G)...\tCtrl+G");
    AppendMenuA(menu, MF_STRING, VIEWER_CMD_SELECT_ALL, "すべて選択(&A)\tCtrl+A");
    if (x == -1 && y == -1) {  // from the keyboard: at the pane's corner
        POINT pt = {10, 10};
        ClientToScreen(viewer.pane, &pt);
        x = pt.x;
        y = pt.y;
    }
    int cmd = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, viewer.hwnd, NULL);
    DestroyMenu(menu);
    if (cmd)
        ViewerCommand(cmd);
}

/* OnPaneKey: the keys of the pane; false for keys left to the control. */
static bool OnPaneKey(WPARAM vk)
{
    bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
    ViewerMove move;
    switch (vk) {
    case VK_UP: move = VIEW_LINE_UP; break;
    case VK_DOWN: move = VIEW_LINE_DOWN; break;
    case VK_PRIOR: move = VIEW_PAGE_UP; break;
    case VK_NEXT: move = VIEW_PAGE_DOWN; break;
    case VK_HOME: move = VIEW_HOME; break;
    case VK_END: move = VIEW_END; break;
    case 'C': case VK_INSERT:
        if (ctrl)
            ViewerCommand(VIEWER_CMD_COPY);
        return ctrl;
    case 'G':
        if (ctrl)
            ViewerCommand(VIEWER_CMD_GOTO);
        return ctrl;
    case 'A':
        if (ctrl)
            ViewerCommand(VIEWER_CMD_SELECT_ALL);
        return ctrl;
    case VK_APPS:
        ShowContextMenu(-1, -1);
        return true;
    default:
        return false;
    }
    uint64_t rows = ViewerRows();
    if (rows == 0)
        return true;
    uint64_t from = viewer.sel.bActive ? viewer.sel.nCaret : viewer.nTop;
    uint64_t page = viewer.nVisible > 1 ? viewer.nVisible - 1 : 1;
    SelectTo(MovedRow(from, move, page, rows - 1), shift);
    return true;
}

/* OnPaneMouse: a press, a drag or a release of the left button. */
static void OnPaneMouse(UINT msg, WPARAM wParam, LPARAM lParam)
{
    int x = (short)LOWORD(lParam), y = (short)HIWORD(lParam);
    uint64_t row;
    if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) {
        SetFocus(viewer.pane);
        if (RowAtPoint(x, y, &row)) {
            SelectTo(row, (wParam & MK_SHIFT) != 0);
            viewer.bDragging = true;
            SetCapture(viewer.pane);
        }
        return;
    }
    if (msg == WM_LBUTTONUP) {
        if (viewer.bDragging)
            ReleaseCapture();
        viewer.bDragging = false;
        return;
    }
    if (!viewer.bDragging)
        return;
    RECT rc;
    GetClientRect(viewer.pane, &rc);
    uint64_t caret = viewer.sel.nCaret;
    if (y >= rc.bottom && caret + 1 < ViewerRows())
        SelectTo(caret + 1, true);  // dragging below the pane scrolls down
    else if (y < rc.top + viewer.nLineHeight * 2 && caret > 0 && caret <= viewer.nTop)
        SelectTo(caret - 1, true);  // and over the header up
    else if (y < rc.bottom && RowAtPoint(x, y, &row) && row != caret)
        SelectTo(row, true);
}

/* DumpPaneProc: the pane's input goes to the viewer's rows; the control
   keeps painting, the horizontal scroll and the focus. */
static LRESULT CALLBACK DumpPaneProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_KEYDOWN:
        if (OnPaneKey(wParam))
            return 0;
        break;
    case WM_CHAR:
        return 0;  // read-only: Ctrl+C and the like arrive here as characters too
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
        OnPaneMouse(msg, wParam, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        viewer.bDragging = false;
        break;
    case WM_MOUSEWHEEL:
        OnViewerWheel((short)HIWORD(wParam));
        return 0;
    case WM_RBUTTONDOWN:
        return 0;
    case WM_RBUTTONUP: {
        POINT pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
        ClientToScreen(hwnd, &pt);
        ShowContextMenu(pt.x, pt.y);
        return 0;
    }
    case WM_CONTEXTMENU:
        ShowContextMenu((short)LOWORD(lParam), (short)HIWORD(lParam));
        return 0;
    }
    return CallWindowProcA(PrevPaneProc, hwnd, msg, wParam, lParam);
}

void HookViewerPane(HWND pane)
{
    WNDPROC prev = (WNDPROC)SetWindowLongPtrA(pane, GWLP_WNDPROC, (LONG_PTR)DumpPaneProc);
    if (prev != DumpPaneProc)
        PrevPaneProc = prev;
}

void OnViewerRowBar(WORD code, WORD pos16)
{
    uint64_t page = viewer.nVisible > 1 ? viewer.nVisible - 1 : 1, maxTop = ViewerMaxTop();
    ViewerMove move;
    switch (code) {
    case SB_LINEUP: move = VIEW_LINE_UP; break;
    case SB_LINEDOWN: move = VIEW_LINE_DOWN; break;
    case SB_PAGEUP: move = VIEW_PAGE_UP; break;
    case SB_PAGEDOWN: move = VIEW_PAGE_DOWN; break;
    case SB_TOP: move = VIEW_HOME; break;
    case SB_BOTTOM: move = VIEW_END; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        // The message's position has 16 bits only: the bar's track position
        // has 32 while the thumb is dragged (a request sent without a drag
        // has only the message's).
        SCROLLINFO si = {};
        si.cbSize = sizeof si;
        si.fMask = SIF_TRACKPOS;
        GetScrollInfo(viewer.rowBar, SB_CTL, &si);
        int pos = (WORD)si.nTrackPos == pos16 ? si.nTrackPos : pos16;
        ScrollViewerTo(RowOfScrollPos(ScrollScaleFor(maxTop), pos, maxTop));
        return;
    }
    default:
        return;
    }
    ScrollViewerTo(MovedRow(viewer.nTop, move, page, maxTop));
}

void OnViewerWheel(int delta)
{
    static int rest = 0;  // a fine wheel's part of a notch
    rest += delta;
    int notches = rest / WHEEL_DELTA;
    rest -= notches * WHEEL_DELTA;
    if (notches == 0)
        return;
    int64_t top = (int64_t)viewer.nTop - (int64_t)notches * kWheelRows;
    ScrollViewerTo(top > 0 ? (uint64_t)top : 0);
}
