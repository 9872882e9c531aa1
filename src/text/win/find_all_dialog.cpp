#include "text/win/find_all_dialog.h"

#include "app/frame/busy_guard.h"
#include "app/frame/globals.h"
#include "app/frame/pane_text.h"
#include "common/cp932.h"
#include "resource_ids.h"
#include "text/find_all.h"
#include "text/win/pane_select.h"
#include "text/win/text_caps.h"

#include <commctrl.h>
#include <richedit.h>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The result table of the open dialog (one dialog at most).
struct FindTable {
    bool bValid = false;       // false while a search runs or after 7007
    std::string szPhrase;
    int nMode = kFindNormal;
    size_t nTextLen = 0;       // text length at the search
    FindAllResult found;
    FunctionList funcs;
    int nFunctions = 0;
    std::vector<FindRow> rows;
    std::vector<std::string> info; // information column
    std::vector<bool> checked;     // check boxes, one per row
};

FindTable table;
HFONT hBoldFont;
bool bCheckNoticed; // the list reported a check change since the last click
std::string szCell; // text handed to the list view for one cell

HWND List(HWND dlg) { return GetDlgItem(dlg, IDC_LD2_LIST); }

int RowCount()
{
    size_t n = table.rows.size() > table.info.size() ? table.rows.size() : table.info.size();
    return (int)n;
}

/* FreeTable: command 7007. */
void FreeTable(HWND dlg)
{
    ListView_SetItemCountEx(List(dlg), 0, 0);
    table = FindTable();
}

int DialogMode(HWND dlg)
{
    if (IsDlgButtonChecked(dlg, IDC_LD2_NORMAL) == BST_CHECKED)
        return kFindNormal;
    if (IsDlgButtonChecked(dlg, IDC_LD2_VARIABLE) == BST_CHECKED)
        return kFindVariable;
    return kFindPattern;
}

// Reads a dialog edit into a string of at most maxBytes, cut on a character.
std::string DialogText(HWND dlg, int id, size_t maxBytes)
{
    char buf[512] = "";
    GetDlgItemTextA(dlg, id, buf, sizeof buf);
    size_t n = cp932::CutOnCharBoundary(buf, std::strlen(buf), maxBytes);
    return std::string(buf, n);
}

/* Search: command 7006, the functions of the main pane and the hits of the phrase. */
void Search(HWND dlg)
{
    table = FindTable();
    std::string text = frame.hEdit ? GetPaneText(frame.hEdit) : std::string();
    table.nTextLen = text.size();
    table.nFunctions = EnumerateFunctions(text.c_str(), text.size(), kMaxListedFunctions, table.funcs);
    char msg[96];
    std::snprintf(msg, sizeof msg, "%d個の関数が見つかりました。", table.nFunctions);
    ShowStatusMessage(msg, 5000);
    table.szPhrase = DialogText(dlg, IDC_LD2_PHRASE, 63);
    table.nMode = DialogMode(dlg);
    int nHits = 0;
    if (!text.empty() && !table.szPhrase.empty()) {
        if (table.szPhrase.size() > text.size())
            MessageBoxA(dlg, "テキストより大きい文字列を\r\n検索しようとしています", "OK", MB_OK | MB_ICONEXCLAMATION);
        nHits = MyFindStringAll(text.c_str(), text.size(), table.szPhrase.c_str(), table.nMode, kMaxListedHits,
                                table.found);
        table.rows = BuildFindRows(text.c_str(), text.size(), table.funcs, table.found);
    }
    table.info = FindSummaryLines(table.szPhrase.c_str(), nHits, table.nFunctions, table.nMode);
    if (table.found.bCapped) {
        std::snprintf(msg, sizeof msg, "※%d個で打ち切りました", kMaxListedHits);
        table.info.push_back(msg);
    }
    if (table.funcs.bCapped) {
        std::snprintf(msg, sizeof msg, "※関数は%d個までです", kMaxListedFunctions);
        table.info.push_back(msg);
    }
    SecureZeroMemory(&text[0], text.size());
    table.checked.assign(table.rows.size(), false);
    table.bValid = true;
    HWND list = List(dlg);
    ListView_SetItemCountEx(list, RowCount(), 0);
    InvalidateRect(list, NULL, TRUE);
}

/* Research: command 7009, the button off while the table is made again. */
void Research(HWND dlg)
{
    EnableWindow(GetDlgItem(dlg, IDC_LD2_RESEARCH), FALSE);
    FreeTable(dlg);
    Search(dlg);
    EnableWindow(GetDlgItem(dlg, IDC_LD2_RESEARCH), TRUE);
}

/* FollowRow: selects the row's place in the main pane. */
void FollowRow(int row)
{
    if (!table.bValid || row < 0 || (size_t)row >= table.rows.size() || !frame.hEdit || IsBusy())
        return;
    const FindRow &r = table.rows[(size_t)row];
    size_t len = table.szPhrase.size();
    if (r.nHit < 0)
        len = r.szLocation.size(); // the function's name through its ")"
    else if (table.nMode == kFindPattern)
        len = std::strlen(table.found.hits[(size_t)r.nHit].szSnippet);
    std::string text = GetPaneText(frame.hEdit);
    PanePositions map(text.c_str(), text.size(), PaneCountsBytes(frame.hEdit, text));
    ShowPaneHit(frame.hEdit, map, r.nPos, len);
}

// Rows to replace: the checked ones, or else the selected ones.
std::vector<size_t> RowsToReplace(HWND dlg)
{
    std::vector<size_t> rows;
    for (size_t i = 0; i < table.checked.size(); ++i)
        if (table.checked[i])
            rows.push_back(i);
    if (!rows.empty())
        return rows;
    HWND list = List(dlg);
    for (int i = ListView_GetNextItem(list, -1, LVNI_SELECTED); i >= 0;
         i = ListView_GetNextItem(list, i, LVNI_SELECTED))
        if ((size_t)i < table.rows.size())
            rows.push_back((size_t)i);
    return rows;
}

// Pane positions that text[0, len) takes.
long PanePositionCount(const char *text, size_t len, bool bBytes)
{
    return (long)(bBytes ? len : CountChars(text, len));
}

/* Replace: button 7034, the chosen rows one by one with a running offset. */
void Replace(HWND dlg)
{
    if (!table.bValid || !frame.hEdit)
        return;
    std::string text = GetPaneText(frame.hEdit);
    if (text.size() != table.nTextLen &&
        MessageBoxA(dlg,
                    "全検索を行った後に文章が変更されました。\r\n置換操作が正しく行われない可能性があります。\r\n"
                    "もう一度全検索をやり直して下さい\r\nそれでも強行しますか？",
                    "警告", MB_YESNO | MB_ICONEXCLAMATION) == IDNO)
        return;
    std::string repl = DialogText(dlg, IDC_LD2_REPLTEXT, 128);
    if (repl.empty())
        return;
    std::vector<size_t> rows = RowsToReplace(dlg);
    if (rows.empty()) {
        MessageBoxA(dlg, "一つ以上のアイテムを選択してください。", "アイテムが選択されていません",
                    MB_OK | MB_TASKMODAL | MB_ICONEXCLAMATION);
        Research(dlg);
        return;
    }
    bool bBytes = PaneCountsBytes(frame.hEdit, text);
    std::string edited = text;
    std::vector<TextEdit> edits;
    ReplaceCheckedRows(edited, table.rows, table.found, rows, table.szPhrase.c_str(), repl.c_str(), table.nMode,
                       &edits);
    PanePositions map(text.c_str(), text.size(), bBytes);
    BusyGuard busy;
    long long byteShift = 0;
    long posShift = 0;
    for (const TextEdit &e : edits) {
        size_t origStart = (size_t)((long long)e.nStart - byteShift);
        CHARRANGE cr;
        cr.cpMin = map.ToPane(origStart) + posShift;
        cr.cpMax = cr.cpMin + PanePositionCount(text.c_str() + origStart, e.nOldLen, bBytes);
        SendMessageA(frame.hEdit, EM_EXSETSEL, 0, (LPARAM)&cr);
        ReplacePaneSelection(frame.hEdit, e.szNew.c_str(), e.szNew.size(), TRUE);
        posShift += PanePositionCount(e.szNew.c_str(), e.szNew.size(), bBytes) - (cr.cpMax - cr.cpMin);
        byteShift += (long long)e.szNew.size() - (long long)e.nOldLen;
        PumpWhileBusy(); // each replacement in a long text takes its while
    }
    SecureZeroMemory(&text[0], text.size());
    Research(dlg);
}

/* OnGetDispInfo: one cell (and the check box) from the table. */
void OnGetDispInfo(NMLVDISPINFOA *di)
{
    LVITEMA &item = di->item;
    size_t row = (size_t)item.iItem;
    if (item.mask & LVIF_TEXT) {
        szCell.clear();
        if (table.bValid) {
            if (item.iSubItem == 0 && row < table.rows.size())
                szCell = table.rows[row].szLocation;
            else if (item.iSubItem == 1 && row < table.rows.size())
                szCell = table.rows[row].szResult;
            else if (item.iSubItem == 2 && row < table.info.size())
                szCell = table.info[row];
        }
        lstrcpynA(item.pszText, szCell.c_str(), item.cchTextMax);
    }
    if (item.mask & LVIF_STATE) {
        bool bChecked = row < table.checked.size() && table.checked[row];
        item.state = INDEXTOSTATEIMAGEMASK(bChecked ? 2 : 1);
        item.stateMask = LVIS_STATEIMAGEMASK;
    }
}

void ToggleCheck(HWND list, int row)
{
    if (row < 0 || (size_t)row >= table.checked.size())
        return;
    table.checked[(size_t)row] = !table.checked[(size_t)row];
    ListView_RedrawItems(list, row, row);
}

/* OnNotify: cells, edited labels, check boxes and following the focused row. */
INT_PTR OnNotify(HWND dlg, NMHDR *nm)
{
    if (nm->idFrom != IDC_LD2_LIST)
        return FALSE;
    HWND list = nm->hwndFrom;
    switch (nm->code) {
    case LVN_GETDISPINFOA:
        OnGetDispInfo((NMLVDISPINFOA *)nm);
        return TRUE;
    case LVN_ENDLABELEDITA: {
        NMLVDISPINFOA *di = (NMLVDISPINFOA *)nm;
        if (di->item.pszText && di->item.iItem >= 0 && (size_t)di->item.iItem < table.rows.size())
            table.rows[(size_t)di->item.iItem].szLocation = di->item.pszText;
        SetWindowLongPtrA(dlg, DWLP_MSGRESULT, FALSE);
        return TRUE;
    }
    case NM_CLICK: {
        NMITEMACTIVATE *ia = (NMITEMACTIVATE *)nm;
        LVHITTESTINFO hit = {};
        hit.pt = ia->ptAction;
        // Some list views change the state image themselves and say so
        // first (LVN_ITEMCHANGED); toggle only when none did.
        if (!bCheckNoticed && ListView_SubItemHitTest(list, &hit) >= 0 && (hit.flags & LVHT_ONITEMSTATEICON))
            ToggleCheck(list, hit.iItem);
        bCheckNoticed = false;
        return TRUE;
    }
    case NM_DBLCLK:
        FollowRow(ListView_GetNextItem(list, -1, LVNI_FOCUSED));
        return TRUE;
    case LVN_KEYDOWN: {
        NMLVKEYDOWN *kd = (NMLVKEYDOWN *)nm;
        int focused = ListView_GetNextItem(list, -1, LVNI_FOCUSED);
        if (kd->wVKey == VK_SPACE)
            ToggleCheck(list, focused);
        else if (kd->wVKey == VK_RETURN)
            FollowRow(focused);
        return TRUE;
    }
    case LVN_ITEMCHANGED: {
        NMLISTVIEW *lv = (NMLISTVIEW *)nm;
        if (lv->iItem >= 0 && (lv->uChanged & LVIF_STATE)) {
            UINT changed = lv->uNewState ^ lv->uOldState;
            if ((changed & LVIS_STATEIMAGEMASK) && (lv->uNewState & LVIS_STATEIMAGEMASK) &&
                (size_t)lv->iItem < table.checked.size())
            {
                table.checked[(size_t)lv->iItem] = (lv->uNewState & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
                bCheckNoticed = true;
            }
            if ((lv->uNewState & LVIS_FOCUSED) && lv->iItem == ListView_GetNextItem(list, -1, LVNI_FOCUSED))
                FollowRow(lv->iItem);
        }
        return TRUE;
    }
    }
    return FALSE;
}

/* SetBoldFonts: the labels and radio buttons in a bold form of the dialog font. */
void SetBoldFonts(HWND dlg)
{
    LOGFONTA lf = {};
    HFONT base = (HFONT)SendMessageA(dlg, WM_GETFONT, 0, 0);
    if (!base || !GetObjectA(base, sizeof lf, &lf))
        return;
    lf.lfWeight = 700;
    lf.lfHeight = 10;
    hBoldFont = CreateFontIndirectA(&lf);
    if (!hBoldFont)
        return;
    const int ids[] = {IDC_LD2_PHRASELABEL, IDC_LD2_REPLLABEL, IDC_LD2_NOTE, IDC_LD2_NORMAL, IDC_LD2_VARIABLE,
                       IDC_LD2_PATTERN};
    for (int id : ids)
        SendDlgItemMessageA(dlg, id, WM_SETFONT, (WPARAM)hBoldFont, FALSE);
}

void AddColumn(HWND list, int index, const char *title, int width)
{
    LVCOLUMNA col = {};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    col.pszText = (LPSTR)title;
    col.cx = width;
    col.iSubItem = index;
    ListView_InsertColumn(list, index, &col);
}

// Distance of each control below the list from the dialog's bottom edge.
struct BottomPlace { int id; int fromBottom; };
std::vector<BottomPlace> bottomPlaces;

void RememberBottomPlaces(HWND dlg)
{
    bottomPlaces.clear();
    RECT client;
    GetClientRect(dlg, &client);
    for (HWND child = GetWindow(dlg, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        int id = GetDlgCtrlID(child);
        if (id == IDC_LD2_LIST)
            continue;
        RECT rc;
        GetWindowRect(child, &rc);
        MapWindowPoints(NULL, dlg, (POINT *)&rc, 2);
        bottomPlaces.push_back({id, client.bottom - rc.top});
    }
}

/* OnSize: the list fills the width and the height less 55 pixels; the rest follows the bottom edge. */
void OnSize(HWND dlg, int width, int height)
{
    int listHeight = height - 55 > 20 ? height - 55 : 20;
    MoveWindow(List(dlg), 0, 0, width, listHeight, TRUE);
    for (const BottomPlace &p : bottomPlaces) {
        HWND child = GetDlgItem(dlg, p.id);
        RECT rc;
        GetWindowRect(child, &rc);
        MapWindowPoints(NULL, dlg, (POINT *)&rc, 2);
        int top = height - p.fromBottom;
        if (p.id == IDC_LD2_REPLACE)
            top = listHeight + 30;
        SetWindowPos(child, NULL, rc.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    InvalidateRect(dlg, NULL, TRUE);
}

void OnInitDialog(HWND dlg, const char *phrase)
{
    SetBoldFonts(dlg);
    HWND list = List(dlg);
    ListView_SetExtendedListViewStyle(list, LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    ListView_SetCallbackMask(list, LVIS_STATEIMAGEMASK);
    AddColumn(list, 0, "場所", 160);
    AddColumn(list, 1, "検索結果", 120);
    AddColumn(list, 2, "情報", 125);
    SendDlgItemMessageA(dlg, IDC_LD2_PHRASE, EM_LIMITTEXT, 63, 0);
    SendDlgItemMessageA(dlg, IDC_LD2_REPLTEXT, EM_LIMITTEXT, 128, 0);
    SetDlgItemTextA(dlg, IDC_LD2_PHRASE, phrase);
    CheckRadioButton(dlg, IDC_LD2_NORMAL, IDC_LD2_PATTERN, IDC_LD2_NORMAL);
    RememberBottomPlaces(dlg);
}

/* OnEnter: Return re-searches from the phrase, follows a row from the list, else nothing. */
void OnEnter(HWND dlg)
{
    HWND focus = GetFocus();
    if (focus == GetDlgItem(dlg, IDC_LD2_PHRASE))
        Research(dlg);
    else if (focus == List(dlg))
        FollowRow(ListView_GetNextItem(List(dlg), -1, LVNI_FOCUSED));
}

void OnClose(HWND dlg)
{
    if (!table.bValid && !table.szPhrase.empty()) {
        MessageBoxA(dlg, "検索中です。", "ＯＫ", MB_OK);
        return;
    }
    DestroyWindow(dlg);
}

/* IsPaneWork: the list's commands that work on the main pane, refused during another long operation. */
bool IsPaneWork(UINT id)
{
    return id == IDM_LD2_SEARCH || id == IDC_LD2_RESEARCH || id == IDC_LD2_REPLACE || id == IDOK;
}

INT_PTR CALLBACK FindAllDialogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        OnInitDialog(dlg, (const char *)lParam);
        return TRUE;
    case WM_NOTIFY:
        return OnNotify(dlg, (NMHDR *)lParam);
    case WM_SIZE:
        OnSize(dlg, LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case WM_COMMAND:
        if (IsPaneWork(LOWORD(wParam)) && RefuseWhileBusy())
            return TRUE;
        switch (LOWORD(wParam)) {
        case IDM_LD2_SEARCH:   Search(dlg); return TRUE;
        case IDM_LD2_FREE:     FreeTable(dlg); return TRUE;
        case IDC_LD2_RESEARCH: Research(dlg); return TRUE;
        case IDC_LD2_REPLACE:  Replace(dlg); return TRUE;
        case IDOK:             OnEnter(dlg); return TRUE;
        case IDCANCEL:         OnClose(dlg); return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        OnClose(dlg);
        return TRUE;
    case WM_DESTROY:
        table = FindTable();
        if (hBoldFont)
            DeleteObject(hBoldFont);
        hBoldFont = NULL;
        frame.hListDlg2 = NULL;
        return TRUE;
    }
    return FALSE;
}

} // namespace

void ShowFindAllDialog(HWND mainWnd, const char *phrase)
{
    if (frame.hListDlg2 && IsWindow(frame.hListDlg2)) {
        SetDlgItemTextA(frame.hListDlg2, IDC_LD2_PHRASE, phrase);
        CheckRadioButton(frame.hListDlg2, IDC_LD2_NORMAL, IDC_LD2_PATTERN, IDC_LD2_NORMAL);
        ShowWindow(frame.hListDlg2, SW_SHOWNORMAL);
        Research(frame.hListDlg2);
        return;
    }
    frame.hListDlg2 = CreateDialogParamA(frame.hInst, "LISTDLG2", mainWnd, FindAllDialogProc, (LPARAM)phrase);
    if (!frame.hListDlg2) {
        MessageBoxA(mainWnd, "検索結果のダイアログを作れませんでした。", "エラー", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    ShowWindow(frame.hListDlg2, SW_SHOWNORMAL);
    Search(frame.hListDlg2);
}
