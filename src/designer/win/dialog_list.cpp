// The dialog list ENUMRESOURCEDIALOG: the dialogs of the current pane, a live preview of
// the selected one, and customising it in the designer.
#include "designer/win/designer_win.h"

#include <commctrl.h>
#include <cstdio>
#include <cstring>

#include "app/frame/globals.h"
#include "app/frame/pane_text.h"
#include "doc/win/document.h"
#include "designer/class_table.h"
#include "designer/enumerate.h"
#include "designer/parser.h"
#include "designer/surface_ops.h"
#include "designer/template.h"
#include "resource_ids.h"

struct DialogList {
    std::string text;   // the pane's text as read, kept in step with the designer's rewrites
    std::string folder; // where the script's quoted includes are looked up
    ScriptReading reading;
    std::vector<DialogExtent> dialogs; // the listed dialogs' texts (first 256 of the reading)
    HWND preview;
    int selected;
};

static HWND hCustomisingList; // the list whose dialog the designer customises

static DialogList *ListOf(HWND dlg)
{
    return (DialogList *)GetWindowLongPtrA(dlg, DWLP_USER);
}

static HWND ListedPane()
{
    return frame.hCurEdit ? frame.hCurEdit : frame.hSubEdit1;
}

/* The folder of the pane's file: the resource script on show for the resource pane, else
   the file on show. Its quoted includes are looked up there, as the resource compiler's -I. */
static std::string FolderOfPaneFile(HWND pane)
{
    std::string path = pane == frame.hSubEdit1 && doc.szRcPath[0] ? doc.szRcPath : doc.szFullPath;
    size_t s = path.find_last_of("\\/");
    return s == std::string::npos ? std::string() : path.substr(0, s + 1);
}

/* Reads the list's text again: dialogs, their texts and the list's rows. */
static void ReadListText(HWND dlg, DialogList *l)
{
    ScriptOptions options;
    options.folder = l->folder;
    options.textIsCp932 = true; // the pane holds CP932 whatever the file's encoding and pragma
    l->reading = ReadDialogScript(l->text, options);
    l->dialogs = DialogExtents(l->text, l->reading);
    HWND list = GetDlgItem(dlg, IDC_DL_LIST);
    ListView_SetItemCountEx(list, (int)l->dialogs.size(), 0);
    InvalidateRect(list, NULL, TRUE);
    char count[64];
    snprintf(count, sizeof count, "総数：%d 個", (int)l->dialogs.size());
    SetDlgItemTextA(dlg, IDC_DL_COUNT, count);
}

/* One box for what the reading could not do: dialogs read only in part, #if lines taken
   as true, missing includes, nameless DIALOG keywords. Nothing when all was read. */
static void ReportReading(HWND dlg, const ScriptReading &r)
{
    if (r.badScript)
        MessageBoxA(dlg, "スクリプトが不正です。", "", MB_OK);
    std::string text;
    int shown = 0, more = 0;
    bool worth = false;
    for (const ParsedDialog &d : r.dialogs)
        if (d.stop.kind != kStopNone) {
            worth = true;
            if (shown++ < 12) text += StopMessage(d) + "\r\n";
            else more++;
        }
    for (const ScriptNote &n : r.notes) {
        worth = worth || n.kind == kNoteIfUnknown || n.kind == kNoteTooDeep;
        if (n.kind == kNoteNamelessDialog) continue;
        if (shown++ < 12) text += NoteMessage(n) + "\r\n";
        else more++;
    }
    if (!worth)
        return;
    if (more)
        text += "ほか " + std::to_string(more) + " 件";
    MessageBoxA(dlg, text.c_str(), "注意", MB_OK | MB_ICONINFORMATION);
}

/* One listed dialog as read, with the design surface's window ids; its stop is shown. */
static ParsedDialog ListedDialog(DialogList *l, int row)
{
    ParsedDialog p = l->reading.dialogs[row];
    for (size_t i = 0; i < p.controls.size(); i++)
        p.controls[i].id = kIdFreeBegin + (int)i;
    if (p.stop.kind != kStopNone)
        ShowStatusMessage(StopMessage(p).c_str(), 10000);
    return p;
}

/* The dialog's first line as it stands in the pane (name and type when its text is elsewhere). */
static std::string FirstLineOf(DialogList *l, int row)
{
    const DialogExtent &e = l->dialogs[row];
    if (e.header.empty())
        return std::string(l->reading.dialogs[row].dlg.szName) + " " + l->reading.dialogs[row].dlg.szType;
    return e.header.substr(0, e.header.find_first_of("\r\n"));
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
    ParsedDialog p = ListedDialog(l, row);
    std::vector<uint8_t> bytes;
    if (!BuildPreviewTemplate(p.dlg, p.controls, Cp932ToUtf16Win, bytes)) {
        MessageBoxA(dlg, "CreateDialogIndirect() ダイアログ作成失敗", "", MB_OK);
        return;
    }
    l->preview = CreateDialogIndirectParamA(frame.hInst, (LPCDLGTEMPLATEA)bytes.data(), NULL, PreviewProc, 0);
    if (!l->preview) {
        MessageBoxA(dlg, "CreateDialogIndirect() ダイアログ作成失敗", "", MB_OK);
        return;
    }
    ShowWindow(l->preview, SW_SHOWNOACTIVATE);
    SelectTextInEdit(ListedPane(), FirstLineOf(l, row), FALSE);
    SetWindowPos(l->preview, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetFocus(GetDlgItem(dlg, IDC_DL_LIST));
}

/* Customising: the designer panel over the selected dialog. A dialog read only in part, or
   whose text does not stand whole in the pane, is not customised: its rewrite could not be exact. */
static void StartCustomising(HWND dlg, DialogList *l)
{
    if (l->selected < 0 || l->selected >= (int)l->dialogs.size()) {
        MessageBoxA(dlg, "カスタマイズするダイアログボックスを選択してください", "ＯＫ", MB_OK);
        return;
    }
    if (frame.hMakeDlgD && IsWindow(frame.hMakeDlgD)) {
        MessageBoxA(dlg, "一度ダイアログ作成を終了してください。", "開始できません。", MB_OK);
        return;
    }
    ParsedDialog p = ListedDialog(l, l->selected);
    if (p.stop.kind != kStopNone) {
        MessageBoxA(dlg, (StopMessage(p) + "\r\n最後まで読めないダイアログは変更できません。").c_str(),
                    "開始できません。", MB_OK);
        return;
    }
    if (l->dialogs[l->selected].header.empty()) {
        MessageBoxA(dlg, "このダイアログの文はマクロかインクルードされたファイルにあるため、変更できません。",
                    "開始できません。", MB_OK);
        return;
    }
    if (l->preview && IsWindow(l->preview))
        DestroyWindow(l->preview);
    l->preview = NULL;
    OpenDesignerPanel(dlg);
    if (!frame.hMakeDlgD)
        return;
    designer.bCustomise = TRUE;
    hCustomisingList = dlg;
    ShowWindow(dlg, SW_HIDE);
    designer.Icount = (int)p.controls.size();
    for (int i = 0; i < designer.Icount; i++)
        designer.Ctrls[i] = p.controls[i];
    SendMessageA(frame.hMakeDlgD, WM_COMMAND, IDC_DSG_WRITEFIELDS, (LPARAM)&p.dlg);
    std::string prefix = CommonIdentPrefix(p.controls);
    SetDlgItemTextA(frame.hMakeDlgD, IDC_DSG_PREFIX, prefix.c_str());
    SendDlgItemMessageA(frame.hMakeDlgD, IDC_DSG_PREFIX, EM_SETSEL, prefix.size(), prefix.size());
    designer.dlgData = p.dlg;
    designer.dlgDataOrg = p.dlg;
    designer.savedCtrls.clear();
    SendMessageA(frame.hMakeDlgD, WM_COMMAND, IDC_DSG_START, 0);
    SelectTextInEdit(ListedPane(), FirstLineOf(l, l->selected), FALSE);
}

static void OnListNotify(HWND dlg, DialogList *l, NMHDR *nm)
{
    if (nm->idFrom != IDC_DL_LIST)
        return;
    if (nm->code == LVN_GETDISPINFOA) {
        NMLVDISPINFOA *di = (NMLVDISPINFOA *)nm;
        int row = di->item.iItem;
        if ((di->item.mask & LVIF_TEXT) && row >= 0 && row < (int)l->dialogs.size()) {
            const Dlgdata &d = l->reading.dialogs[row].dlg;
            lstrcpynA(di->item.pszText, di->item.iSubItem == 0 ? d.szName : d.szCaption, di->item.cchTextMax);
        }
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
    l->text = GetPaneText(ListedPane());
    l->folder = FolderOfPaneFile(ListedPane());
    ReadListText(dlg, l);
    CheckDlgButton(dlg, IDC_DL_AUTOPREVIEW, BST_CHECKED);
    ReportReading(dlg, l->reading);
    return TRUE;
}

/* Puts the designer's new text of the selected dialog over its old stretch and reads again. */
static BOOL ReplaceListedText(HWND dlg, DialogList *l, bool header, const std::string &text)
{
    const DialogExtent &d = l->dialogs[l->selected];
    if (d.headerStart == std::string::npos)
        return FALSE;
    size_t from = header ? d.headerStart : d.bodyStart, to = header ? d.bodyStart : d.bodyEnd;
    l->text.replace(from, to - from, text);
    ReadListText(dlg, l);
    return TRUE;
}

/* The designer's requests: a copy of the selected dialog's header or body text (7385,
   7386), or its new header or body after the resource pane was rewritten (7387, 7388). */
static BOOL OnTextRequest(HWND dlg, DialogList *l, UINT request, std::string *text)
{
    if (!text || l->selected < 0 || l->selected >= (int)l->dialogs.size())
        return FALSE;
    DialogExtent &d = l->dialogs[l->selected];
    switch (request) {
    case IDC_DL_GETHEADER: *text = d.header; return TRUE;
    case IDC_DL_GETBODY: *text = d.body; return TRUE;
    case IDC_DL_SETHEADER: return ReplaceListedText(dlg, l, true, *text);
    case IDC_DL_SETBODY: return ReplaceListedText(dlg, l, false, *text);
    }
    return FALSE;
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
            SetWindowLongPtrA(dlg, DWLP_MSGRESULT, l ? OnTextRequest(dlg, l, LOWORD(wp), (std::string *)lp) : FALSE);
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
        if (frame.hEnumResDlg == dlg)
            frame.hEnumResDlg = NULL;
        if (hCustomisingList == dlg)
            hCustomisingList = NULL;
        return TRUE;
    }
    return FALSE;
}

/* OpenDialogList: a new list window over the current pane's text. */
void OpenDialogList(HWND owner)
{
    HWND dlg = CreateDialogParamA(frame.hInst, "ENUMRESOURCEDIALOG", owner, DialogListProc, 0);
    if (!dlg) {
        MessageBoxA(owner, "ダイアログの作成に失敗しました(ENUMRESOURCEDIALOG)", "エラー", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    frame.hEnumResDlg = dlg;
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
