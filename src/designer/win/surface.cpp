// The design dialog: controls drawn as rectangles, picked up and moved, given a menu.
#include "designer/win/designer_win.h"

#include <commctrl.h>
#include <cstring>

#include "app/frame/globals.h"
#include "app/frame/rubber_band.h"
#include "app/frame/subsystem_commands.h"
#include "designer/class_table.h"
#include "designer/flags.h"
#include "designer/locator.h"
#include "designer/surface_ops.h"
#include "designer/template.h"
#include "designer/units.h"
#include "designer/update.h"
#include "resource_ids.h"

enum Operation { OP_NONE, OP_DRAWING, OP_MOVING };

static Operation op = OP_NONE;
static POINT ptStart, ptLast, ptOffset, ptFrom;
static HWND hMoving;
static RECT rcDrawn;
static HFONT hDesignFont;

/* BuildDesignTemplate: the dialog header, and in customise mode one item per record. */
static std::vector<uint8_t> BuildDesignTemplate(const Dlgdata &d, BOOL customise)
{
    size_t need = 4096 + (customise ? (size_t)designer.Icount * (40 + 2 * (32 + 256)) : 0);
    std::vector<uint8_t> bytes(need, 0);
    TemplateBuffer buf = {bytes.data(), bytes.size(), 0, false};
    WriteTemplateHeader(buf, d, d.style | kWsVisible, (uint16_t)(customise ? designer.Icount : 0), true,
                        Cp932ToUtf16Win);
    if (customise)
        for (int i = 0; i < designer.Icount; i++)
            AppendItem(buf, designer.Ctrls[i], Cp932ToUtf16Win);
    SORA_ASSERT(!buf.overflow);
    bytes.resize(buf.size);
    return bytes;
}

/* RecordOfWindow: the record index of a window on the design dialog, or -1. */
int RecordOfWindow(HWND hwnd)
{
    for (int i = 0; i < designer.Icount; i++)
        if ((HWND)designer.Ctrls[i].hwnd == hwnd)
            return i;
    return -1;
}

/* The design dialog's direct child under a client point, or NULL (the size box is ignored). */
static HWND ChildAt(POINT pt)
{
    HWND child = ChildWindowFromPointEx(designer.hDesignDlg, pt, CWP_SKIPINVISIBLE);
    if (!child || child == designer.hDesignDlg || GetDlgCtrlID(child) == IDC_DSG_SIZEBOX)
        return NULL;
    while (child && GetParent(child) != designer.hDesignDlg)
        child = GetParent(child);
    return child;
}

/* RefreshRecordRect: the record's rectangle from its window, in design-dialog pixels. */
BOOL RefreshRecordRect(int index)
{
    HWND w = (HWND)designer.Ctrls[index].hwnd;
    RECT r;
    if (!w || !GetWindowRect(w, &r))
        return FALSE;
    MapWindowPoints(NULL, designer.hDesignDlg, (POINT *)&r, 2);
    designer.Ctrls[index].left = r.left;
    designer.Ctrls[index].top = r.top;
    designer.Ctrls[index].right = r.right;
    designer.Ctrls[index].bottom = r.bottom;
    return TRUE;
}

/* RecordRectInDlu: x, y, width, height of a record in dialog units. */
RECT RecordRectInDlu(const Ctrldata &c)
{
    RECT r;
    r.left = PixelsToDluX(c.left, designer.gridpixelX);
    r.top = PixelsToDluY(c.top, designer.gridpixelY);
    r.right = PixelsToDluX(c.right - c.left, designer.gridpixelX);
    r.bottom = PixelsToDluY(c.bottom - c.top, designer.gridpixelY);
    return r;
}

/* Grid lines every gridpixelX / gridpixelY pixels. */
static void PaintGrid(HWND hwnd, HDC dc)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    HPEN pen = CreatePen(PS_SOLID, 1, 0xF0A000);
    HGDIOBJ old = SelectObject(dc, pen);
    for (int x = 1; designer.gridpixelX > 0 && x < rc.right; x += designer.gridpixelX) {
        MoveToEx(dc, x, 0, NULL);
        LineTo(dc, x, rc.bottom);
    }
    for (int y = 1; designer.gridpixelY > 0 && y < rc.bottom; y += designer.gridpixelY) {
        MoveToEx(dc, 0, y, NULL);
        LineTo(dc, rc.right, y);
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

/* SelectStatementOfRecord: selects the dialog's first line, then the control's statement. */
void SelectStatementOfRecord(int index)
{
    if (!frame.hCurEdit || index < 0 || index >= designer.Icount || !designer.bCustomise)
        return;
    std::string header = DialogListHeader();
    std::string first = header.empty() ? std::string(designer.dlgDataOrg.szName) + " " + designer.dlgDataOrg.szType
                                       : header.substr(0, header.find_first_of("\r\n"));
    BOOL found = SelectTextInEdit(frame.hCurEdit, first, FALSE);
    (void)found;
    std::string body = DialogListBody();
    if (body.empty())
        return;
    Ctrldata plain = designer.Ctrls[index];
    const char *id = plain.szIdent;
    if (strncmp(id, kDeletedMark, 2) == 0)
        memmove(plain.szIdent, id + 2, strlen(id + 2) + 1);
    TextSpan t = FindControlStatement(body, plain);
    if (t.found)
        SelectTextInEdit(frame.hCurEdit, body.substr(t.start, t.length), TRUE);
}

/* Starts moving a control: pointer offset kept, control disabled, mouse captured. */
static void BeginMove(HWND hwnd, HWND child, POINT pt)
{
    int index = RecordOfWindow(child);
    if (index < 0)
        return;
    designer.nSelected = index;
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(NULL, hwnd, (POINT *)&r, 2);
    ptOffset.x = r.left - pt.x;
    ptOffset.y = r.top - pt.y;
    ptFrom.x = r.left;
    ptFrom.y = r.top;
    SelectStatementOfRecord(index);
    EnableWindow(child, FALSE);
    ClassInfo *row = FindClassInfo(designer.Ctrls[index].szClass);
    if (row && strcmp(row->className, "BUTTON") == 0) {
        int slot = FindFlagIndex("BUTTON", "BS_AUTORADIOBUTTON");
        if (slot >= 0 && designer.Ctrls[index].selClass[slot]) {
            LONG_PTR st = GetWindowLongPtrA(child, GWL_STYLE);
            SetWindowLongPtrA(child, GWL_STYLE, (st & ~(LONG_PTR)0xF) | BS_RADIOBUTTON);
        }
    }
    hMoving = child;
    op = OP_MOVING;
    SetCapture(hwnd);
}

/* Ends a move at a client point: capture released, control enabled and kept
   inside the dialog (back where it was when dropped outside), rectangle re-read. */
static void EndMove(HWND hwnd, POINT drop)
{
    int index = RecordOfWindow(hMoving);
    ReleaseCapture();
    EnableWindow(hMoving, TRUE);
    RECT r, client;
    GetWindowRect(hMoving, &r);
    MapWindowPoints(NULL, hwnd, (POINT *)&r, 2);
    GetClientRect(hwnd, &client);
    DropPlace at = PlaceDroppedControl(r.left, r.top, r.right - r.left, r.bottom - r.top, drop.x, drop.y, ptFrom.x,
                                       ptFrom.y, client.right, client.bottom);
    if (at.x != r.left || at.y != r.top) {
        SetWindowPos(hMoving, NULL, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(hwnd, NULL, TRUE);
    }
    if (at.back) {
        MessageBeep(MB_ICONEXCLAMATION);
        ShowStatusMessage("ダイアログの外には置けません。コントロールを元の位置に戻しました。",
                          5000);
    }
    if (index >= 0)
        RefreshRecordRect(index);
    op = OP_NONE;
    hMoving = NULL;
    RefreshControlList();
}

/* The control menu of a record at a screen point. */
static void ShowControlMenu(HWND hwnd, int index, POINT screen)
{
    HMENU bar = LoadMenuA(frame.hInst, "MYPOPUP3");
    if (!bar)
        return;
    HMENU menu = GetSubMenu(bar, 0);
    designer.nSelected = index;
    std::string flags = std::string(designer.Ctrls[index].szClass) + "のフラグ";
    ModifyMenuA(menu, IDM_CTL_FLAGS, MF_BYCOMMAND | MF_STRING, IDM_CTL_FLAGS, flags.c_str());
    SelectStatementOfRecord(index);
    if (strncmp(designer.Ctrls[index].szClass, "BUTTON", 6) != 0 &&
        strncmp(designer.Ctrls[index].szClass, "STATIC", 6) != 0)
        EnableMenuItem(menu, IDM_CTL_TEXT, MF_BYCOMMAND | MF_GRAYED);
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, screen.x, screen.y, 0, hwnd, NULL);
    DestroyMenu(bar);
}

static void OnParentNotify(HWND hwnd, WPARAM wp, LPARAM lp)
{
    UINT event = LOWORD(wp);
    POINT pt = {(short)LOWORD(lp), (short)HIWORD(lp)};
    if (SizeBoxIsUnder(pt))
        return; // the size box takes this press itself
    if (event == WM_LBUTTONDOWN && op == OP_NONE) {
        HWND child = ChildAt(pt);
        if (child)
            BeginMove(hwnd, child, pt);
    } else if (event == WM_LBUTTONDOWN && op == OP_MOVING) {
        EndMove(hwnd, pt);
    } else if (event == WM_RBUTTONDOWN && op == OP_NONE) {
        HWND child = ChildAt(pt);
        int index = child ? RecordOfWindow(child) : -1;
        if (index >= 0) {
            ClientToScreen(hwnd, &pt);
            ShowControlMenu(hwnd, index, pt);
        }
    }
}

static void OnLButtonDown(HWND hwnd, LPARAM lp)
{
    POINT pt = {(short)LOWORD(lp), (short)HIWORD(lp)};
    if (op == OP_MOVING) {
        EndMove(hwnd, pt);
        return;
    }
    HWND child = ChildAt(pt);
    if (child) { // a disabled control passes its clicks to us
        BeginMove(hwnd, child, pt);
        return;
    }
    ReturnSizeBox();
    op = OP_DRAWING;
    ptStart = ptLast = pt;
    SetCapture(hwnd);
    SetCursor(LoadCursor(NULL, IDC_CROSS));
}

static void OnMouseMove(HWND hwnd, LPARAM lp)
{
    POINT pt = {(short)LOWORD(lp), (short)HIWORD(lp)};
    if (op == OP_DRAWING) {
        SetCursor(LoadCursor(NULL, IDC_CROSS));
        DrawRubberBand(hwnd, ptStart, ptLast);
        ptLast = pt;
        DrawRubberBand(hwnd, ptStart, ptLast);
    } else if (op == OP_MOVING && hMoving) {
        SetWindowPos(hMoving, NULL, pt.x + ptOffset.x, pt.y + ptOffset.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(hwnd, NULL, TRUE);
    }
}

static void OnLButtonUp(HWND hwnd, LPARAM lp)
{
    if (op != OP_DRAWING)
        return;
    POINT pt = {(short)LOWORD(lp), (short)HIWORD(lp)};
    DrawRubberBand(hwnd, ptStart, ptLast);
    ReleaseCapture();
    op = OP_NONE;
    rcDrawn.left = ptStart.x < pt.x ? ptStart.x : pt.x;
    rcDrawn.top = ptStart.y < pt.y ? ptStart.y : pt.y;
    rcDrawn.right = ptStart.x < pt.x ? pt.x : ptStart.x;
    rcDrawn.bottom = ptStart.y < pt.y ? pt.y : ptStart.y;
    if (rcDrawn.right - rcDrawn.left < 2 || rcDrawn.bottom - rcDrawn.top < 2)
        return;
    HMENU bar = LoadMenuA(frame.hInst, "MYPOPUP2");
    if (!bar)
        return;
    POINT screen = pt;
    ClientToScreen(hwnd, &screen);
    TrackPopupMenu(GetSubMenu(bar, 0), TPM_LEFTALIGN | TPM_TOPALIGN, screen.x, screen.y, 0, hwnd, NULL);
    DestroyMenu(bar);
}

/* Width and height of the panel fields follow a resize of the design dialog. */
static void OnSize(HWND hwnd)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    HWND panel = GetParent(hwnd) ? GetParent(hwnd) : frame.hMakeDlgD;
    if (panel && designer.gridpixelX && designer.gridpixelY) {
        SetDlgItemInt(frame.hMakeDlgD, IDC_DSG_WIDTH, rc.right * 4 / designer.gridpixelX, FALSE);
        SetDlgItemInt(frame.hMakeDlgD, IDC_DSG_HEIGHT, rc.bottom * 8 / designer.gridpixelY, FALSE);
    }
    if (designer.hOptDlg)
        PlaceWindow(designer.hOptDlg, hwnd, "top");
    ReturnSizeBox();
}

/* Set-up: font, grid, size for the record's client area, place beside the panel, size box. */
static void OnInitDesign(HWND hwnd)
{
    designer.hDesignDlg = hwnd;
    HDC dc = GetDC(hwnd);
    int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc)
        ReleaseDC(hwnd, dc);
    hDesignFont = CreateFontA(-MulDiv(designer.dlgData.pointSize, dpi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                              SHIFTJIS_CHARSET, 0, 0, 0, 0, designer.dlgData.szFace);
    // The dialog manager's own base units of this dialog, so that dialog units read from a
    // script come back unchanged after the round trip through pixels.
    RECT units = {0, 0, 4, 8};
    if (MapDialogRect(hwnd, &units) && units.right > 0 && units.bottom > 0) {
        designer.gridpixelX = units.right;
        designer.gridpixelY = units.bottom;
    } else if (!MeasureDialogUnits(hwnd, designer.dlgData.pointSize, designer.dlgData.szFace, &designer.gridpixelX,
                                   &designer.gridpixelY)) {
        designer.gridpixelX = 8;
        designer.gridpixelY = 16;
    }
    RECT rc = {0, 0, DluToPixelsX(designer.dlgData.cx, designer.gridpixelX),
               DluToPixelsY(designer.dlgData.cy, designer.gridpixelY)};
    AdjustWindowRectEx(&rc, 0x90C80080, FALSE, 0);
    RECT panel;
    GetWindowRect(frame.hMakeDlgD, &panel);
    SetWindowPos(hwnd, NULL, panel.right + designer.dlgData.x, panel.top + designer.dlgData.y, rc.right - rc.left,
                 rc.bottom - rc.top, SWP_NOZORDER | SWP_NOACTIVATE);
    designer.hSizeBox = CreateSizeBox(hwnd);
}

/* Commands of the design dialog and of its control menus. */
static void OnDesignCommand(HWND hwnd, UINT id)
{
    if (id >= IDM_DESIGN_FIRST && id <= IDM_DESIGN_LAST) {
        CreateDesignControl(id, rcDrawn);
        RefreshControlList();
        return;
    }
    switch (id) {
    case IDCANCEL:
        MessageBoxA(hwnd, "「中止」ボタンで終了してください。", "OK", MB_OK);
        break;
    case IDM_CTL_FLAGS:
        if (designer.nSelected >= 0) {
            if (designer.hFlagDlg && IsWindow(designer.hFlagDlg))
                DestroyWindow(designer.hFlagDlg);
            designer.hFlagDlg = CreateFlagDialog(designer.nSelected);
        }
        break;
    case IDM_CTL_TEXT:
        if (designer.nSelected >= 0)
            AskControlText(designer.nSelected);
        break;
    case IDM_CTL_SIZE:
        if (designer.nSelected >= 0 && op == OP_NONE)
            ShowSizeBoxOn((HWND)designer.Ctrls[designer.nSelected].hwnd);
        break;
    case IDM_CTL_FINE:
        if (designer.nSelected >= 0 && !(designer.hFineDlg && IsWindow(designer.hFineDlg)))
            designer.hFineDlg = CreateFineDialog(designer.nSelected);
        break;
    case IDM_CTL_MOVE:
        if (designer.nSelected >= 0 && op == OP_NONE) {
            HWND w = (HWND)designer.Ctrls[designer.nSelected].hwnd;
            RECT r;
            GetWindowRect(w, &r);
            MapWindowPoints(NULL, hwnd, (POINT *)&r, 2);
            POINT pt = {r.left + 1, r.top + 1};
            POINT screen = pt;
            ClientToScreen(hwnd, &screen);
            SetCursorPos(screen.x, screen.y);
            BeginMove(hwnd, w, pt);
        }
        break;
    case IDM_CTL_DELETE:
        if (designer.nSelected >= 0)
            DeleteRecord(designer.nSelected);
        break;
    case IDM_CTL_SCRIPT:
        if (designer.nSelected >= 0) {
            std::string caption = std::string("#define IDC_TEMP_") +
                                  (FindClassInfo(designer.Ctrls[designer.nSelected].szClass)
                                       ? FindClassInfo(designer.Ctrls[designer.nSelected].szClass)->identWord
                                       : "CTRL") +
                                  "  1";
            MessageBoxA(hwnd, ControlScriptOfRecord(designer.nSelected).c_str(), caption.c_str(), MB_OK);
        }
        break;
    }
}

static INT_PTR CALLBACK DesignDlgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_INITDIALOG:
        OnInitDesign(hwnd);
        return TRUE;
    case WM_PARENTNOTIFY:
        OnParentNotify(hwnd, wp, lp);
        return TRUE;
    case WM_LBUTTONDOWN:
        OnLButtonDown(hwnd, lp);
        return TRUE;
    case WM_MOUSEMOVE:
        OnMouseMove(hwnd, lp);
        return TRUE;
    case WM_LBUTTONUP:
        OnLButtonUp(hwnd, lp);
        return TRUE;
    case WM_SIZE:
        OnSize(hwnd);
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        if (designer.bGridOn)
            PaintGrid(hwnd, dc);
        EndPaint(hwnd, &ps);
        return TRUE;
    }
    case WM_COMMAND:
        if (CommandIdsHold(designSurfaceCommandIds, LOWORD(wp)))
            OnDesignCommand(hwnd, LOWORD(wp));
        return TRUE;
    case WM_DESIGN_SELECTDO:
        if ((int)lp >= 0 && (int)lp < designer.Icount) {
            designer.nSelected = (int)lp;
            if (wp)
                OnDesignCommand(hwnd, (UINT)wp);
        }
        return TRUE;
    case WM_DESTROY:
        if (hDesignFont)
            DeleteObject(hDesignFont);
        hDesignFont = NULL;
        designer.hDesignDlg = NULL;
        designer.hSizeBox = NULL;
        op = OP_NONE;
        return TRUE;
    case WM_NCDESTROY: // the children are gone: their copied fonts can go
        FreeCopiedFonts();
        return FALSE;
    }
    return FALSE;
}

/* CreateDesignDialog: the live design dialog from the in-memory template. */
HWND CreateDesignDialog(HWND panel)
{
    std::vector<uint8_t> bytes = BuildDesignTemplate(designer.dlgData, designer.bCustomise);
    HWND hwnd = CreateDialogIndirectParamA(frame.hInst, (LPCDLGTEMPLATEA)bytes.data(), panel, DesignDlgProc, 0);
    SORA_ASSERT(hwnd != NULL);
    return hwnd;
}

/* Font of the design dialog for a new child. */
HFONT DesignFont()
{
    return hDesignFont;
}
