// The options dialog DECORATEOPTDLG: the dialog's own flags, its frame toggles and the control list.
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

static BOOL bFilling;

/* Fills a check list with the flags of one list of a row, tagged with their group and slot. */
void AddFlagItems(HWND list, int row, BOOL ex, int group)
{
    const FlagEntry *flags = ex ? g_classInfo[row].exStyle : g_classInfo[row].style;
    for (int i = 0; i < 32 && flags[i].name; i++) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = ListView_GetItemCount(list);
        item.pszText = (LPSTR)flags[i].name;
        item.lParam = MAKELPARAM(i, group);
        ListView_InsertItem(list, &item);
    }
}

/* Prepares a check list: one column "スタイル", grid lines. */
void InitFlagList(HWND list)
{
    ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    LVCOLUMNA col = {};
    col.mask = LVCF_TEXT | LVCF_WIDTH;
    col.cx = 165;
    col.pszText = (LPSTR) "スタイル";
    ListView_InsertColumn(list, 0, &col);
}

/* Check state of an item: 0 or 1. */
int ItemChecked(HWND list, int item)
{
    UINT state = (ListView_GetItemState(list, item, LVIS_STATEIMAGEMASK) >> 12);
    int checked = state == 2 ? 1 : 0;
    SORA_ASSERT(state == 1 || state == 2 || state == 0);
    return checked;
}

/* The item's tag from AddFlagItems: slot in the low word, group in the high. */
void FlagItemTag(HWND list, int item, int *pSlot, int *pGroup)
{
    LVITEMA it = {};
    it.mask = LVIF_PARAM;
    it.iItem = item;
    ListView_GetItem(list, &it);
    *pSlot = LOWORD(it.lParam);
    *pGroup = HIWORD(it.lParam);
}

/* Choice array of the options dialog's group. */
static int32_t *DialogChoices(int group)
{
    return group == 0 ? designer.dlgData.selDlg : group == 1 ? designer.dlgData.selWnd : designer.dlgData.selWndEx;
}

static void RefreshDialogChecks(HWND dlg)
{
    HWND list = GetDlgItem(dlg, IDC_OPT_FLAGS);
    bFilling = TRUE;
    for (int i = 0, n = ListView_GetItemCount(list); i < n; i++) {
        int slot, group;
        FlagItemTag(list, i, &slot, &group);
        ListView_SetCheckState(list, i, DialogChoices(group)[slot] ? TRUE : FALSE);
    }
    bFilling = FALSE;
}

/* The five frame toggles: pressed means the flag is off. */
static const struct { int id; const char *flag; } kToggles[] = {
    {IDC_OPT_CAPTION, "WS_CAPTION"}, {IDC_OPT_SYSMENU, "WS_SYSMENU"}, {IDC_OPT_MAXIMIZEBOX, "WS_MAXIMIZEBOX"},
    {IDC_OPT_MINIMIZEBOX, "WS_MINIMIZEBOX"}, {IDC_OPT_SIZEBOX, "WS_SIZEBOX"}};

static void RefreshToggles(HWND dlg)
{
    for (const auto &t : kToggles) {
        int slot = FindFlagIndex("WNDCLASS", t.flag);
        CheckDlgButton(dlg, t.id, slot >= 0 && designer.dlgData.selWnd[slot] ? BST_UNCHECKED : BST_CHECKED);
    }
}

/* Resizes the design dialog so that its client area stays as it is under a new style. */
static void KeepClientArea(DWORD style, DWORD exStyle)
{
    RECT client, win;
    GetClientRect(designer.hDesignDlg, &client);
    GetWindowRect(designer.hDesignDlg, &win);
    RECT want = client;
    AdjustWindowRectEx(&want, style, FALSE, exStyle);
    SetWindowPos(designer.hDesignDlg, NULL, 0, 0, want.right - want.left, want.bottom - want.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

/* A flag of the designed dialog checked or unchecked in the list. */
static void OnDialogFlagToggled(HWND dlg, int item)
{
    HWND list = GetDlgItem(dlg, IDC_OPT_FLAGS);
    int slot, group;
    FlagItemTag(list, item, &slot, &group);
    int checked = ItemChecked(list, item);
    int32_t *choices = DialogChoices(group);
    if (choices[slot] == checked)
        return;
    choices[slot] = checked;
    const FlagEntry &f = group == 0 ? g_classInfo[kRowDlgclass].style[slot]
                         : group == 1 ? g_classInfo[kRowWndclass].style[slot] : g_classInfo[kRowWndclass].exStyle[slot];
    if (!designer.hDesignDlg)
        return;
    DWORD style = (DWORD)GetWindowLongPtrA(designer.hDesignDlg, GWL_STYLE);
    DWORD exStyle = (DWORD)GetWindowLongPtrA(designer.hDesignDlg, GWL_EXSTYLE);
    if (group == 2) {
        exStyle = checked ? exStyle | f.value : exStyle & ~f.value;
        SetWindowLongPtrA(designer.hDesignDlg, GWL_EXSTYLE, (LONG_PTR)exStyle);
        designer.dlgData.exStyle = exStyle;
    } else {
        style = checked ? style | f.value : style & ~f.value;
        SetWindowLongPtrA(designer.hDesignDlg, GWL_STYLE, (LONG_PTR)style);
        designer.dlgData.style = style;
        ClearUnsetChoices(style, "DLGCLASS", designer.dlgData.selDlg);
        ClearUnsetChoices(style, "WNDCLASS", designer.dlgData.selWnd);
    }
    RefreshDialogChecks(dlg);
    RefreshToggles(dlg);
    KeepClientArea(style, exStyle);
}

/* A frame toggle pressed or released: the flag goes off or on. */
static void OnToggle(HWND dlg, int id)
{
    for (const auto &t : kToggles) {
        if (t.id != id)
            continue;
        int slot = FindFlagIndex("WNDCLASS", t.flag);
        BOOL off = IsDlgButtonChecked(dlg, id) == BST_CHECKED;
        DWORD value = g_classInfo[kRowWndclass].style[slot].value;
        designer.dlgData.selWnd[slot] = off ? 0 : 1;
        if (!designer.hDesignDlg)
            break;
        DWORD style = (DWORD)GetWindowLongPtrA(designer.hDesignDlg, GWL_STYLE);
        style = off ? style & ~value : style | value;
        SetWindowLongPtrA(designer.hDesignDlg, GWL_STYLE, (LONG_PTR)style);
        designer.dlgData.style = style;
        if (id == IDC_OPT_CAPTION) { // the client area stays where it was
            int caption = GetSystemMetrics(SM_CYCAPTION);
            if (caption == 0) caption = 20;
            RECT r;
            GetWindowRect(designer.hDesignDlg, &r);
            int dy = off ? caption : -caption;
            SetWindowPos(designer.hDesignDlg, NULL, r.left, r.top + dy, r.right - r.left, r.bottom - r.top - dy,
                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        } else
            SetWindowPos(designer.hDesignDlg, NULL, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
    RefreshToggles(dlg);
    RefreshDialogChecks(dlg);
}

/* RefreshControlList: the virtual control list gets Icount rows and is redrawn. */
void RefreshControlList()
{
    if (!designer.hOptDlg || !IsWindow(designer.hOptDlg))
        return;
    HWND list = GetDlgItem(designer.hOptDlg, IDC_OPT_CONTROLS);
    ListView_SetItemCountEx(list, designer.Icount, LVSICF_NOSCROLL);
    InvalidateRect(list, NULL, TRUE);
}

/* One cell of the control list from the records: class, name, text, x, y, width, height in pixels. */
static void OnControlDispInfo(NMLVDISPINFOA *di)
{
    int row = di->item.iItem;
    if (!(di->item.mask & LVIF_TEXT) || !di->item.pszText || di->item.cchTextMax <= 0)
        return;
    di->item.pszText[0] = 0;
    if (row < 0 || row >= designer.Icount)
        return;
    const Ctrldata &c = designer.Ctrls[row];
    const int values[4] = {(int)c.left, (int)c.top, (int)(c.right - c.left), (int)(c.bottom - c.top)};
    switch (di->item.iSubItem) {
    case 0: lstrcpynA(di->item.pszText, c.szClass, di->item.cchTextMax); break;
    case 1: lstrcpynA(di->item.pszText, c.szIdent, di->item.cchTextMax); break;
    case 2: lstrcpynA(di->item.pszText, c.szText, di->item.cchTextMax); break;
    default:
        if (di->item.iSubItem <= 6)
            snprintf(di->item.pszText, di->item.cchTextMax, "%d", values[di->item.iSubItem - 3]);
    }
}

static void InitControlList(HWND list)
{
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    static const struct { const char *title; int cx; } cols[] = {
        {"コントロール", 65}, {"ID name", 120}, {"text", 100}, {"x", 35}, {"y", 35}, {"幅", 40}, {"高さ", 45}};
    for (int i = 0; i < 7; i++) {
        LVCOLUMNA col = {};
        col.mask = LVCF_TEXT | LVCF_WIDTH;
        col.cx = cols[i].cx;
        col.pszText = (LPSTR)cols[i].title;
        ListView_InsertColumn(list, i, &col);
    }
}

/* Opens the flag dialog for the focused row of the control list, replacing an open one. */
static void FlagDialogForFocused(HWND dlg, BOOL onlyWhenNone)
{
    HWND list = GetDlgItem(dlg, IDC_OPT_CONTROLS);
    int row = ListView_GetNextItem(list, -1, LVNI_FOCUSED);
    if (row < 0 || row >= designer.Icount)
        return;
    if (designer.hFlagDlg && IsWindow(designer.hFlagDlg)) {
        if (onlyWhenNone)
            return;
        DestroyWindow(designer.hFlagDlg);
    }
    designer.hFlagDlg = CreateFlagDialog(row);
    SetFocus(list);
}

static void OnOptNotify(HWND dlg, NMHDR *nm)
{
    if (nm->idFrom == IDC_OPT_FLAGS && nm->code == LVN_ITEMCHANGED && !bFilling && IsWindowVisible(dlg)) {
        NMLISTVIEW *lv = (NMLISTVIEW *)nm;
        if ((lv->uChanged & LVIF_STATE) && ((lv->uNewState ^ lv->uOldState) & LVIS_STATEIMAGEMASK))
            OnDialogFlagToggled(dlg, lv->iItem);
    } else if (nm->idFrom == IDC_OPT_CONTROLS) {
        if (nm->code == LVN_GETDISPINFOA)
            OnControlDispInfo((NMLVDISPINFOA *)nm);
        else if (nm->code == LVN_ITEMCHANGED) {
            NMLISTVIEW *lv = (NMLISTVIEW *)nm;
            if ((lv->uNewState & LVIS_FOCUSED) && !(lv->uOldState & LVIS_FOCUSED) && lv->iItem < designer.Icount) {
                SelectStatementOfRecord(lv->iItem);
                if (designer.hFlagDlg && IsWindow(designer.hFlagDlg))
                    FlagDialogForFocused(dlg, FALSE);
            }
        } else if (nm->code == NM_DBLCLK)
            FlagDialogForFocused(dlg, TRUE);
        else if (nm->code == LVN_KEYDOWN && ((NMLVKEYDOWN *)nm)->wVKey == VK_RETURN)
            FlagDialogForFocused(dlg, FALSE);
    }
}

/* Frame off: the working look without grid, size box and client edges (edits and lists keep theirs). */
static void OnFrameToggle(HWND dlg)
{
    BOOL pressed = IsDlgButtonChecked(dlg, IDC_OPT_FRAME) == BST_CHECKED;
    SetDlgItemTextA(dlg, IDC_OPT_FRAMELABEL, pressed ? "実際" : "作業");
    designer.bGridOn = FALSE;
    ReturnSizeBox();
    for (int i = 0; i < designer.Icount; i++) {
        const Ctrldata &c = designer.Ctrls[i];
        if (!IsLiveRecord(c) || !strcmp(c.szClass, "EDIT") || !strcmp(c.szClass, "COMBOBOX") ||
            !strcmp(c.szClass, "LISTBOX"))
            continue;
        if (!strncmp(c.szClass, "STATIC", 6) && c.selClass[FindFlagIndex("STATIC", "SS_SUNKEN")])
            continue;
        HWND w = (HWND)c.hwnd;
        LONG_PTR ex = GetWindowLongPtrA(w, GWL_EXSTYLE);
        SetWindowLongPtrA(w, GWL_EXSTYLE, pressed ? ex & ~(LONG_PTR)WS_EX_CLIENTEDGE : ex | WS_EX_CLIENTEDGE);
        SetWindowPos(w, NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
    if (designer.hDesignDlg)
        InvalidateRect(designer.hDesignDlg, NULL, TRUE);
}

static INT_PTR CALLBACK OptionsProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_INITDIALOG: {
        HWND list = GetDlgItem(dlg, IDC_OPT_FLAGS);
        InitFlagList(list);
        bFilling = TRUE;
        AddFlagItems(list, kRowDlgclass, FALSE, 0);
        AddFlagItems(list, kRowWndclass, FALSE, 1);
        AddFlagItems(list, kRowWndclass, TRUE, 2);
        bFilling = FALSE;
        RefreshDialogChecks(dlg);
        RefreshToggles(dlg);
        InitControlList(GetDlgItem(dlg, IDC_OPT_CONTROLS));
        designer.hOptDlg = dlg;
        RefreshControlList();
        return TRUE;
    }
    case WM_NOTIFY:
        OnOptNotify(dlg, (NMHDR *)lp);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wp)) {
        case IDC_OPT_REFRESHCHECKS: RefreshDialogChecks(dlg); break;
        case IDC_OPT_REFRESHTOGGLES: RefreshToggles(dlg); break;
        case IDC_OPT_READCHECKS: {
            HWND list = GetDlgItem(dlg, IDC_OPT_FLAGS);
            for (int i = 0, n = ListView_GetItemCount(list); i < n; i++) {
                int slot, group;
                FlagItemTag(list, i, &slot, &group);
                DialogChoices(group)[slot] = ItemChecked(list, i);
            }
            break;
        }
        case IDC_OPT_CAPTION: case IDC_OPT_SYSMENU: case IDC_OPT_MAXIMIZEBOX: case IDC_OPT_MINIMIZEBOX:
        case IDC_OPT_SIZEBOX: OnToggle(dlg, LOWORD(wp)); break;
        case IDC_OPT_FRAME: OnFrameToggle(dlg); break;
        case IDC_OPT_FRAMESIZE:
            if (designer.hSizeBox && designer.hDesignDlg) {
                if (IsWindowVisible(designer.hSizeBox))
                    ReturnSizeBox();
                else
                    ShowSizeBoxOn(designer.hDesignDlg);
            }
            break;
        case IDC_OPT_PANEL:
            if (frame.hMakeDlgD) ShowWindow(frame.hMakeDlgD, IsWindowVisible(frame.hMakeDlgD) ? SW_HIDE : SW_SHOW);
            break;
        case IDCANCEL: DestroyWindow(dlg); break;
        }
        return TRUE;
    case WM_DESTROY:
        designer.hOptDlg = NULL;
        return TRUE;
    }
    return FALSE;
}

/* CreateOptionsDialog: the options dialog above the design dialog. */
HWND CreateOptionsDialog(HWND panel)
{
    HWND dlg = CreateDialogParamA(frame.hInst, "DECORATEOPTDLG", panel, OptionsProc, 0);
    if (!dlg)
        return NULL;
    if (designer.hDesignDlg)
        PlaceWindow(dlg, designer.hDesignDlg, "top");
    ShowWindow(dlg, SW_SHOWNOACTIVATE);
    return dlg;
}
