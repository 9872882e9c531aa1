// Resource script of the designed dialog into the resource pane, and the calling source.
#include "designer/win/designer_win.h"

#include <cstdio>
#include <cstring>
#include <ctime>

#include "app/frame/globals.h"
#include "app/frame/pane_text.h"
#include "designer/class_table.h"
#include "designer/flags.h"
#include "designer/header.h"
#include "designer/update.h"
#include "designer/writer.h"
#include "resource_ids.h"

/* Live records with their rectangles in dialog units, as the script shows them. */
static std::vector<Ctrldata> RecordsInDlu()
{
    std::vector<Ctrldata> out;
    for (int i = 0; i < designer.Icount; i++) {
        if (!IsLiveRecord(designer.Ctrls[i]))
            continue;
        RefreshRecordRect(i);
        Ctrldata c = designer.Ctrls[i];
        RECT r = RecordRectInDlu(c);
        c.left = r.left;
        c.top = r.top;
        c.right = r.right;
        c.bottom = r.bottom;
        out.push_back(c);
    }
    return out;
}

/* Inserts text right after the first occurrence of anchor in s (nothing when absent). */
static void InsertAfter(std::string &s, const char *anchor, const std::string &text)
{
    size_t p = s.find(anchor);
    if (p != std::string::npos)
        s.insert(p + strlen(anchor), text);
}

static void ReplaceAll(std::string &s, const std::string &from, const std::string &to)
{
    for (size_t p = s.find(from); p != std::string::npos; p = s.find(from, p + to.size()))
        s.replace(p, from.size(), to);
}

/* The C source that creates and handles the dialog, into the main pane. */
static void WriteCallingSource(const std::vector<Ctrldata> &recs, const std::string &prefix)
{
    std::string src = LoadResString(IDS_DLG_SOURCE);
    size_t ph = src.find("INSERTION");
    if (ph != std::string::npos)
        src.replace(ph, 9, designer.dlgData.szName);
    AddControlCases(src, recs);
    BOOL snippets = FALSE;
    struct Kind { int row; UINT id; const char *word; const char *placeholder; BOOL twoParts; };
    static const Kind kinds[] = {{9, IDS_DLG_TABCODE, "TAB", "Def_IDC_TAB", TRUE},
                                 {12, IDS_DLG_HEADERCODE, "HDC", "Def_IDC_HEADER", FALSE},
                                 {20, IDS_DLG_REBARCODE, "REBAR", "Def_IDC_REBAR", FALSE},
                                 {5, IDS_DLG_LISTVIEWCODE, "LISTVIEW", "Def_IDC_LVC", TRUE}};
    for (const Kind &k : kinds) {
        if (g_classInfo[k.row].counter == 0)
            continue;
        std::string snippet = LoadResString(k.id);
        size_t cut = snippet.find('\0'); // the WM_NOTIFY part follows a NUL
        std::string first = snippet.substr(0, cut), second = cut == std::string::npos ? "" : snippet.substr(cut + 1);
        InsertAfter(src, "WM_INITDIALOG:", "\r\n" + first);
        if (k.twoParts && !second.empty())
            InsertAfter(src, "case WM_NOTIFY:", "\r\n" + second);
        ReplaceAll(src, k.placeholder, prefix + k.word + "1");
        snippets = TRUE;
    }
    if (snippets)
        AppendToPane(frame.hEdit, LoadResString(IDS_DLG_COMMONCONTROLS), FALSE);
    AppendToPane(frame.hEdit, src, FALSE);
}

/* WriteDialogScript: a new dialog and its definitions at the end of the resource pane. */
void WriteDialogScript(HWND panel)
{
    if (MessageBoxA(panel, "スクリプトを出力します。よろしいですか？", "確認", MB_YESNO | MB_ICONQUESTION) == IDNO)
        return;
    SendMessageA(panel, WM_COMMAND, IDC_DSG_READFIELDS, (LPARAM)&designer.dlgData);
    std::string prefix = GetItemText(panel, IDC_DSG_PREFIX);
    int startId = (int)GetDlgItemInt(panel, IDC_DSG_STARTID, NULL, TRUE);
    CompactRecords();
    std::vector<Ctrldata> recs = RecordsInDlu();
    for (Ctrldata &c : recs) { // the chosen names give the style; the live bits are not written
        c.style = 0;
        c.exStyle = 0;
    }
    std::string style =
        designer.hOptDlg ? DlgFlagsToStyleText(designer.dlgData, false) : "DS_MODALFRAME | WS_VISIBLE | WS_POPUP";
    std::string defs;
    std::string dialog = WriteNewDialog(designer.dlgData, recs, prefix.c_str(), startId, style, defs);
    for (size_t i = 0; i < recs.size() && (int)i < designer.Icount; i++)
        strcpy(designer.Ctrls[i].szIdent, recs[i].szIdent);
    PressPaneToggleIfNeeded();
    AppendToPane(frame.hSubEdit1, defs, FALSE);
    AppendToPane(frame.hSubEdit1, dialog, FALSE);
    if (IsDlgButtonChecked(panel, IDC_DSG_ICONS) == BST_CHECKED)
        AppendToPane(frame.hSubEdit1, LoadResString(IDS_DLG_RESOURCEFILES), FALSE);
    if (IsDlgButtonChecked(panel, IDC_DSG_SOURCE) == BST_CHECKED)
        WriteCallingSource(recs, prefix);
    RefreshControlList();
}

/* Appends the old texts of a dialog to "backup.rc"; false when that fails. */
static BOOL AppendBackup(const std::string &header, const std::string &body)
{
    std::string path = BackupFileName(frame.startupPaths.szWorkDir);
    time_t now = time(NULL);
    const char *stamp = asctime(localtime(&now));
    std::string entry = BackupEntry(designer.dlgData.szName, stamp ? stamp : "\n", header, body);
    FILE *f = fopen(path.c_str(), "ab"); // appended as the bytes stand: the texts already end lines with CR LF
    if (!f)
        return FALSE;
    BOOL ok = fwrite(entry.data(), 1, entry.size(), f) == entry.size();
    ok = fclose(f) == 0 && ok;
    return ok;
}

/* UpdateCustomisedScript: rewrites the header and the changed statements after confirmation. */
void UpdateCustomisedScript(HWND panel)
{
    SendMessageA(panel, WM_COMMAND, IDC_DSG_READFIELDS, (LPARAM)&designer.dlgData);
    std::string header = DialogListHeader(), body = DialogListBody();
    if (header.empty() || body.empty()) {
        MessageBoxA(panel, "変更するダイアログのスクリプトが見つかりません", "エラー", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!AppendBackup(header, body)) {
        MessageBoxA(panel, "backup.rcに書き込めませんでした。変更を中止します。", "エラー", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    std::string newHeader = WriteDialogHeader(header, designer.dlgData, designer.dlgDataOrg);
    std::string prefix = GetItemText(panel, IDC_DSG_PREFIX);
    int startId = (int)GetDlgItemInt(panel, IDC_DSG_STARTID, NULL, TRUE);
    std::vector<Ctrldata> recs;
    for (int i = 0; i < designer.Icount; i++) {
        RefreshRecordRect(i);
        Ctrldata c = designer.Ctrls[i];
        RECT r = RecordRectInDlu(c);
        c.left = r.left; c.top = r.top; c.right = r.right; c.bottom = r.bottom;
        recs.push_back(c);
    }
    UpdateResult res = UpdateDialogScript(body, recs, designer.savedCtrls, prefix.c_str(), startId);
    for (int i = 0; i < designer.Icount; i++)
        strcpy(designer.Ctrls[i].szIdent, recs[i].szIdent);
    SetDlgItemInt(panel, IDC_DSG_STARTID, res.nextId, TRUE);

    HWND edit = frame.hCurEdit ? frame.hCurEdit : frame.hSubEdit1;
    if (!SelectTextInEdit(edit, header, FALSE))
        return;
    int answer =
        MessageBoxA(panel, "この部分が書き換わります。宜しいですか？", "確認", MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL)
        return;
    if (answer == IDYES) {
        ReplacePaneSelection(edit, newHeader.data(), newHeader.size(), TRUE);
        DialogListSetTexts(newHeader, body);
        header = newHeader;
    }
    if (!SelectTextInEdit(edit, body, TRUE))
        return;
    answer = MessageBoxA(panel, "この部分が書き換わります。宜しいですか？", "確認", MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer != IDYES)
        return;
    ReplacePaneSelection(edit, res.body.data(), res.body.size(), TRUE);
    DialogListSetTexts(header, res.body);
    designer.savedCtrls = recs; // later rewrites compare with what the script now holds
    designer.dlgDataOrg = designer.dlgData;
}

/* ControlScriptOfRecord: one control's statement in dialog units, with a temporary identifier. */
std::string ControlScriptOfRecord(int index)
{
    RefreshRecordRect(index);
    const Ctrldata &c = designer.Ctrls[index];
    RECT r = RecordRectInDlu(c);
    ClassInfo *row = FindClassInfo(c.szClass);
    const char *word = row ? row->identWord : "CTRL";
    std::string style = FlagsToStyleText(c);
    char buf[1024];
    const char *cls = c.szClass;
    if (strncmp(cls, "EDIT", 4) == 0 || strncmp(cls, "LISTBOX", 7) == 0 || strncmp(cls, "COMBOBOX", 8) == 0 ||
        strncmp(cls, "SCROLLBAR", 9) == 0)
        snprintf(buf, sizeof buf, "%-s\r\n      IDC_TEMP_%-s ,%-d ,%-d ,%-d ,%-d ,\r\n      %-s\r\n",
                 row && row->shortKeyword[0] ? row->shortKeyword : cls, word, (int)r.left, (int)r.top, (int)r.right,
                 (int)r.bottom, style.c_str());
    else
        snprintf(buf, sizeof buf,
                 "CONTROL \"%-s\",\r\n      IDC_TEMP_%-s ,\"%-s\" ,%-s,\r\n      %-d ,%-d ,%-d ,%-d\r\n", c.szText,
                 word, cls, style.c_str(), (int)r.left, (int)r.top, (int)r.right, (int)r.bottom);
    return buf;
}
