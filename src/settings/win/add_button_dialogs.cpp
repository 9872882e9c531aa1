#include "settings/win/add_button_dialogs.h"

#include <commctrl.h>
#include <cstdio>
#include <string>

#include "app/snippet_menu_core.h"
#include "app/frame/globals.h"
#include "resource_ids.h"
#include "settings/win/user_buttons.h"

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

/* FillSnippetNames: the names of string 7598 into the combo. */
static void FillSnippetNames(HWND combo)
{
    char buffer[1024] = "";
    int n = LoadStringA(frame.hInst, IDS_SNIPPETLIST, buffer, sizeof buffer);
    SnippetList list = ParseSnippetList(buffer, n > 0 ? (size_t)n : 0);
    for (const std::string &name : list.items)
        SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)name.c_str());
}

/* InitInsert: ADDBUTTONDLGINSRT lists the snippets. */
static void InitInsert(HWND dlg)
{
    FillSnippetNames(GetDlgItem(dlg, IDC_INS_SNIPPETS));
}

/* InsertCommand: a snippet chosen in the combo becomes the text. */
static bool InsertCommand(HWND dlg, UINT id, UINT code)
{
    if (id != IDC_INS_SNIPPETS)
        return false;
    if (code == CBN_SELENDOK) {
        LRESULT i = SendDlgItemMessageA(dlg, IDC_INS_SNIPPETS, CB_GETCURSEL, 0, 0);
        char text[2049] = "";
        if (i >= 0 && LoadStringA(frame.hInst, IDS_SNIPPET_FIRST + (UINT)i, text, sizeof text) > 0)
            SetDlgItemTextA(dlg, IDC_INS_TEXT, text);
    }
    return true;
}

/* InitBatch: ADDBUTTONDLGDOSEX starts with an example and offers its two file lines. */
static void InitBatch(HWND dlg)
{
    char text[256];
    wsprintfA(text, "dir > testsora.txt\r\nReadFile %-s\r\ndel testsora.txt", "\"C:\\testsora.txt\"");
    SetDlgItemTextA(dlg, IDC_EX_TEXT, text);
    SendDlgItemMessageA(dlg, IDC_EX_HELPERS, CB_ADDSTRING, 0, (LPARAM)"\r\nReadFile \"\"");
    SendDlgItemMessageA(dlg, IDC_EX_HELPERS, CB_ADDSTRING, 0, (LPARAM)"\r\nWriteFile \"\"");
}

/* BatchCommand: a line chosen in the combo goes to the end of the text. */
static bool BatchCommand(HWND dlg, UINT id, UINT code)
{
    if (id != IDC_EX_HELPERS)
        return false;
    if (code == CBN_SELENDOK) {
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
    return true;
}

/* InitFunction: ADDBUTTONDLGOTH starts on its first function. */
static void InitFunction(HWND dlg)
{
    SetDlgItemTextA(dlg, IDC_OTH_LABEL, editorFunctions[0].szLabel);
    CheckRadioButton(dlg, IDC_OTH_FIRST, IDC_OTH_LAST, IDC_OTH_FIRST);
}

/* FunctionCommand: a function chosen by its radio button names the button. */
static bool FunctionCommand(HWND dlg, UINT id, UINT)
{
    if (id < IDC_OTH_FIRST || id > IDC_OTH_LAST)
        return false;
    SetDlgItemTextA(dlg, IDC_OTH_LABEL, editorFunctions[id - IDC_OTH_FIRST].szLabel);
    return true;
}

/* CheckedFunction: index of the checked radio button of ADDBUTTONDLGOTH, -1 when none. */
static int CheckedFunction(HWND dlg)
{
    for (int id = IDC_OTH_FIRST; id <= IDC_OTH_LAST; ++id)
        if (IsDlgButtonChecked(dlg, id) == BST_CHECKED)
            return id - IDC_OTH_FIRST;
    return -1;
}

// What the make button takes from an add dialog.
enum class AddReads {
    TextOrAsk,  // the text; an empty one only after the user agrees
    Text,       // the text; an empty one makes nothing
    Function,   // the checked function; none makes nothing
};

// One add dialog: its template and tab title, its controls, how its default
// label is counted and what kind of button it makes.
struct AddDialog {
    const char *szTemplate, *szTabTitle;
    int idLabel, idText, idMake, idCancel;  // idText 0: no text; idCancel 0: only IDCANCEL
    int nTextMax;
    const char *szPrefix;  // default label: prefix and counter; NULL: InitExtra sets it
    int nCounter;          // the next default label's number, up by one per button made
    uint8_t kind;
    int idCaretCheck;      // when checked, the insert goes at the caret (0: no such box)
    AddReads reads;
    void (*InitExtra)(HWND dlg);                       // NULL: nothing more
    bool (*OnCommand)(HWND dlg, UINT id, UINT code);   // NULL: no controls of its own
};

// In the tab box's order: each row is one page.
static AddDialog addDialogs[] = {
    {"ADDBUTTONDLGINSRT", "挿入文",
     IDC_INS_LABEL, IDC_INS_TEXT, IDC_INS_MAKE, 0, USER_TEXT_MAX, "挿", 1,
     KIND_INSERT_AT_POINTER, IDC_INS_ATCARET, AddReads::TextOrAsk, InitInsert, InsertCommand},
    {"ADDBUTTONDLGDOSCMD", "コマンドライン命令",
     IDC_CMD_LABEL, IDC_CMD_TEXT, IDC_CMD_MAKE, IDC_CMD_CANCEL, 255, "CMD", 1,
     KIND_DOS_COMMAND, 0, AddReads::Text, NULL, NULL},
    {"ADDBUTTONDLGDOSEX", "コマンドライン（複数）",
     IDC_EX_LABEL, IDC_EX_TEXT, IDC_EX_MAKE, IDC_EX_CANCEL, USER_TEXT_MAX, "EX", 1,
     KIND_DOS_BATCH, 0, AddReads::Text, InitBatch, BatchCommand},
    {"ADDBUTTONDLGOTH", "その他",
     IDC_OTH_LABEL, 0, IDC_OTH_MAKE, IDC_OTH_CANCEL, 0, NULL, 1,
     KIND_EDITOR_FUNCTION, 0, AddReads::Function, InitFunction, FunctionCommand},
};
static const int nAddDialogs = (int)(sizeof addDialogs / sizeof addDialogs[0]);
static const int nOtherPage = nAddDialogs - 1;  // the tab box opens on it; unknown templates use it

/* AddDialogOf: the row of a template name; the last (other functions) for any other name. */
static AddDialog &AddDialogOf(const char *szTemplate)
{
    for (AddDialog &d : addDialogs)
        if (!lstrcmpA(szTemplate, d.szTemplate))
            return d;
    return addDialogs[nOtherPage];
}

/* CloseAddDialog: a modal dialog ends; a page (a child of the tab box) closes its tab box. */
static void CloseAddDialog(HWND dlg)
{
    if (GetWindowLongPtrA(dlg, GWL_STYLE) & WS_CHILD)
        PostMessageA(GetParent(dlg), WM_CLOSE, 0, 0);
    else
        EndDialog(dlg, 0);
}

/* InitAddDialog: the limits, the default label and the row's own controls. */
static void InitAddDialog(HWND dlg, const AddDialog &d)
{
    SendDlgItemMessageA(dlg, d.idLabel, EM_LIMITTEXT, USER_LABEL_SIZE - 1, 0);
    if (d.idText)
        SendDlgItemMessageA(dlg, d.idText, EM_LIMITTEXT, d.nTextMax, 0);
    if (d.szPrefix) {
        char sz[32];
        wsprintfA(sz, "%s%d", d.szPrefix, d.nCounter);
        SetDlgItemTextA(dlg, d.idLabel, sz);
    }
    if (d.InitExtra)
        d.InitExtra(dlg);
}

/* MakeFromDialog: the button the dialog describes; false when the dialog stays open. */
static bool MakeFromDialog(HWND dlg, AddDialog &d)
{
    std::string text;
    int32_t value = 0;
    if (d.reads == AddReads::Function) {
        int k = CheckedFunction(dlg);
        if (k < 0)
            return false;
        value = (int32_t)editorFunctions[k].nCommand;
    } else {
        text = DlgText(dlg, d.idText, d.nTextMax);
        if (text.empty() && d.reads == AddReads::Text)
            return false;
        if (text.empty() && MessageBoxA(dlg, "テキストの内容がありません。よろしいですか？", "確認",
                                        MB_YESNO | MB_ICONQUESTION) == IDNO)
            return false;
    }
    uint8_t kind = d.kind;
    if (d.idCaretCheck && IsDlgButtonChecked(dlg, d.idCaretCheck))
        kind = KIND_INSERT_AT_CARET;
    if (MakeUserButton(DlgText(dlg, d.idLabel, USER_LABEL_SIZE - 1).c_str(), kind, value, text))
        ++d.nCounter;
    return true;
}

/* AddDlgProc: every add dialog, alone or as a page; its row is in DWLP_USER. */
static INT_PTR CALLBACK AddDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    AddDialog *d = (AddDialog *)GetWindowLongPtrA(dlg, DWLP_USER);
    switch (msg) {
    case WM_INITDIALOG:
        d = (AddDialog *)lParam;
        SetWindowLongPtrA(dlg, DWLP_USER, (LONG_PTR)d);
        InitAddDialog(dlg, *d);
        return TRUE;
    case WM_COMMAND: {
        UINT id = LOWORD(wParam);
        if (!d)
            return FALSE;
        if (d->OnCommand && d->OnCommand(dlg, id, HIWORD(wParam)))
            return TRUE;
        if (id == (UINT)d->idMake || id == IDOK) {
            if (MakeFromDialog(dlg, *d))
                CloseAddDialog(dlg);
            return TRUE;
        }
        if ((d->idCancel && id == (UINT)d->idCancel) || id == IDCANCEL) {
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

void ShowAddButtonDialog(HWND owner, const char *szTemplate)
{
    AddDialog &d = AddDialogOf(szTemplate);
    DialogBoxParamA(frame.hInst, szTemplate, owner, AddDlgProc, (LPARAM)&d);
}

// The tab box: one page per add dialog.
struct TabBoxState {
    HWND pages[nAddDialogs];
};

/* MakeTabPage: an add dialog as a child page below the tab control's top. */
static HWND MakeTabPage(HWND box, HWND tab, int k)
{
    HWND page = CreateDialogParamA(frame.hInst, addDialogs[k].szTemplate, box, AddDlgProc, (LPARAM)&addDialogs[k]);
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
    for (int i = 0; i < nAddDialogs; ++i)
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
        for (int k = 0; k < nAddDialogs; ++k) {
            TCITEMA item = {};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<char *>(addDialogs[k].szTabTitle);
            SendMessageA(tab, TCM_INSERTITEMA, k, (LPARAM)&item);
        }
        for (int k = 0; k < nAddDialogs; ++k)
            st->pages[k] = MakeTabPage(dlg, tab, k);
        SendMessageA(tab, TCM_SETCURSEL, nOtherPage, 0);
        ShowTabPage(*st, nOtherPage);
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
