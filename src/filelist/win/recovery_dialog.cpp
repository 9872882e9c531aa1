#include "filelist/win/recovery_dialog.h"

#include <commctrl.h>
#include <cstdio>
#include <string>

#include "app/frame/globals.h"
#include "doc/path_core.h"
#include "resource_ids.h"

namespace {

struct DialogState {
    const std::vector<FoundRecoveryCopy> *found;
    std::vector<bool> *chosen;
};

/* TimeText: a file time as local "yyyy/mm/dd hh:mm:ss". */
void TimeText(uint64_t nTime, char *szOut, size_t nSize)
{
    FILETIME ft = {(DWORD)nTime, (DWORD)(nTime >> 32)}, local;
    SYSTEMTIME st;
    if (!FileTimeToLocalFileTime(&ft, &local) || !FileTimeToSystemTime(&local, &st)) {
        lstrcpynA(szOut, "-", (int)nSize);
        return;
    }
    _snprintf(szOut, nSize - 1, "%04u/%02u/%02u %02u:%02u:%02u", st.wYear, st.wMonth, st.wDay, st.wHour,
              st.wMinute, st.wSecond);
    szOut[nSize - 1] = '\0';
}

/* SizeText: "12,345 バイト". */
void SizeText(uint64_t n, char *szOut, size_t nSize)
{
    std::string digits = std::to_string((unsigned long long)n), grouped;
    size_t len = digits.size();
    for (size_t i = 0; i < len; ++i) {
        if (i > 0 && (len - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    _snprintf(szOut, nSize - 1, "%s バイト", grouped.c_str());
    szOut[nSize - 1] = '\0';
}

const char *StateText(const FoundRecoveryCopy &f)
{
    switch (f.status) {
    case RECOVERY_OK:
        return f.header.pane == RECOVERY_PANE_RC ? "未保存の変更（リソース）" : "未保存の変更";
    case RECOVERY_NEWER:
        return "新しい版の形式です（そのまま残します）";
    case RECOVERY_DAMAGED:
        return "壊れています（そのまま残します）";
    default:
        return "形式が違います（そのまま残します）";
    }
}

void SetCell(HWND list, int row, int col, const char *szText)
{
    LVITEMA item = {};
    item.iSubItem = col;
    item.pszText = (LPSTR)szText;
    SendMessageA(list, LVM_SETITEMTEXTA, row, (LPARAM)&item);
}

/* AddRow: one copy: name, folder, time, size and state. */
void AddRow(HWND list, int index, const FoundRecoveryCopy &f)
{
    char szName[MAX_PATH] = "", szFolder[MAX_PATH] = "", szTime[40], szSize[48];
    if (f.status == RECOVERY_OK) {
        const std::string &path = f.header.szPath;
        if (path.empty())
            lstrcpynA(szName, "(無題)", sizeof szName);
        else
            GetNameOfPath(path.c_str(), szName, sizeof szName);
        GetFolderOfPath(path.c_str(), szFolder, sizeof szFolder);
        TimeText(f.header.nTime, szTime, sizeof szTime);
        SizeText(f.header.nTextSize, szSize, sizeof szSize);
    } else {
        lstrcpynA(szName, f.szFile.c_str(), sizeof szName);
        lstrcpynA(szFolder, frame.startupPaths.szWorkDir, sizeof szFolder);
        TimeText((uint64_t)f.ftWritten.dwHighDateTime << 32 | f.ftWritten.dwLowDateTime, szTime, sizeof szTime);
        SizeText(f.nFileSize, szSize, sizeof szSize);
    }
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_STATE;
    item.iItem = index;
    item.pszText = szName;
    item.lParam = index;
    item.state = f.status == RECOVERY_OK ? LVIS_SELECTED : 0;
    item.stateMask = LVIS_SELECTED;
    int row = (int)SendMessageA(list, LVM_INSERTITEMA, 0, (LPARAM)&item);
    SetCell(list, row, 1, szFolder);
    SetCell(list, row, 2, szTime);
    SetCell(list, row, 3, szSize);
    SetCell(list, row, 4, StateText(f));
}

/* InitList: the columns and a row per copy; the whole copies chosen. */
void InitList(HWND hDlg, const DialogState &s)
{
    HWND list = GetDlgItem(hDlg, IDC_RCV_LIST);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    static const struct { const char *szTitle; int cx; } columns[] = {
        {"ファイル名", 90}, {"フォルダ", 135}, {"時刻", 130}, {"サイズ", 70}, {"状態", 210}};
    for (int i = 0; i < 5; ++i) {
        LVCOLUMNA col = {};
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        col.pszText = (LPSTR)columns[i].szTitle;
        col.cx = columns[i].cx;
        col.iSubItem = i;
        SendMessageA(list, LVM_INSERTCOLUMNA, i, (LPARAM)&col);
    }
    bool bAnyWhole = false;
    for (size_t i = 0; i < s.found->size(); ++i) {
        AddRow(list, (int)i, (*s.found)[i]);
        bAnyWhole = bAnyWhole || (*s.found)[i].status == RECOVERY_OK;
    }
    EnableWindow(GetDlgItem(hDlg, IDC_RCV_RESTORE), bAnyWhole);
    EnableWindow(GetDlgItem(hDlg, IDC_RCV_DELETE), bAnyWhole);
    if (!bAnyWhole)
        SetFocus(GetDlgItem(hDlg, IDCANCEL));
}

/* TakeChoice: the chosen whole copies into s.chosen; their number. */
int TakeChoice(HWND hDlg, DialogState &s)
{
    HWND list = GetDlgItem(hDlg, IDC_RCV_LIST);
    int n = 0;
    s.chosen->assign(s.found->size(), false);
    for (int row = -1; (row = (int)SendMessageA(list, LVM_GETNEXTITEM, row, LVNI_SELECTED)) >= 0;) {
        LVITEMA item = {};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        SendMessageA(list, LVM_GETITEMA, 0, (LPARAM)&item);
        size_t i = (size_t)item.lParam;
        if (i < s.found->size() && (*s.found)[i].status == RECOVERY_OK) {
            (*s.chosen)[i] = true;
            ++n;
        }
    }
    return n;
}

/* OnChoice: restore or delete the chosen copies, after the question for a delete. */
void OnChoice(HWND hDlg, DialogState &s, RecoveryChoice choice)
{
    int n = TakeChoice(hDlg, s);
    if (n == 0) {
        MessageBoxA(hDlg, choice == RECOVERY_CHOICE_RESTORE ? "復元するテキストを選んでください。"
                                                           : "削除するテキストを選んでください。",
                    "OK", MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (choice == RECOVERY_CHOICE_DELETE) {
        char szAsk[200];
        _snprintf(szAsk, sizeof szAsk - 1,
                  "選んだ%d件のテキストを削除します。\r\n削除したテキストは元に戻せません。\r\n\r\nよろしいですか？",
                  n);
        szAsk[sizeof szAsk - 1] = '\0';
        if (MessageBoxA(hDlg, szAsk, "確認", MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
    }
    EndDialog(hDlg, choice);
}

INT_PTR CALLBACK RecoveryDlgProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    DialogState *s = (DialogState *)GetWindowLongPtrA(hDlg, DWLP_USER);
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(hDlg, DWLP_USER, lParam);
        InitList(hDlg, *(DialogState *)lParam);
        return TRUE;
    case WM_NOTIFY: {
        NMLISTVIEW *nm = (NMLISTVIEW *)lParam;
        // Damaged and foreign rows cannot be chosen.
        if (s && nm->hdr.idFrom == IDC_RCV_LIST && nm->hdr.code == LVN_ITEMCHANGING &&
            (nm->uNewState & LVIS_SELECTED) && (size_t)nm->lParam < s->found->size() &&
            (*s->found)[nm->lParam].status != RECOVERY_OK) {
            SetWindowLongPtrA(hDlg, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        return FALSE;
    }
    case WM_COMMAND:
        if (!s)
            return FALSE;
        switch (LOWORD(wParam)) {
        case IDC_RCV_RESTORE: OnChoice(hDlg, *s, RECOVERY_CHOICE_RESTORE); return TRUE;
        case IDC_RCV_DELETE:  OnChoice(hDlg, *s, RECOVERY_CHOICE_DELETE); return TRUE;
        case IDCANCEL:        EndDialog(hDlg, RECOVERY_CHOICE_LATER); return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

} // namespace

RecoveryChoice AskAboutRecoveryCopies(HWND owner, const std::vector<FoundRecoveryCopy> &found,
                                      std::vector<bool> &chosen)
{
    DialogState s = {&found, &chosen};
    chosen.assign(found.size(), false);
    INT_PTR r = DialogBoxParamA(frame.hInst, "RECOVERYDLG", owner, RecoveryDlgProc, (LPARAM)&s);
    if (r != RECOVERY_CHOICE_RESTORE && r != RECOVERY_CHOICE_DELETE) {
        chosen.assign(found.size(), false);
        return RECOVERY_CHOICE_LATER;
    }
    return (RecoveryChoice)r;
}
