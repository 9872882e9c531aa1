// The flag dialog DECODETAILDLG of one control, the text dialog DECOENTRYDLG and the
// fine-adjust dialog SIZEMOVEDIALOG.
#include "designer/win/designer_win.h"

#include <commctrl.h>
#include <cstdio>
#include <cstring>

#include "app/frame/globals.h"
#include "designer/class_table.h"
#include "designer/flags.h"
#include "designer/update.h"
#include "designer/win/flag_list.h"
#include "resource_ids.h"

static int nFlagRecord = -1, nFineRecord = -1;
static BOOL bFillingFlags;

/* Groups of the flag dialog's list: own row, window, window extended, common control. */
static int32_t *RecordChoices(Ctrldata &c, int group)
{
    switch (group) {
    case 0: return c.selClass;
    case 1: return c.selWnd;
    case 2: return c.selWndEx;
    default: return c.selComctl;
    }
}

static const FlagEntry &GroupFlag(const Ctrldata &c, int group, int slot)
{
    ClassInfo *row = FindClassInfo(c.szClass);
    if (group == 0) return row->style[slot];
    if (group == 1) return g_classInfo[kRowWndclass].style[slot];
    if (group == 2) return g_classInfo[kRowWndclass].exStyle[slot];
    return g_classInfo[kRowComctl].style[slot];
}

static BOOL IsCommonControl(const char *cls)
{
    static const char *const kPlain[] = {"EDIT", "COMBOBOX", "LISTBOX", "SCROLLBAR", "BUTTON", "STATIC"};
    for (const char *p : kPlain)
        if (strncmp(cls, p, strlen(p)) == 0)
            return FALSE;
    return TRUE;
}

static void RefreshFlagChecks(HWND dlg)
{
    if (nFlagRecord < 0 || nFlagRecord >= designer.Icount)
        return;
    HWND list = GetDlgItem(dlg, IDC_FLG_LIST);
    bFillingFlags = TRUE;
    for (int i = 0, n = ListView_GetItemCount(list); i < n; i++) {
        int slot, group;
        FlagItemTag(list, i, &slot, &group);
        ListView_SetCheckState(list, i, RecordChoices(designer.Ctrls[nFlagRecord], group)[slot]);
    }
    bFillingFlags = FALSE;
    SetDlgItemTextA(dlg, IDC_FLG_IDENT, (std::string("ID name：") + designer.Ctrls[nFlagRecord].szIdent).c_str());
}

/* A flag of the control checked or unchecked: the choice, then the live style. */
static void OnControlFlagToggled(HWND dlg, int item)
{
    if (nFlagRecord < 0 || nFlagRecord >= designer.Icount)
        return;
    Ctrldata &c = designer.Ctrls[nFlagRecord];
    HWND list = GetDlgItem(dlg, IDC_FLG_LIST);
    int slot, group;
    FlagItemTag(list, item, &slot, &group);
    const FlagEntry &f = GroupFlag(c, group, slot);
    int checked = ItemChecked(list, item);
    if (!f.name || !strcmp(f.name, "WS_CHILD") || !strcmp(f.name, "WS_VISIBLE")) {
        RefreshFlagChecks(dlg); // these two stay as they are
        return;
    }
    int32_t *choices = RecordChoices(c, group);
    if (choices[slot] == checked)
        return;
    choices[slot] = checked;
    if (strstr(f.name, "_EX_")) // recorded for the script only
        return;
    HWND w = (HWND)c.hwnd;
    DWORD old = (DWORD)GetWindowLongPtrA(w, GWL_STYLE);
    DWORD style = checked ? old | f.value : old & ~f.value;
    style = (style | WS_CHILD | WS_VISIBLE) & ~WS_POPUP;
    if (!strcmp(f.name, "SS_NOTIFY")) // the surface still needs the static's clicks
        style |= SS_NOTIFY;
    RestyleControl(nFlagRecord, style);
    DWORD now = (DWORD)GetWindowLongPtrA((HWND)c.hwnd, GWL_STYLE);
    ClearUnsetChoices(now, c.szClass, c.selClass);
    ClearUnsetChoices(now, "WNDCLASS", c.selWnd);
    ClearUnsetChoices(now, "COMCTL", c.selComctl);
    RefreshFlagChecks(dlg);
}

static void SendDesign(UINT cmd)
{
    if (designer.hDesignDlg)
        SendMessageA(designer.hDesignDlg, WM_DESIGN_SELECTDO, cmd, nFlagRecord);
}

static INT_PTR CALLBACK FlagProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_INITDIALOG: {
        Ctrldata &c = designer.Ctrls[nFlagRecord];
        ClassInfo *row = FindClassInfo(c.szClass);
        SORA_ASSERT(row != NULL);
        SetDlgItemTextA(dlg, IDC_FLG_CLASS, (std::string("Control：") + c.szClass).c_str());
        HWND list = GetDlgItem(dlg, IDC_FLG_LIST);
        InitFlagList(list);
        bFillingFlags = TRUE;
        if (row)
            AddFlagItems(list, (int)(row - g_classInfo), FALSE, 0);
        AddFlagItems(list, kRowWndclass, FALSE, 1);
        AddFlagItems(list, kRowWndclass, TRUE, 2);
        if (IsCommonControl(c.szClass))
            AddFlagItems(list, kRowComctl, FALSE, 3);
        bFillingFlags = FALSE;
        RefreshFlagChecks(dlg);
        BOOL textual = !strncmp(c.szClass, "BUTTON", 6) || !strncmp(c.szClass, "STATIC", 6);
        EnableWindow(GetDlgItem(dlg, IDC_FLG_TEXT), textual);
        return TRUE;
    }
    case WM_NOTIFY: {
        NMHDR *nm = (NMHDR *)lp;
        if (nm->idFrom == IDC_FLG_LIST && nm->code == LVN_ITEMCHANGED && !bFillingFlags) {
            NMLISTVIEW *lv = (NMLISTVIEW *)nm;
            if ((lv->uChanged & LVIF_STATE) && ((lv->uNewState ^ lv->uOldState) & LVIS_STATEIMAGEMASK))
                OnControlFlagToggled(dlg, lv->iItem);
        }
        return TRUE;
    }
    case WM_COMMAND:
        switch (LOWORD(wp)) {
        case IDC_FLG_REFRESH: RefreshFlagChecks(dlg); break;
        case IDC_FLG_DELETE:
            if (MessageBoxA(dlg, "削除します。宜しいですか？", "確認", MB_YESNO) == IDYES) {
                SendDesign(IDM_CTL_DELETE);
                DestroyWindow(dlg);
            }
            break;
        case IDC_FLG_RESTORE:
            if (nFlagRecord >= 0 && nFlagRecord < designer.Icount) {
                Ctrldata &c = designer.Ctrls[nFlagRecord];
                if (strncmp(c.szIdent, kDeletedMark, 2) == 0)
                    memmove(c.szIdent, c.szIdent + 2, strlen(c.szIdent + 2) + 1);
                ShowWindow((HWND)c.hwnd, SW_SHOW);
                c.style |= WS_VISIBLE;
                RefreshFlagChecks(dlg);
                RefreshControlList();
            }
            break;
        case IDC_FLG_TEXT: SendDesign(IDM_CTL_TEXT); break;
        case IDC_FLG_SIZE: SendDesign(IDM_CTL_SIZE); break;
        case IDC_FLG_MOVE: SendDesign(IDM_CTL_MOVE); break;
        case IDC_FLG_FINE: SendDesign(IDM_CTL_FINE); break;
        case IDCANCEL: DestroyWindow(dlg); break;
        }
        return TRUE;
    case WM_DESTROY:
        if (designer.hFlagDlg == dlg)
            designer.hFlagDlg = NULL;
        return TRUE;
    }
    return FALSE;
}

/* CreateFlagDialog: the flags of one control, beside it. */
HWND CreateFlagDialog(int index)
{
    if (index < 0 || index >= designer.Icount || !FindClassInfo(designer.Ctrls[index].szClass))
        return NULL;
    nFlagRecord = index;
    HWND dlg = CreateDialogParamA(frame.hInst, "DECODETAILDLG", designer.hDesignDlg, FlagProc, 0);
    if (!dlg)
        return NULL;
    PlaceWindow(dlg, (HWND)designer.Ctrls[index].hwnd, "right");
    ShowWindow(dlg, SW_SHOWNOACTIVATE);
    return dlg;
}

static INT_PTR CALLBACK EntryProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_INITDIALOG:
        SetDlgItemTextA(dlg, IDC_ENTRY_TEXT, (const char *)lp);
        SendDlgItemMessageA(dlg, IDC_ENTRY_TEXT, EM_LIMITTEXT, 255, 0);
        if (designer.hDesignDlg)
            PlaceWindow(dlg, designer.hDesignDlg, "top");
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wp) == IDOK) {
            char text[512];
            GetDlgItemTextA(dlg, IDC_ENTRY_TEXT, text, sizeof text);
            CopyField(designer.Ctrls[designer.nSelected].szText, sizeof designer.Ctrls[designer.nSelected].szText, text,
                      strlen(text));
            EndDialog(dlg, IDOK);
        } else if (LOWORD(wp) == IDCANCEL)
            EndDialog(dlg, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

/* AskControlText: the control's text edited in DECOENTRYDLG; on OK into the record and the window. */
BOOL AskControlText(int index)
{
    if (index < 0 || index >= designer.Icount)
        return FALSE;
    Ctrldata &c = designer.Ctrls[index];
    char text[512] = "";
    GetWindowTextA((HWND)c.hwnd, text, sizeof text);
    CopyField(c.szText, sizeof c.szText, text, strlen(text));
    designer.nSelected = index;
    if (DialogBoxParamA(frame.hInst, "DECOENTRYDLG", designer.hDesignDlg, EntryProc, (LPARAM)c.szText) != IDOK)
        return FALSE;
    SetWindowTextA((HWND)c.hwnd, c.szText);
    RefreshControlList();
    return TRUE;
}

/* Moves or sizes the fine-adjust dialog's control by one pixel. */
static void Nudge(HWND dlg, int dx, int dy, int dw, int dh)
{
    if (nFineRecord < 0 || nFineRecord >= designer.Icount || !IsLiveRecord(designer.Ctrls[nFineRecord]))
        return;
    Ctrldata &c = designer.Ctrls[nFineRecord];
    c.left += dx;
    c.right += dx + dw;
    c.top += dy;
    c.bottom += dy + dh;
    if (c.right <= c.left) c.right = c.left + 1;
    if (c.bottom <= c.top) c.bottom = c.top + 1;
    SetWindowPos((HWND)c.hwnd, NULL, c.left, c.top, c.right - c.left, c.bottom - c.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(designer.hDesignDlg, NULL, TRUE);
    if (IsDlgButtonChecked(dlg, IDC_FINE_FOLLOW) == BST_CHECKED)
        PlaceWindow(dlg, (HWND)c.hwnd, "right");
    RefreshControlList();
}

static INT_PTR CALLBACK FineProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_HSCROLL:
    case WM_VSCROLL: {
        int code = LOWORD(wp), step = code == SB_LINEUP ? -1 : code == SB_LINEDOWN ? 1 : 0;
        if (!step)
            return TRUE;
        switch (GetDlgCtrlID((HWND)lp)) {
        case IDC_FINE_HORZ: Nudge(dlg, step, 0, 0, 0); break;
        case IDC_FINE_VERT: Nudge(dlg, 0, step, 0, 0); break;
        case IDC_FINE_WIDTH: Nudge(dlg, 0, 0, step, 0); break;
        case IDC_FINE_HEIGHT: Nudge(dlg, 0, 0, 0, step); break;
        }
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wp) == IDCANCEL)
            DestroyWindow(dlg);
        return TRUE;
    case WM_DESTROY:
        if (designer.hFineDlg == dlg)
            designer.hFineDlg = NULL;
        return TRUE;
    }
    return FALSE;
}

/* CreateFineDialog: pixel nudges of one control, beside it. */
HWND CreateFineDialog(int index)
{
    if (index < 0 || index >= designer.Icount)
        return NULL;
    nFineRecord = index;
    RefreshRecordRect(index);
    HWND dlg = CreateDialogParamA(frame.hInst, "SIZEMOVEDIALOG", designer.hDesignDlg, FineProc, 0);
    if (!dlg)
        return NULL;
    PlaceWindow(dlg, (HWND)designer.Ctrls[index].hwnd, "right");
    ShowWindow(dlg, SW_SHOWNOACTIVATE);
    return dlg;
}
