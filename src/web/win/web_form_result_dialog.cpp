// The form result dialog "フォーム解析結果" (WEBSEARCHLISTVDIALOG): the
// records of the analysed forms; a chosen row becomes a new search entry.
#include "web/win/web_dialogs.h"

#include "app/frame/globals.h"
#include "resource_ids.h"

#include <commctrl.h>
#include <new>
#include <vector>

struct FormResults {
    HWND hFormDlg, hSettingsDlg;
    std::vector<SearchEntry> records;
};

/* Fills the list with one row per record. */
static void FillFormList(HWND list, const std::vector<SearchEntry> &records)
{
    for (size_t r = 0; r < records.size(); ++r) {
        const SearchEntry &e = records[r];
        const char *cells[] = {e.szServer, e.szPath, e.szMethod, e.szVariable, e.szOptions[0]};
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = (int)r;
        item.pszText = (LPSTR)cells[0];
        SendMessageA(list, LVM_INSERTITEMA, 0, (LPARAM)&item);
        for (int c = 1; c < 5; ++c) {
            item.iSubItem = c;
            item.pszText = (LPSTR)cells[c];
            SendMessageA(list, LVM_SETITEMTEXTA, r, (LPARAM)&item);
        }
    }
}

/* OnFormChosen: the record goes to the settings dialog and, when the user
   agrees, is registered there; the form-analysis dialog then ends. */
static void OnFormChosen(HWND hDlg, FormResults *results, int nRow)
{
    if (nRow < 0 || nRow >= (int)results->records.size())
        return;
    SearchEntry record = results->records[nRow];
    if (!record.szName[0])
        lstrcpynA(record.szName, record.szServer, ENTRY_NAME_SIZE);
    HWND settings = results->hSettingsDlg, form = results->hFormDlg;
    if (settings)
        SendMessageA(settings, WM_COMMAND, IDM_WEBSET_FILL, (LPARAM)&record);
    DestroyWindow(hDlg);  // frees results
    int answer = MessageBoxA(form, "選択したフォームを登録しますか？", "確認",
                             MB_YESNOCANCEL | MB_ICONQUESTION | MB_TASKMODAL);
    if (answer == IDYES && settings) {
        SendDlgItemMessageA(settings, IDC_WEBSET_TAB, TCM_SETCURSEL, 0, 0);
        SendMessageA(settings, WM_COMMAND, IDC_WEBSET_OK, 0);
    }
    EndDialog(form, IDOK);
}

/* FormResultDlgProc: the dialog procedure of WEBSEARCHLISTVDIALOG. */
static INT_PTR CALLBACK FormResultDlgProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    FormResults *results = (FormResults *)GetWindowLongPtrA(hDlg, DWLP_USER);
    HWND list = GetDlgItem(hDlg, IDC_FORM_RESULTS);
    switch (msg) {
    case WM_INITDIALOG: {
        SetWindowLongPtrA(hDlg, DWLP_USER, lParam);
        results = (FormResults *)lParam;
        static const char *const kTitles[] = {"サーバ名", "CGI", "メソッド", "変数", "option変数"};
        static const int kWidths[] = {128, 96, 60, 60, 90};
        SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
        AddListColumns(list, kTitles, kWidths, 5);
        FillFormList(list, results->records);
        return TRUE;
    }
    case WM_NOTIFY: {
        NMHDR *hdr = (NMHDR *)lParam;
        if (results && hdr->idFrom == IDC_FORM_RESULTS && hdr->code == NM_DBLCLK)
            OnFormChosen(hDlg, results, ((NMITEMACTIVATE *)hdr)->iItem);
        else if (results && hdr->idFrom == IDC_FORM_RESULTS && hdr->code == NM_RETURN)
            OnFormChosen(hDlg, results, (int)SendMessageA(list, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED));
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL)
            DestroyWindow(hDlg);
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(hDlg);
        return TRUE;
    case WM_NCDESTROY:
        delete results;
        SetWindowLongPtrA(hDlg, DWLP_USER, 0);
        return FALSE;
    }
    return FALSE;
}

/* OpenFormResultDialog: the modeless result dialog with its own copy. */
HWND OpenFormResultDialog(HWND hFormDlg, HWND hSettingsDlg, const SearchEntry *pTable, int nCount)
{
    FormResults *results = new (std::nothrow) FormResults;
    if (!results)
        return NULL;
    results->hFormDlg = hFormDlg;
    results->hSettingsDlg = hSettingsDlg;
    results->records.assign(pTable, pTable + (nCount > 0 ? nCount : 0));
    HWND dlg = CreateDialogParamA(frame.hInst, "WEBSEARCHLISTVDIALOG", hFormDlg, FormResultDlgProc, (LPARAM)results);
    if (!dlg) {
        delete results;
        MessageBoxA(hFormDlg, "フォーム解析結果を表示できませんでした。", "エラー", MB_OK | MB_ICONSTOP);
        return NULL;
    }
    ShowWindow(dlg, SW_SHOW);
    return dlg;
}
