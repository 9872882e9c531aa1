// The dialog list ENUMRESOURCEDIALOG: the dialogs of the current pane, a live preview of
// the selected one, and customising it in the designer.
#include "designer/win/designer_win.h"

#include <commctrl.h>
#include <cstdio>
#include <cstring>

#include "app/win/globals.h"
#include "app/win/pane_text.h"
#include "designer/class_table.h"
#include "designer/enumerate.h"
#include "designer/parser.h"
#include "designer/surface_ops.h"
#include "designer/template.h"
#include "resource_ids.h"

enum { IDC_DL_LIST = 7381, IDC_DL_AUTOPREVIEW = 7382, IDC_DL_COUNT = 7383, IDC_DL_CUSTOMISE = 7384,
       IDC_DL_GETHEADER = 7385, IDC_DL_GETBODY = 7386, IDC_DL_SETHEADER = 7387, IDC_DL_SETBODY = 7388 };

struct DialogList {
    std::vector<DialogExtent> dialogs;
    std::vector<Dlgdata> records;
    std::string defines; // #define lines of the pane, for reading one dialog alone
    HWND preview;
    int selected;
};

static HWND hCustomisingList; // the list whose dialog the designer customises

static DialogList *ListOf(HWND dlg)
{
    return (DialogList *)GetWindowLongPtrA(dlg, DWLP_USER);
}

/* Reads one listed dialog; false with a message when its script is broken. */
static bool ReadListedDialog(HWND dlg, DialogList *l, int row, ParsedDialog &out, bool quiet)
{
    std::vector<ParsedDialog> parsed;
    std::string error;
    const DialogExtent &d = l->dialogs[row];
    if (!ParseDialogs(l->defines + d.header + d.body, parsed, error) || parsed.empty()) {
        if (!quiet)
            MessageBoxA(dlg, ("スクリプトが不正です（" + error + "）").c_str(), "ERROR", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    out = parsed[0];
    for (size_t i = 0; i < out.controls.size(); i++) // window ids of the design surface
        out.controls[i].id = kIdFreeBegin + (int)i;
    return true;
}

static INT_PTR CALLBACK PreviewProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp)
{
    (void)lp;
    if (msg == WM_COMMAND && LOWORD(wp) == IDCANCEL) {
        DestroyWindow(dlg);
        return TRUE;
    }
    return msg == WM_INITDIALOG;
}

/* Preview: the selected dialog live from an in-memory template, topmost. */
static void ShowPreview(HWND dlg, DialogList *l, int row)
{
    if (l->preview && IsWindow(l->preview))
        DestroyWindow(l->preview);
    l->preview = NULL;
    ParsedDialog p;
    if (!ReadListedDialog(dlg, l, row, p, false))
        return;
    std::vector<uint8_t> bytes;
    if (!BuildPreviewTemplate(p.dlg, p.controls, Cp932ToUtf16Win, bytes)) {
        MessageBoxA(dlg, "CreateDialogIndirect() ダイアログ作成失敗", "", MB_OK);
        return;
    }
    l->preview = CreateDialogIndirectParamA(hInst, (LPCDLGTEMPLATEA)bytes.data(), NULL, PreviewProc, 0);
    if (!l->preview) {
        MessageBoxA(dlg, "CreateDialogIndirect() ダイアログ作成失敗", "", MB_OK);
        return;
    }
    ShowWindow(l->preview, SW_SHOWNOACTIVATE);
    std::string first = std::string(p.dlg.szName) + " " + p.dlg.szType;
    SelectTextInEdit(hCurEdit ? hCurEdit : hSubEdit1, first, FALSE);
    SetWindowPos(l->preview, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetFocus(GetDlgItem(dlg, IDC_DL_LIST));
}

/* Customising: the designer panel over the selected dialog. */
static void StartCustomising(HWND dlg, DialogList *l)
{
    if (l->selected < 0) {
        MessageBoxA(dlg, "カスタマイズするダイアログボックスを選択してください", "ＯＫ", MB_OK);
        return;
    }
    if (hMakeDlgD && IsWindow(hMakeDlgD)) {
        MessageBoxA(dlg, "一度ダイアログ作成を終了してください。", "開始できません。", MB_OK);
        return;
    }
    ParsedDialog p;
    if (!ReadListedDialog(dlg, l, l->selected, p, false))
        return;
    if (l->preview && IsWindow(l->preview))
        DestroyWindow(l->preview);
    l->preview = NULL;
    OpenDesignerPanel(dlg);
    if (!hMakeDlgD)
        return;
    bCustomise = TRUE;
    hCustomisingList = dlg;
    ShowWindow(dlg, SW_HIDE);
    Icount = (int)p.controls.size();
    for (int i = 0; i < Icount; i++)
        Ctrls[i] = p.controls[i];
    SendMessageA(hMakeDlgD, WM_COMMAND, IDC_DSG_WRITEFIELDS, (LPARAM)&p.dlg);
    std::string prefix = CommonIdentPrefix(p.controls);
    SetDlgItemTextA(hMakeDlgD, IDC_DSG_PREFIX, prefix.c_str());
    SendDlgItemMessageA(hMakeDlgD, IDC_DSG_PREFIX, EM_SETSEL, prefix.size(), prefix.size());
    dlgData = p.dlg;
    dlgDataOrg = p.dlg;
    savedCtrls.clear();
    SendMessageA(hMakeDlgD, WM_COMMAND, IDC_DSG_START, 0);
    SelectTextInEdit(hCurEdit ? hCurEdit : hSubEdit1, std::string(p.dlg.szName) + " " + p.dlg.szType, FALSE);
}

static void OnListNotify(HWND dlg, DialogList *l, NMHDR *nm)
{
    if (nm->idFrom != IDC_DL_LIST)
        return;
    if (nm->code == LVN_GETDISPINFOA) {
        NMLVDISPINFOA *di = (NMLVDISPINFOA *)nm;
        int row = di->item.iItem;
        if ((di->item.mask & LVIF_TEXT) && row >= 0 && row < (int)l->records.size())
            lstrcpynA(di->item.pszText, di->item.iSubItem == 0 ? l->records[row].szName : l->records[row].szCaption,
                      di->item.cchTextMax);
    } else if (nm->code == LVN_ITEMCHANGED) {
        NMLISTVIEW *lv = (NMLISTVIEW *)nm;
        if ((lv->uNewState & LVIS_SELECTED) && !(lv->uOldState & LVIS_SELECTED)) {
            l->selected = lv->iItem;
            if (IsDlgButtonChecked(dlg, IDC_DL_AUTOPREVIEW) == BST_CHECKED)
                ShowPreview(dlg, l, lv->iItem);
        }
    } else if (nm->code == NM_DBLCLK || (nm->code == LVN_KEYDOWN && ((NMLVKEYDOWN *)nm)->wVKey == VK_RETURN)) {
        if (l->selected >= 0 &&
            MessageBoxA(dlg, "カスタマイズを開始します。よろしいですか？", "確認", MB_YESNOCANCEL) == IDYES)
            StartCustomising(dlg, l);
    }
}

/* Lists the dialogs of the current pane. */
static BOOL OnInitList(HWND dlg)
{
    DialogList *l = new DialogList();
    l->preview = NULL;
    l->selected = -1;
    SetWindowLongPtrA(dlg, DWLP_USER, (LONG_PTR)l);
    std::string text = GetPaneText(hCurEdit ? hCurEdit : hSubEdit1);
    bool bad = false;
    EnumerateDialogs(text, l->dialogs, &bad);
    if (bad)
        MessageBoxA(dlg, "スクリプトが不正です。", "", MB_OK);
    l->defines = DefineLines(text);
    for (size_t i = 0; i < l->dialogs.size(); i++) {
        Dlgdata d;
        memset(&d, 0, sizeof d);
        CopyField(d.szName, sizeof d.szName, l->dialogs[i].name.data(), l->dialogs[i].name.size());
        std::vector<ParsedDialog> parsed;
        std::string error;
        if (ParseDialogs(l->defines + l->dialogs[i].header + "BEGIN END", parsed, error) && !parsed.empty())
            d = parsed[0].dlg;
        l->records.push_back(d);
    }
    HWND list = GetDlgItem(dlg, IDC_DL_LIST);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    LVCOLUMNA col = {};
    col.mask = LVCF_TEXT | LVCF_WIDTH;
    col.cx = 160;
    col.pszText = (LPSTR) "テンプレート名";
    ListView_InsertColumn(list, 0, &col);
    col.cx = 180;
    col.pszText = (LPSTR) "タイトル";
    ListView_InsertColumn(list, 1, &col);
    ListView_SetItemCountEx(list, (int)l->dialogs.size(), 0);
    char count[64];
    snprintf(count, sizeof count, "総数：%d 個", (int)l->dialogs.size());
    SetDlgItemTextA(dlg, IDC_DL_COUNT, count);
    CheckDlgButton(dlg, IDC_DL_AUTOPREVIEW, BST_CHECKED);
    return TRUE;
}

/* The designer's requests: a copy of the selected dialog's header or body text (7385,
   7386), or its new header or body after the resource pane was rewritten (7387, 7388). */
static BOOL OnTextRequest(DialogList *l, UINT request, std::string *text)
{
    if (!text || l->selected < 0 || l->selected >= (int)l->dialogs.size())
        return FALSE;
    DialogExtent &d = l->dialogs[l->selected];
    switch (request) {
    case IDC_DL_GETHEADER: *text = d.header; break;
    case IDC_DL_GETBODY: *text = d.body; break;
    case IDC_DL_SETHEADER: d.header = *text; break;
    case IDC_DL_SETBODY: d.body = *text; break;
    default: return FALSE;
    }
    return TRUE;
}

static INT_PTR CALLBACK DialogListProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp)
{
    DialogList *l = ListOf(dlg);
    switch (msg) {
    case WM_INITDIALOG:
        return OnInitList(dlg);
    case WM_NOTIFY:
        if (l)
            OnListNotify(dlg, l, (NMHDR *)lp);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wp) == IDC_DL_CUSTOMISE && l)
            StartCustomising(dlg, l);
        else if (LOWORD(wp) >= IDC_DL_GETHEADER && LOWORD(wp) <= IDC_DL_SETBODY)
            SetWindowLongPtrA(dlg, DWLP_MSGRESULT, l ? OnTextRequest(l, LOWORD(wp), (std::string *)lp) : FALSE);
        else if (LOWORD(wp) == IDCANCEL)
            DestroyWindow(dlg);
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(dlg);
        return TRUE;
    case WM_DESTROY:
        if (l && l->preview && IsWindow(l->preview))
            DestroyWindow(l->preview);
        delete l;
        SetWindowLongPtrA(dlg, DWLP_USER, 0);
        if (hEnumResDlg == dlg)
            hEnumResDlg = NULL;
        if (hCustomisingList == dlg)
            hCustomisingList = NULL;
        return TRUE;
    }
    return FALSE;
}

/* OpenDialogList: a new list window over the current pane's text. */
void OpenDialogList(HWND owner)
{
    HWND dlg = CreateDialogParamA(hInst, "ENUMRESOURCEDIALOG", owner, DialogListProc, 0);
    if (!dlg) {
        MessageBoxA(owner, "ダイアログの作成に失敗しました(ENUMRESOURCEDIALOG)", "エラー", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    hEnumResDlg = dlg;
    ShowWindow(dlg, SW_SHOW);
}

void ShowDialogListAgain()
{
    if (hCustomisingList && IsWindow(hCustomisingList))
        ShowWindow(hCustomisingList, SW_SHOW);
}

/* Asks the list window whose dialog is customised for a text, or tells it a new one. */
static std::string RequestText(UINT request, const std::string &given = std::string())
{
    std::string text = given;
    if (!hCustomisingList || !IsWindow(hCustomisingList) ||
        !SendMessageA(hCustomisingList, WM_COMMAND, request, (LPARAM)&text))
        return std::string();
    return text;
}

std::string DialogListHeader()
{
    return RequestText(IDC_DL_GETHEADER);
}

std::string DialogListBody()
{
    return RequestText(IDC_DL_GETBODY);
}

void DialogListSetTexts(const std::string &header, const std::string &body)
{
    RequestText(IDC_DL_SETHEADER, header);
    RequestText(IDC_DL_SETBODY, body);
}
