#include "settings/win/add_button_dialogs.h"

#include <commctrl.h>
#include <cstdio>
#include <string>

#include "app/snippet_menu_core.h"
#include "app/frame/globals.h"
#include "resource_ids.h"
#include "settings/win/user_buttons.h"

// Counters of the default labels, one per add dialog.
static int nInsertCounter = 1, nCommandCounter = 1, nBatchCounter = 1, nFunctionCounter = 1;

// The functions of ADDBUTTONDLGOTH: label set and command sent, by radio button.
static const struct {
    const char *szLabel;
    UINT nCommand;
} editorFunctions[] = {
    {"上書き", 202},     {"全検索", 9997},      {"整形1", 226},        {"関数列挙", 220},
    {"VIEWボード", 304}, {"簡易indent", 227},   {"関数の先頭", 222},   {"BinaryViewer", 225},
    {"簡易compile", 408}, {"次の関数", 221},    {"Dialog作成", 402},
};

/* DlgText: the text of a dialog field (up to nMax bytes). */
static std::string DlgText(HWND dlg, int id, int nMax)
{
    std::string s((size_t)nMax + 1, '\0');
    int n = GetDlgItemTextA(dlg, id, &s[0], nMax + 1);
    s.resize(n > 0 ? (size_t)n : 0);
    return s;
}

static void SetCounterLabel(HWND dlg, int id, const char *szPrefix, int n)
{
    char sz[32];
    wsprintfA(sz, "%s%d", szPrefix, n);
    SetDlgItemTextA(dlg, id, sz);
}

/* CloseAddDialog: a modal dialog ends; a page closes its tab box. */
static void CloseAddDialog(HWND dlg)
{
    if (GetWindowLongPtrA(dlg, DWLP_USER))
        PostMessageA(GetParent(dlg), WM_CLOSE, 0, 0);
    else
        EndDialog(dlg, 0);
}

/* FillSnippetNames: the names of string 7598 into the combo. */
static void FillSnippetNames(HWND combo)
{
    char buffer[1024] = "";
    int n = LoadStringA(frame.hInst, IDS_SNIPPETLIST, buffer, sizeof buffer);
    SnippetList list = ParseSnippetList(buffer, n > 0 ? (size_t)n : 0);
    for (const std::string &name : list.items)
        SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)name.c_str());
}

static INT_PTR CALLBACK InsertDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dlg, DWLP_USER, lParam);
        SendDlgItemMessageA(dlg, IDC_INS_LABEL, EM_LIMITTEXT, USER_LABEL_SIZE - 1, 0);
        SendDlgItemMessageA(dlg, IDC_INS_TEXT, EM_LIMITTEXT, USER_TEXT_MAX, 0);
        SetCounterLabel(dlg, IDC_INS_LABEL, "挿", nInsertCounter);
        FillSnippetNames(GetDlgItem(dlg, IDC_INS_SNIPPETS));
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_INS_SNIPPETS:
            if (HIWORD(wParam) == CBN_SELENDOK) {
                LRESULT i = SendDlgItemMessageA(dlg, IDC_INS_SNIPPETS, CB_GETCURSEL, 0, 0);
                char text[2049] = "";
                if (i >= 0 && LoadStringA(frame.hInst, IDS_SNIPPET_FIRST + (UINT)i, text, sizeof text) > 0)
                    SetDlgItemTextA(dlg, IDC_INS_TEXT, text);
            }
            return TRUE;
        case IDC_INS_MAKE:
        case IDOK: {
            std::string text = DlgText(dlg, IDC_INS_TEXT, USER_TEXT_MAX);
            if (text.empty() && MessageBoxA(dlg, "テキストの内容がありません。よろしいですか？", "確認",
                                            MB_YESNO | MB_ICONQUESTION) == IDNO)
                return TRUE;
            uint8_t kind = IsDlgButtonChecked(dlg, IDC_INS_ATCARET) ? KIND_INSERT_AT_CARET : KIND_INSERT_AT_POINTER;
            if (MakeUserButton(DlgText(dlg, IDC_INS_LABEL, USER_LABEL_SIZE - 1).c_str(), kind, 0, text))
                ++nInsertCounter;
            CloseAddDialog(dlg);
            return TRUE;
        }
        case IDCANCEL:
            CloseAddDialog(dlg);
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        CloseAddDialog(dlg);
        return TRUE;
    }
    return FALSE;
}

static INT_PTR CALLBACK CommandDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dlg, DWLP_USER, lParam);
        SendDlgItemMessageA(dlg, IDC_CMD_LABEL, EM_LIMITTEXT, USER_LABEL_SIZE - 1, 0);
        SendDlgItemMessageA(dlg, IDC_CMD_TEXT, EM_LIMITTEXT, 255, 0);
        SetCounterLabel(dlg, IDC_CMD_LABEL, "CMD", nCommandCounter);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_CMD_MAKE:
        case IDOK: {
            std::string text = DlgText(dlg, IDC_CMD_TEXT, 255);
            if (text.empty())
                return TRUE;
            if (MakeUserButton(DlgText(dlg, IDC_CMD_LABEL, USER_LABEL_SIZE - 1).c_str(), KIND_DOS_COMMAND, 0, text))
                ++nCommandCounter;
            CloseAddDialog(dlg);
            return TRUE;
        }
        case IDC_CMD_CANCEL:
        case IDCANCEL:
            CloseAddDialog(dlg);
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        CloseAddDialog(dlg);
        return TRUE;
    }
    return FALSE;
}

static INT_PTR CALLBACK BatchDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG: {
        SetWindowLongPtrA(dlg, DWLP_USER, lParam);
        SendDlgItemMessageA(dlg, IDC_EX_LABEL, EM_LIMITTEXT, USER_LABEL_SIZE - 1, 0);
        SendDlgItemMessageA(dlg, IDC_EX_TEXT, EM_LIMITTEXT, USER_TEXT_MAX, 0);
        SetCounterLabel(dlg, IDC_EX_LABEL, "EX", nBatchCounter);
        char text[256];
        wsprintfA(text, "dir > testsora.txt\r\nReadFile %-s\r\ndel testsora.txt", "\"C:\\testsora.txt\"");
        SetDlgItemTextA(dlg, IDC_EX_TEXT, text);
        SendDlgItemMessageA(dlg, IDC_EX_HELPERS, CB_ADDSTRING, 0, (LPARAM)"\r\nReadFile \"\"");
        SendDlgItemMessageA(dlg, IDC_EX_HELPERS, CB_ADDSTRING, 0, (LPARAM)"\r\nWriteFile \"\"");
        return TRUE;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_EX_HELPERS:
            if (HIWORD(wParam) == CBN_SELENDOK) {
                LRESULT i = SendDlgItemMessageA(dlg, IDC_EX_HELPERS, CB_GETCURSEL, 0, 0);
                char line[64] = "";
                if (i >= 0 && SendDlgItemMessageA(dlg, IDC_EX_HELPERS, CB_GETLBTEXT, (WPARAM)i, (LPARAM)line) > 0) {
                    HWND edit = GetDlgItem(dlg, IDC_EX_TEXT);
                    int end = GetWindowTextLengthA(edit);
                    SendMessageA(edit, EM_SETSEL, end, end);
                    SendMessageA(edit, EM_REPLACESEL, TRUE, (LPARAM)line);
                }
                SendDlgItemMessageA(dlg, IDC_EX_HELPERS, CB_SETCURSEL, (WPARAM)-1, 0);
                SetFocus(GetDlgItem(dlg, IDC_EX_TEXT));
            }
            return TRUE;
        case IDC_EX_MAKE:
        case IDOK: {
            std::string text = DlgText(dlg, IDC_EX_TEXT, USER_TEXT_MAX);
            if (text.empty())
                return TRUE;
            if (MakeUserButton(DlgText(dlg, IDC_EX_LABEL, USER_LABEL_SIZE - 1).c_str(), KIND_DOS_BATCH, 0, text))
                ++nBatchCounter;
            CloseAddDialog(dlg);
            return TRUE;
        }
        case IDC_EX_CANCEL:
        case IDCANCEL:
            CloseAddDialog(dlg);
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        CloseAddDialog(dlg);
        return TRUE;
    }
    return FALSE;
}

/* CheckedFunction: index of the checked radio button of ADDBUTTONDLGOTH, -1 when none. */
static int CheckedFunction(HWND dlg)
{
    for (int id = IDC_OTH_FIRST; id <= IDC_OTH_LAST; ++id)
        if (IsDlgButtonChecked(dlg, id) == BST_CHECKED)
            return id - IDC_OTH_FIRST;
    return -1;
}

static INT_PTR CALLBACK FunctionDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dlg, DWLP_USER, lParam);
        SendDlgItemMessageA(dlg, IDC_OTH_LABEL, EM_LIMITTEXT, USER_LABEL_SIZE - 1, 0);
        SetDlgItemTextA(dlg, IDC_OTH_LABEL, "上書き");
        CheckRadioButton(dlg, IDC_OTH_FIRST, IDC_OTH_LAST, IDC_OTH_FIRST);
        return TRUE;
    case WM_COMMAND: {
        UINT id = LOWORD(wParam);
        if (id >= IDC_OTH_FIRST && id <= IDC_OTH_LAST) {
            SetDlgItemTextA(dlg, IDC_OTH_LABEL, editorFunctions[id - IDC_OTH_FIRST].szLabel);
            return TRUE;
        }
        switch (id) {
        case IDC_OTH_MAKE:
        case IDOK: {
            int k = CheckedFunction(dlg);
            if (k < 0)
                return TRUE;
            if (MakeUserButton(DlgText(dlg, IDC_OTH_LABEL, USER_LABEL_SIZE - 1).c_str(), KIND_EDITOR_FUNCTION,
                               (int32_t)editorFunctions[k].nCommand, ""))
                ++nFunctionCounter;
            CloseAddDialog(dlg);
            return TRUE;
        }
        case IDC_OTH_CANCEL:
        case IDCANCEL:
            CloseAddDialog(dlg);
            return TRUE;
        }
        return FALSE;
    }
    case WM_CLOSE:
        CloseAddDialog(dlg);
        return TRUE;
    }
    return FALSE;
}

static DLGPROC ProcOfTemplate(const char *szTemplate)
{
    if (!lstrcmpA(szTemplate, "ADDBUTTONDLGINSRT")) return InsertDlgProc;
    if (!lstrcmpA(szTemplate, "ADDBUTTONDLGDOSCMD")) return CommandDlgProc;
    if (!lstrcmpA(szTemplate, "ADDBUTTONDLGDOSEX")) return BatchDlgProc;
    return FunctionDlgProc;
}

void ShowAddButtonDialog(HWND owner, const char *szTemplate)
{
    DialogBoxParamA(frame.hInst, szTemplate, owner, ProcOfTemplate(szTemplate), 0);
}

// The tab box: its four pages in tab order.
static const char *const tabTemplates[4] = {"ADDBUTTONDLGINSRT", "ADDBUTTONDLGDOSCMD", "ADDBUTTONDLGDOSEX",
                                            "ADDBUTTONDLGOTH"};
static const char *const tabTitles[4] = {"挿入文", "コマンドライン命令", "コマンドライン（複数）", "その他"};

struct TabBoxState {
    HWND pages[4];
};

/* MakeTabPage: an add dialog as a child page below the tab control's top. */
static HWND MakeTabPage(HWND box, HWND tab, int k)
{
    HWND page = CreateDialogParamA(frame.hInst, tabTemplates[k], box, ProcOfTemplate(tabTemplates[k]), 1);
    if (!page)
        return NULL;
    LONG_PTR style = GetWindowLongPtrA(page, GWL_STYLE);
    style = (style & ~(WS_POPUP | WS_CAPTION | WS_THICKFRAME | DS_MODALFRAME | WS_SYSMENU)) | WS_CHILD;
    SetWindowLongPtrA(page, GWL_STYLE, style);
    SetWindowLongPtrA(page, GWL_EXSTYLE, GetWindowLongPtrA(page, GWL_EXSTYLE) & ~WS_EX_DLGMODALFRAME);
    SetParent(page, box);
    RECT rc;
    GetWindowRect(tab, &rc);
    MapWindowPoints(NULL, box, (POINT *)&rc, 2);
    SetWindowPos(page, HWND_TOP, rc.left + 4, rc.top + 20, 0, 0, SWP_NOSIZE | SWP_FRAMECHANGED | SWP_HIDEWINDOW);
    return page;
}

static void ShowTabPage(TabBoxState &st, int k)
{
    for (int i = 0; i < 4; ++i)
        if (st.pages[i])
            ShowWindow(st.pages[i], i == k ? SW_SHOW : SW_HIDE);
}

static INT_PTR CALLBACK TabBoxDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TabBoxState *st = (TabBoxState *)GetWindowLongPtrA(dlg, DWLP_USER);
    switch (msg) {
    case WM_INITDIALOG: {
        st = (TabBoxState *)lParam;
        SetWindowLongPtrA(dlg, DWLP_USER, (LONG_PTR)st);
        HWND tab = GetDlgItem(dlg, IDC_TABBOX_TAB);
        for (int k = 0; k < 4; ++k) {
            TCITEMA item = {};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<char *>(tabTitles[k]);
            SendMessageA(tab, TCM_INSERTITEMA, k, (LPARAM)&item);
        }
        for (int k = 0; k < 4; ++k)
            st->pages[k] = MakeTabPage(dlg, tab, k);
        SendMessageA(tab, TCM_SETCURSEL, 3, 0);
        ShowTabPage(*st, 3);
        return TRUE;
    }
    case WM_NOTIFY: {
        NMHDR *hdr = (NMHDR *)lParam;
        if (st && hdr->idFrom == IDC_TABBOX_TAB && hdr->code == TCN_SELCHANGE) {
            ShowTabPage(*st, (int)SendMessageA(hdr->hwndFrom, TCM_GETCURSEL, 0, 0));
            return TRUE;
        }
        return FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            SendMessageA(dlg, WM_CLOSE, 0, 0);
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        if (st)
            for (HWND &page : st->pages)
                if (page) {
                    DestroyWindow(page);
                    page = NULL;
                }
        EndDialog(dlg, 0);
        return TRUE;
    }
    return FALSE;
}

void ShowAddButtonTabBox(HWND owner)
{
    TabBoxState st = {};
    DialogBoxParamA(frame.hInst, "ADDBUTTONDLGTABBOX", owner, TabBoxDlgProc, (LPARAM)&st);
}

/* ShowKindInCombo: the kind's name as the combo's only selection. */
static void ShowKindInCombo(HWND dlg, uint8_t kind)
{
    HWND combo = GetDlgItem(dlg, IDC_PROP_KIND);
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (uint8_t k = 0; k <= KIND_DOS_BATCH; ++k)
        SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)UserButtonKindName(k));
    SendMessageA(combo, CB_SETCURSEL, kind, 0);
}

static void OnPropInit(HWND dlg, UserButton &b)
{
    SendDlgItemMessageA(dlg, IDC_PROP_LABEL, EM_LIMITTEXT, USER_LABEL_SIZE - 1, 0);
    SendDlgItemMessageA(dlg, IDC_PROP_TEXT, EM_LIMITTEXT, USER_TEXT_MAX, 0);
    ShowKindInCombo(dlg, b.kind);
    EnableWindow(GetDlgItem(dlg, IDC_PROP_KIND), FALSE);
    SetDlgItemTextA(dlg, IDC_PROP_LABEL, b.szLabel);
    char szValue[32];
    wsprintfA(szValue, "%ld", (long)b.value);
    SetDlgItemTextA(dlg, IDC_PROP_POSITION, szValue);
    EnableWindow(GetDlgItem(dlg, IDC_PROP_POSITION), b.kind == KIND_POSITION);
    if (b.kind == KIND_EDITOR_FUNCTION) {
        SetDlgItemTextA(dlg, IDC_PROP_POSCAPTION, "機能");
        SetDlgItemTextA(dlg, IDC_PROP_POSUNIT, "(ID)");
    }
    SetDlgItemTextA(dlg, IDC_PROP_TEXT, b.text.c_str());
    EnableWindow(GetDlgItem(dlg, IDC_PROP_TEXT), KindHasText(b.kind));
    BOOL bInsert = b.kind == KIND_INSERT_AT_POINTER || b.kind == KIND_INSERT_AT_CARET;
    ShowWindow(GetDlgItem(dlg, IDC_PROP_POINTER), bInsert ? SW_SHOW : SW_HIDE);
    ShowWindow(GetDlgItem(dlg, IDC_PROP_CARET), bInsert ? SW_SHOW : SW_HIDE);
    if (bInsert)
        CheckRadioButton(dlg, IDC_PROP_POINTER, IDC_PROP_CARET,
                         b.kind == KIND_INSERT_AT_POINTER ? IDC_PROP_POINTER : IDC_PROP_CARET);
}

/* OnPropApply: the page into the button; FALSE (nothing changed) when the position is no number. */
static BOOL OnPropApply(HWND dlg, UserButton &b)
{
    int position = 0;
    if (b.kind == KIND_POSITION) {
        BOOL ok = FALSE;
        position = (int)GetDlgItemInt(dlg, IDC_PROP_POSITION, &ok, TRUE);
        if (!ok) {
            MessageBoxA(dlg, "位置は数字で指定してください。", "注意", MB_OK | MB_ICONEXCLAMATION);
            return FALSE;
        }
    }
    RelabelUserButton(b.id, DlgText(dlg, IDC_PROP_LABEL, USER_LABEL_SIZE - 1).c_str());
    if (KindHasText(b.kind))
        b.text = DlgText(dlg, IDC_PROP_TEXT, USER_TEXT_MAX);
    if (b.kind == KIND_POSITION)
        b.value = position;
    if (b.kind == KIND_INSERT_AT_POINTER || b.kind == KIND_INSERT_AT_CARET)
        b.kind = IsDlgButtonChecked(dlg, IDC_PROP_POINTER) ? KIND_INSERT_AT_POINTER : KIND_INSERT_AT_CARET;
    return TRUE;
}

static INT_PTR CALLBACK PropDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG: {
        UINT id = (UINT)((PROPSHEETPAGEA *)lParam)->lParam;
        SetWindowLongPtrA(dlg, DWLP_USER, id);
        UserButton *b = FindUserButton(buttonState.userButtons, id);
        if (b)
            OnPropInit(dlg, *b);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_PROP_POINTER || LOWORD(wParam) == IDC_PROP_CARET) {
            ShowKindInCombo(dlg, LOWORD(wParam) == IDC_PROP_POINTER ? KIND_INSERT_AT_POINTER : KIND_INSERT_AT_CARET);
            return TRUE;
        }
        return FALSE;
    case WM_NOTIFY:
        if (((NMHDR *)lParam)->code == PSN_APPLY) {
            UserButton *b = FindUserButton(buttonState.userButtons, (UINT)GetWindowLongPtrA(dlg, DWLP_USER));
            BOOL ok = !b || OnPropApply(dlg, *b);
            SetWindowLongPtrA(dlg, DWLP_MSGRESULT, ok ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

void ShowButtonProperties(HWND owner, UINT id)
{
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof page;
    page.hInstance = frame.hInst;
    page.pszTemplate = "PROPDIALOG";
    page.pfnDlgProc = PropDlgProc;
    page.lParam = id;
    PROPSHEETHEADERA head = {};
    head.dwSize = sizeof head;
    head.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
    head.hwndParent = owner;
    head.hInstance = frame.hInst;
    head.pszCaption = "ボタンのプロパーティ";
    head.nPages = 1;
    head.ppsp = &page;
    PropertySheetA(&head);
}
