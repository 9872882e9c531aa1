// The settings dialog "検索設定" (WEBSEARCHPSH1DIALOG): a tab "新規" for a
// new entry and one tab per entry; the URL dialog and the option list.
#include "web/win/web_dialogs.h"

#include "app/frame/globals.h"
#include "resource_ids.h"

#include <commctrl.h>
#include <cstdio>
#include <cstring>

static const char kNewTab[] = "新規";

static SearchEntry editEntry;  // the record behind the fields
static SearchEntry keptEntry;  // the entry as it was, for "元に戻す"
static int nShownSlot;         // option slot shown in the fields

/* Copies the text before the first "=" (all of it without one). */
static void CopyBeforeEquals(const char *szText, char *szOut, size_t nSize)
{
    size_t len = std::strcspn(szText, "=");
    if (len >= nSize)
        len = nSize - 1;
    std::memcpy(szOut, szText, len);
    szOut[len] = '\0';
}

/* Shows option slot nSlot split at its "=". */
static void ShowOptionSlot(HWND hDlg, int nSlot)
{
    if (nSlot < 0 || nSlot >= ENTRY_OPTION_COUNT)
        return;
    nShownSlot = nSlot;
    const char *opt = editEntry.szOptions[nSlot];
    char name[ENTRY_OPTION_SIZE];
    CopyBeforeEquals(opt, name, sizeof name);
    const char *eq = std::strchr(opt, '=');
    SetDlgItemTextA(hDlg, IDC_WEBSET_OPTNAME, name);
    SetDlgItemTextA(hDlg, IDC_WEBSET_OPTVALUE, eq ? eq + 1 : "");
    char number[8];
    std::snprintf(number, sizeof number, "%d", nSlot + 1);
    SetDlgItemTextA(hDlg, IDC_WEBSET_OPTSLOT, number);
}

/* Stores the option fields as "name=value" into the slot shown. */
static void StoreOptionSlot(HWND hDlg)
{
    char name[ENTRY_OPTION_SIZE], value[ENTRY_OPTION_SIZE];
    GetDlgItemTextA(hDlg, IDC_WEBSET_OPTNAME, name, sizeof name);
    GetDlgItemTextA(hDlg, IDC_WEBSET_OPTVALUE, value, sizeof value);
    char *slot = editEntry.szOptions[nShownSlot];
    if (!name[0] && !value[0])
        slot[0] = '\0';
    else
        std::snprintf(slot, ENTRY_OPTION_SIZE, "%s=%s", name, value);
}

/* Fills the fields from editEntry (the variable up to its "="). */
static void FillFields(HWND hDlg)
{
    SetDlgItemTextA(hDlg, IDC_WEBSET_NAME, editEntry.szName);
    SetDlgItemTextA(hDlg, IDC_WEBSET_SERVER, editEntry.szServer);
    SetDlgItemTextA(hDlg, IDC_WEBSET_PATH, editEntry.szPath);
    LRESULT method = SendDlgItemMessageA(hDlg, IDC_WEBSET_METHOD, CB_FINDSTRINGEXACT, (WPARAM)-1,
                                         (LPARAM)editEntry.szMethod);
    SendDlgItemMessageA(hDlg, IDC_WEBSET_METHOD, CB_SETCURSEL, method == CB_ERR ? (WPARAM)-1 : (WPARAM)method, 0);
    char variable[ENTRY_VARIABLE_SIZE];
    CopyBeforeEquals(editEntry.szVariable, variable, sizeof variable);
    SetDlgItemTextA(hDlg, IDC_WEBSET_VARIABLE, variable);
    ShowOptionSlot(hDlg, nShownSlot);
}

/* Reads the fields into editEntry. */
static void ReadFields(HWND hDlg)
{
    GetDlgItemTextA(hDlg, IDC_WEBSET_NAME, editEntry.szName, ENTRY_NAME_SIZE);
    GetDlgItemTextA(hDlg, IDC_WEBSET_SERVER, editEntry.szServer, ENTRY_SERVER_SIZE);
    GetDlgItemTextA(hDlg, IDC_WEBSET_PATH, editEntry.szPath, ENTRY_PATH_SIZE);
    GetDlgItemTextA(hDlg, IDC_WEBSET_METHOD, editEntry.szMethod, ENTRY_METHOD_SIZE);
    GetDlgItemTextA(hDlg, IDC_WEBSET_VARIABLE, editEntry.szVariable, ENTRY_VARIABLE_SIZE);
    StoreOptionSlot(hDlg);
}

/* Shows or hides a control. */
static void ShowItem(HWND hDlg, int id, bool bShow)
{
    ShowWindow(GetDlgItem(hDlg, id), bShow ? SW_SHOW : SW_HIDE);
}

/* Clears the record and the fields for a new entry. */
static void ClearForNewEntry(HWND hDlg)
{
    std::memset(&editEntry, 0, sizeof editEntry);
    lstrcpynA(editEntry.szName, kNewTab, ENTRY_NAME_SIZE);
    nShownSlot = 0;
    FillFields(hDlg);
}

/* Appends a tab with the text. */
static void AddTab(HWND tab, int nIndex, const char *szText)
{
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = (LPSTR)szText;
    SendMessageA(tab, TCM_INSERTITEMA, nIndex, (LPARAM)&item);
}

/* OnSettingsInit: method box, tabs, and the fields of a new entry. */
static void OnSettingsInit(HWND hDlg)
{
    static const char *const kMethods[] = {"GET", "POST", "HEAD"};
    for (const char *m : kMethods)
        SendDlgItemMessageA(hDlg, IDC_WEBSET_METHOD, CB_ADDSTRING, 0, (LPARAM)m);
    HWND tab = GetDlgItem(hDlg, IDC_WEBSET_TAB);
    AddTab(tab, 0, kNewTab);
    SearchEntryTable *table = SearchEntries();
    for (int i = 0; table && i < table->nCount; ++i)
        AddTab(tab, i + 1, table->aEntries[i].szName);
    ClearForNewEntry(hDlg);
    ShowItem(hDlg, IDC_WEBSET_RESTORE, false);
    ShowItem(hDlg, IDC_WEBSET_DELETE, false);
}

/* OnTabChanged: an entry's fields, or a new entry's empty fields. */
static void OnTabChanged(HWND hDlg)
{
    int sel = (int)SendDlgItemMessageA(hDlg, IDC_WEBSET_TAB, TCM_GETCURSEL, 0, 0);
    SearchEntryTable *table = SearchEntries();
    nShownSlot = 0;
    bool bEntry = sel > 0 && table && sel <= table->nCount;
    if (bEntry) {
        SendMessageA(hDlg, WM_COMMAND, IDM_WEBSET_FILL, (LPARAM)&table->aEntries[sel - 1]);
        keptEntry = editEntry;
    } else {
        ClearForNewEntry(hDlg);
    }
    ShowItem(hDlg, IDC_WEBSET_RESTORE, bEntry);
    ShowItem(hDlg, IDC_WEBSET_DELETE, bEntry);
    ShowItem(hDlg, IDC_WEBSET_FROMURL, !bEntry);
    ShowItem(hDlg, IDC_WEBSET_FORMSITE, !bEntry);
}

/* OnSettingsOk: registers the fields as a new entry (tab "新規" only). */
static void OnSettingsOk(HWND hDlg)
{
    HWND tab = GetDlgItem(hDlg, IDC_WEBSET_TAB);
    SearchEntryTable *table = SearchEntries();
    if (SendMessageA(tab, TCM_GETCURSEL, 0, 0) != 0 || !table)
        return;
    if (MessageBoxA(hDlg, "新規に登録します。宜しいですか。", "確認",
                    MB_OKCANCEL | MB_ICONQUESTION | MB_TASKMODAL) != IDOK)
        return;
    ReadFields(hDlg);
    if (!AddSearchEntry(table, &editEntry)) {
        char text[96];
        std::snprintf(text, sizeof text, "これ以上登録できません（%d件まで）。", SEARCH_ENTRY_CAPACITY);
        MessageBoxA(hDlg, text, "エラー", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    AddTab(tab, table->nCount, editEntry.szName);
    ClearForNewEntry(hDlg);
}

/* URLDlgProc: the URL dialog; OK hands the URL to the settings dialog. */
static INT_PTR CALLBACK UrlDlgProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    switch (msg) {
    case WM_INITDIALOG:
        SendDlgItemMessageA(hDlg, IDC_WEBURL_EDIT, EM_LIMITTEXT, 1023, 0);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            char url[1024];
            GetDlgItemTextA(hDlg, IDC_WEBURL_EDIT, url, sizeof url);
            SendMessageA(GetParent(hDlg), WM_COMMAND, IDM_WEBSET_SPLITURL, (LPARAM)url);
            EndDialog(hDlg, IDOK);
        } else if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(hDlg, IDCANCEL);
        }
        return TRUE;
    }
    return FALSE;
}

/* Sends the chosen row of the option list to the settings dialog. */
static void OnOptionChosen(HWND hDlg, int nRow)
{
    if (nRow < 0)
        return;
    SendMessageA(GetParent(hDlg), WM_COMMAND, IDM_WEBSET_SHOWSLOT, nRow);
    EndDialog(hDlg, IDOK);
}

/* OptionListDlgProc: the 16 option slots of the edited entry. */
static INT_PTR CALLBACK OptionListDlgProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    HWND list = GetDlgItem(hDlg, IDC_WEBOPT_LIST);
    switch (msg) {
    case WM_INITDIALOG: {
        static const char *const kTitles[] = {"変数名", "値"};
        static const int kWidths[] = {60, 72};
        SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
        AddListColumns(list, kTitles, kWidths, 2);
        for (int i = 0; i < ENTRY_OPTION_COUNT; ++i) {
            const char *opt = editEntry.szOptions[i];
            char name[ENTRY_OPTION_SIZE];
            CopyBeforeEquals(opt, name, sizeof name);
            const char *eq = std::strchr(opt, '=');
            LVITEMA item = {};
            item.mask = LVIF_TEXT;
            item.iItem = i;
            item.pszText = name;
            SendMessageA(list, LVM_INSERTITEMA, 0, (LPARAM)&item);
            item.iSubItem = 1;
            item.pszText = (LPSTR)(eq ? eq + 1 : "");
            SendMessageA(list, LVM_SETITEMTEXTA, i, (LPARAM)&item);
        }
        return TRUE;
    }
    case WM_NOTIFY: {
        NMHDR *hdr = (NMHDR *)lParam;
        if (hdr->idFrom == IDC_WEBOPT_LIST && hdr->code == NM_DBLCLK)
            OnOptionChosen(hDlg, ((NMITEMACTIVATE *)hdr)->iItem);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK)  // Return
            OnOptionChosen(hDlg, (int)SendMessageA(list, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED));
        else if (LOWORD(wParam) == IDCANCEL)
            EndDialog(hDlg, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

/* OnSettingsCommand: buttons and the internal commands. */
static void OnSettingsCommand(HWND hDlg, int id, LPARAM lParam)
{
    switch (id) {
    case IDM_WEBSET_SPLITURL:
        SplitUrlToEntry((const char *)lParam, &editEntry);
        lstrcpynA(editEntry.szMethod, "GET", ENTRY_METHOD_SIZE);
        GetDlgItemTextA(hDlg, IDC_WEBSET_NAME, editEntry.szName, ENTRY_NAME_SIZE);
        nShownSlot = 0;
        FillFields(hDlg);
        break;
    case IDM_WEBSET_FILL:
        editEntry = *(const SearchEntry *)lParam;
        FillFields(hDlg);
        break;
    case IDM_WEBSET_SHOWSLOT:
        StoreOptionSlot(hDlg);
        ShowOptionSlot(hDlg, (int)lParam);
        break;
    case IDM_WEBSET_CURSLOT:
        ShowOptionSlot(hDlg, nShownSlot);
        break;
    case IDC_WEBSET_OPTPREV:
    case IDC_WEBSET_OPTNEXT: {
        int next = nShownSlot + (id == IDC_WEBSET_OPTNEXT ? 1 : -1);
        if (next >= 0 && next < ENTRY_OPTION_COUNT)
            SendMessageA(hDlg, WM_COMMAND, IDM_WEBSET_SHOWSLOT, next);
        break;
    }
    case IDC_WEBSET_FROMURL:
        DialogBoxParamA(frame.hInst, "WEBSEARCHENTRYDIALOG", hDlg, UrlDlgProc, 0);
        break;
    case IDC_WEBSET_LIST:
        StoreOptionSlot(hDlg);
        DialogBoxParamA(frame.hInst, "SEARCHWEBOPTLISTDIALOG", hDlg, OptionListDlgProc, 0);
        break;
    case IDC_WEBSET_RESTORE:
        editEntry = keptEntry;
        FillFields(hDlg);
        break;
    case IDC_WEBSET_FORMSITE:
        ShowFormAnalysisDialog(hDlg);
        break;
    case IDC_WEBSET_DELETE:  // entries are kept until the program ends
        break;
    case IDOK:
    case IDC_WEBSET_OK:
        OnSettingsOk(hDlg);
        break;
    case IDCANCEL:
        EndDialog(hDlg, IDCANCEL);
        break;
    }
}

/* WebSettingsDlgProc: the dialog procedure of WEBSEARCHPSH1DIALOG. */
static INT_PTR CALLBACK WebSettingsDlgProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        OnSettingsInit(hDlg);
        return TRUE;
    case WM_COMMAND:
        OnSettingsCommand(hDlg, LOWORD(wParam), lParam);
        return TRUE;
    case WM_NOTIFY: {
        NMHDR *hdr = (NMHDR *)lParam;
        if (hdr->idFrom == IDC_WEBSET_TAB && hdr->code == TCN_SELCHANGE)
            OnTabChanged(hDlg);
        return TRUE;
    }
    }
    return FALSE;
}

/* ShowWebSettingsDialog: the modal settings dialog. */
void ShowWebSettingsDialog(HWND owner)
{
    if (!SearchEntries())
        return;
    if (DialogBoxParamA(frame.hInst, "WEBSEARCHPSH1DIALOG", owner, WebSettingsDlgProc, 0) == -1)
        MessageBoxA(owner, "検索設定のダイアログを開けませんでした。", "エラー", MB_OK | MB_ICONSTOP);
}
