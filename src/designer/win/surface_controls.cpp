// Creating, deleting, quantising and aligning the controls of the design dialog.
#include "designer/win/designer_win.h"

#include <commctrl.h>
#include <cstring>

#include "app/frame/globals.h"
#include "designer/class_table.h"
#include "designer/flags.h"
#include "designer/surface_ops.h"
#include "designer/update.h"
#include "resource_ids.h"

/* FreeControlId: the lowest window id from 700 that no live record uses. */
int FreeControlId()
{
    for (int id = kIdFreeBegin;; id++) {
        bool used = false;
        for (int i = 0; i < designer.Icount && !used; i++)
            used = designer.Ctrls[i].id == id && IsLiveRecord(designer.Ctrls[i]);
        if (!used)
            return id;
    }
}

static void Choose(Ctrldata &rec, const char *name)
{
    int i = FindFlagIndex(rec.szClass, name);
    if (i >= 0)
        rec.selClass[i] = 1;
}

/* Set-up of the kinds that need items to be seen. */
static void SetUpKind(UINT cmd, HWND w, const RECT &rc)
{
    if (cmd == 429) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.iImage = -1;
        item.pszText = (LPSTR) "Tab1";
        SendMessageA(w, TCM_INSERTITEMA, 0, (LPARAM)&item);
        item.pszText = (LPSTR) "Tab2";
        SendMessageA(w, TCM_INSERTITEMA, 1, (LPARAM)&item);
    } else if (cmd == 432) {
        RECT r = {0, 0, rc.right - rc.left, rc.bottom - rc.top};
        WINDOWPOS wp;
        HDLAYOUT layout = {&r, &wp};
        if (SendMessageA(w, HDM_LAYOUT, 0, (LPARAM)&layout))
            SetWindowPos(w, wp.hwndInsertAfter, rc.left, rc.top, wp.cx, wp.cy, wp.flags | SWP_SHOWWINDOW);
        HDITEMA item = {};
        item.mask = HDI_TEXT | HDI_FORMAT | HDI_WIDTH;
        item.fmt = HDF_STRING;
        item.cxy = 32;
        item.pszText = (LPSTR) "Header1";
        SendMessageA(w, HDM_INSERTITEMA, 0, (LPARAM)&item);
        item.cxy = 80;
        item.pszText = (LPSTR) "Header2";
        SendMessageA(w, HDM_INSERTITEMA, 1, (LPARAM)&item);
    } else if (cmd == 440) {
        REBARINFO info = {sizeof info, 0, NULL};
        SendMessageA(w, RB_SETBARINFO, 0, (LPARAM)&info);
        const char *texts[2] = {"Band1", "Band2"};
        UINT widths[2] = {30, 50};
        COLORREF backs[2] = {0x206000, 0x602000};
        for (int b = 0; b < 2; b++) {
            REBARBANDINFOA band = {};
            band.cbSize = sizeof band;
            band.fMask = RBBIM_TEXT | RBBIM_STYLE | RBBIM_SIZE | RBBIM_COLORS | RBBIM_CHILDSIZE | RBBIM_HEADERSIZE;
            band.fStyle = RBBS_CHILDEDGE | RBBS_VARIABLEHEIGHT;
            band.lpText = (LPSTR)texts[b];
            band.cx = widths[b];
            band.clrFore = 0;
            band.clrBack = backs[b];
            band.cxMinChild = 45;
            band.cyMinChild = 25;
            band.cyMaxChild = 25;
            band.cxHeader = 20;
            SendMessageA(w, RB_INSERTBANDA, (WPARAM)-1, (LPARAM)&band);
        }
    }
}

/* CreateDesignControl: a control of the chosen kind in the drawn rectangle; returns its record or -1. */
int CreateDesignControl(UINT cmd, const RECT &rc)
{
    if (designer.Icount >= kMaxControls) {
        MessageBoxA(designer.hDesignDlg, "これ以上作れません", "too many controls", MB_OK | MB_ICONEXCLAMATION);
        return -1;
    }
    static const DWORD kButtonStyles[8] = {0x50002000, 0x50002003, 0x50002009, 0x50002007,
                                           0x50002001, 0x50003003, 0x50003009, 0x50002006};
    static const char *const kButtonChoices[8] = {"BS_PUSHBUTTON", "BS_AUTOCHECKBOX", "BS_AUTORADIOBUTTON",
                                                  "BS_GROUPBOX", "BS_DEFPUSHBUTTON", "BS_AUTOCHECKBOX",
                                                  "BS_AUTORADIOBUTTON", "BS_AUTO3STATE"};
    Ctrldata rec;
    memset(&rec, 0, sizeof rec);
    DWORD style;
    int row;
    if (cmd >= 410 && cmd <= 417) {
        row = 23;
        style = kButtonStyles[cmd - 410];
    } else if (cmd >= 420 && cmd <= 442 && cmd != 431) {
        row = cmd - 420;
        style = cmd == 420 ? 0x50000100 : 0x50000000;
    } else
        return -1;
    strcpy(rec.szClass, g_classInfo[row].className);
    if (cmd >= 410 && cmd <= 417) {
        Choose(rec, "BS_MULTILINE");
        Choose(rec, kButtonChoices[cmd - 410]);
        if (cmd == 415 || cmd == 416)
            Choose(rec, "BS_PUSHLIKE");
    }
    if (cmd == 424) {
        style |= CBS_DROPDOWN;
        Choose(rec, "CBS_DROPDOWN");
    }
    rec.id = FreeControlId();
    HWND w = CreateWindowExA(WS_EX_CLIENTEDGE, rec.szClass, "", style, rc.left, rc.top, rc.right - rc.left,
                             rc.bottom - rc.top, designer.hDesignDlg, (HMENU)(INT_PTR)rec.id, frame.hInst, NULL);
    if (!w) {
        MessageBoxA(designer.hDesignDlg, "作成されませんでした", "失敗", MB_OK | MB_ICONEXCLAMATION);
        return -1;
    }
    if (DesignFont())
        SendMessageA(w, WM_SETFONT, (WPARAM)DesignFont(), TRUE);
    if (cmd == 425) {
        int i = FindFlagIndex("WNDCLASS", "WS_BORDER");
        if (i >= 0) rec.selWnd[i] = 1;
        style |= WS_BORDER;
    }
    SetUpKind(cmd, w, rc);
    rec.hwnd = w;
    strcpy(rec.szIdent, kUnnamedMark);
    rec.style = style;
    designer.Ctrls[designer.Icount] = rec;
    int index = designer.Icount++;
    RefreshRecordRect(index);
    return index;
}

/* DeleteRecord: hides a control read from the script, removes a drawn one, compacts. */
void DeleteRecord(int index)
{
    if (index < 0 || index >= designer.Icount)
        return;
    ReturnSizeBox();
    Ctrldata &c = designer.Ctrls[index];
    if (designer.bCustomise && strncmp(c.szIdent, kUnnamedMark, 2) != 0) {
        if (strncmp(c.szIdent, kDeletedMark, 2) != 0) {
            std::string marked = std::string(kDeletedMark) + c.szIdent;
            CopyField(c.szIdent, sizeof c.szIdent, marked.data(), marked.size());
        }
        ShowWindow((HWND)c.hwnd, SW_HIDE);
    } else {
        if (c.hwnd && IsWindow((HWND)c.hwnd))
            DestroyWindow((HWND)c.hwnd);
        memset(&c, 0, sizeof c);
    }
    CompactRecords();
    RefreshControlList();
}

/* QuantiseControls: widths to multiples of 2 * gridpixelX, or heights to gridpixelY. */
void QuantiseControls(BOOL widths)
{
    for (int i = 0; i < designer.Icount; i++) {
        if (!IsLiveRecord(designer.Ctrls[i]))
            continue;
        RefreshRecordRect(i);
        Ctrldata &c = designer.Ctrls[i];
        int cx = c.right - c.left, cy = c.bottom - c.top;
        if (widths)
            cx = QuantiseExtent(cx, 2 * designer.gridpixelX);
        else
            cy = QuantiseExtent(cy, designer.gridpixelY);
        SetWindowPos((HWND)c.hwnd, NULL, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RefreshRecordRect(i);
        char text[256];
        GetWindowTextA((HWND)c.hwnd, text, sizeof text);
        SetWindowTextA((HWND)c.hwnd, text);
    }
    RefreshControlList();
}

/* AlignControls: near left (or top) edges collapse onto the first of their run. */
void AlignControls(BOOL lefts)
{
    std::vector<int> index, edges;
    for (int i = 0; i < designer.Icount; i++)
        if (IsLiveRecord(designer.Ctrls[i]) && RefreshRecordRect(i)) {
            index.push_back(i);
            edges.push_back(lefts ? designer.Ctrls[i].left : designer.Ctrls[i].top);
        }
    AlignEdges(edges, lefts ? 2 * designer.gridpixelX - 2 : designer.gridpixelY - 2);
    for (size_t k = 0; k < index.size(); k++) {
        Ctrldata &c = designer.Ctrls[index[k]];
        int x = lefts ? edges[k] : c.left, y = lefts ? c.top : edges[k];
        SetWindowPos((HWND)c.hwnd, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        RefreshRecordRect(index[k]);
    }
    InvalidateRect(designer.hDesignDlg, NULL, TRUE);
    RefreshControlList();
}

/* RestyleControl: a new live style; scroll bars and combo boxes are re-created for it. */
void RestyleControl(int index, DWORD style)
{
    Ctrldata &c = designer.Ctrls[index];
    HWND w = (HWND)c.hwnd;
    if (strcmp(c.szClass, "SCROLLBAR") == 0 || strcmp(c.szClass, "COMBOBOX") == 0) {
        RECT r = {c.left, c.top, c.right, c.bottom};
        HWND n = CreateWindowExA(WS_EX_CLIENTEDGE, c.szClass, "", style, r.left, r.top, r.right - r.left,
                                 r.bottom - r.top, designer.hDesignDlg, (HMENU)(INT_PTR)c.id, frame.hInst, NULL);
        if (!n) {
            MessageBoxA(designer.hDesignDlg, "作成されませんでした", "失敗", MB_OK | MB_ICONEXCLAMATION);
            return;
        }
        if (DesignFont())
            SendMessageA(n, WM_SETFONT, (WPARAM)DesignFont(), TRUE);
        ReturnSizeBox(); // it may lie on the old window
        DestroyWindow(w);
        c.hwnd = n;
    } else {
        SetWindowLongPtrA(w, GWL_STYLE, (LONG_PTR)style);
        SetWindowPos(w, NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
        InvalidateRect(w, NULL, TRUE);
    }
    c.style = style;
}
