// The menu designer MAKEDLGM: four combo boxes for the top-level entries, a live copy of
// the menu in its own menu bar, and the MENU script into the resource pane.
#include "designer/win/designer_win.h"

#include <cstring>

#include "app/frame/globals.h"
#include "app/frame/modeless_once.h"
#include "designer/menu_script.h"
#include "resource_ids.h"

enum { kColumns = 4 };

static HMENU hMenuBar, hPopups[kColumns];

static HWND Combo(HWND dlg, int k) { return GetDlgItem(dlg, IDC_MENU_COMBO1 + k); }

static std::string ComboEntry(HWND combo, int i)
{
    LRESULT n = SendMessageA(combo, CB_GETLBTEXTLEN, i, 0);
    if (n == CB_ERR)
        return std::string();
    std::vector<char> buf(n + 1);
    SendMessageA(combo, CB_GETLBTEXT, i, (LPARAM)buf.data());
    return buf.data();
}

static void AppendLiveItem(HMENU popup, const std::string &text)
{
    if (text == "SEPARATOR")
        AppendMenuA(popup, MF_SEPARATOR, 0, NULL);
    else
        AppendMenuA(popup, MF_STRING, IDM_MENU_LIVEITEM, text.c_str());
}

/* Top-level entry k as a pop-up with its title. */
static void MakeEntryPopup(int k, const std::string &title)
{
    ModifyMenuA(hMenuBar, k, MF_BYPOSITION | MF_POPUP | MF_STRING, (UINT_PTR)hPopups[k], title.c_str());
}

/* MenuDesignerEnter: the text typed into combo k goes into its list and the live menu. */
BOOL MenuDesignerEnter(UINT comboId)
{
    HWND dlg = frame.hMakeDlgM;
    if (!dlg || comboId < IDC_MENU_COMBO1 || comboId >= IDC_MENU_COMBO1 + kColumns)
        return FALSE;
    int k = comboId - IDC_MENU_COMBO1;
    int entries = GetMenuItemCount(hMenuBar);
    if (k > entries) {
        MessageBoxA(dlg, "左詰めで入力してください", "OK", MB_OK);
        return TRUE;
    }
    HWND combo = Combo(dlg, k);
    std::string text = GetItemText(dlg, comboId);
    if (!text.empty()) {
        SetWindowTextA(combo, "");
        SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)text.c_str());
        if (k == entries)
            AppendMenuA(hMenuBar, MF_STRING, IDM_MENU_LIVEITEM, text.c_str());
        else if (GetMenuItemCount(hPopups[k]) == 0) {
            AppendLiveItem(hPopups[k], text);
            MakeEntryPopup(k, ComboEntry(combo, 0));
        } else
            AppendLiveItem(hPopups[k], text);
    }
    DrawMenuBar(dlg);
    return TRUE;
}

/* Moves the list of combo from into combo to. */
static void MoveComboList(HWND dlg, int from, int to)
{
    HWND src = Combo(dlg, from), dst = Combo(dlg, to);
    SendMessageA(dst, CB_RESETCONTENT, 0, 0);
    for (int i = 0, n = (int)SendMessageA(src, CB_GETCOUNT, 0, 0); i < n; i++)
        SendMessageA(dst, CB_ADDSTRING, 0, (LPARAM)ComboEntry(src, i).c_str());
    SendMessageA(src, CB_RESETCONTENT, 0, 0);
}

/* A double-click on an entry of combo k deletes it (the title deletes the whole column). */
static void DeleteEntry(HWND dlg, int k)
{
    HWND combo = Combo(dlg, k);
    int i = (int)SendMessageA(combo, CB_GETCURSEL, 0, 0);
    SendMessageA(combo, CB_SETCURSEL, (WPARAM)-1, 0);
    if (i == CB_ERR)
        return;
    if (i > 0) {
        SendMessageA(combo, CB_DELETESTRING, i, 0);
        DeleteMenu(hPopups[k], i - 1, MF_BYPOSITION);
        if (GetMenuItemCount(hPopups[k]) == 0) { // back to a plain item with its title
            std::string title = ComboEntry(combo, 0);
            RemoveMenu(hMenuBar, k, MF_BYPOSITION);
            InsertMenuA(hMenuBar, k, MF_BYPOSITION | MF_STRING, IDM_MENU_LIVEITEM, title.c_str());
        }
    } else {
        if (k < GetMenuItemCount(hMenuBar)) {
            HMENU sub = GetSubMenu(hMenuBar, k);
            RemoveMenu(hMenuBar, k, MF_BYPOSITION);
            if (sub)
                DestroyMenu(sub);
            else
                DestroyMenu(hPopups[k]);
        }
        for (int j = k; j + 1 < kColumns; j++)
            hPopups[j] = hPopups[j + 1];
        hPopups[kColumns - 1] = CreatePopupMenu();
        SendMessageA(combo, CB_RESETCONTENT, 0, 0);
        for (int j = k; j + 1 < kColumns; j++)
            MoveComboList(dlg, j + 1, j);
    }
    DrawMenuBar(dlg);
}

/* The MENU script into the resource pane, at its start or its end. */
static void GenerateScript(HWND dlg)
{
    if (MessageBoxA(dlg, "スクリプトを出力します。よろしいですか？", "確認", MB_YESNO | MB_ICONQUESTION) == IDNO)
        return;
    std::vector<std::vector<std::string>> columns(kColumns);
    for (int k = 0; k < kColumns; k++) {
        HWND combo = Combo(dlg, k);
        for (int i = 0, n = (int)SendMessageA(combo, CB_GETCOUNT, 0, 0); i < n; i++)
            columns[k].push_back(ComboEntry(combo, i));
    }
    std::string script = BuildMenuScript(columns, "USERSMENU");
    PressPaneToggleIfNeeded();
    AppendToPane(frame.hSubEdit1, script, IsDlgButtonChecked(dlg, IDC_MENU_ATSTART) == BST_CHECKED);
}

static void OnInitMenuDesigner(HWND dlg)
{
    frame.hMakeDlgM = dlg;
    hMenuBar = CreateMenu();
    for (int k = 0; k < kColumns; k++)
        hPopups[k] = CreatePopupMenu();
    const char *first[] = {"項目1", "なし", "なし"};
    for (const char *t : first)
        SendMessageA(Combo(dlg, 0), CB_ADDSTRING, 0, (LPARAM)t);
    SendMessageA(Combo(dlg, 1), CB_ADDSTRING, 0, (LPARAM) "項目2");
    AppendMenuA(hPopups[0], MF_STRING, IDM_MENU_LIVEITEM, "なし");
    AppendMenuA(hPopups[0], MF_STRING, IDM_MENU_LIVEITEM, "なし");
    AppendMenuA(hMenuBar, MF_POPUP | MF_STRING, (UINT_PTR)hPopups[0], "項目1");
    AppendMenuA(hMenuBar, MF_STRING, IDM_MENU_LIVEITEM, "項目2");
    SetMenu(dlg, hMenuBar);
    CheckRadioButton(dlg, IDC_MENU_ATSTART, IDC_MENU_ATEND, IDC_MENU_ATSTART);
}

/* Frees the live menus: the bar with the pop-ups it holds, and those it does not. */
static void OnDestroyMenuDesigner(HWND dlg)
{
    SetMenu(dlg, NULL);
    for (int k = 0; k < kColumns; k++) {
        bool attached = false;
        for (int i = 0, n = GetMenuItemCount(hMenuBar); i < n; i++)
            attached = attached || GetSubMenu(hMenuBar, i) == hPopups[k];
        if (!attached)
            DestroyMenu(hPopups[k]);
        hPopups[k] = NULL;
    }
    DestroyMenu(hMenuBar);
    hMenuBar = NULL;
    frame.hMakeDlgM = NULL;
}

static INT_PTR CALLBACK MenuDesignerProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp)
{
    (void)lp;
    switch (msg) {
    case WM_INITDIALOG:
        OnInitMenuDesigner(dlg);
        return TRUE;
    case WM_COMMAND: {
        UINT id = LOWORD(wp), code = HIWORD(wp);
        if (id == IDM_ENTER)
            MenuDesignerEnter(code);
        else if (id >= IDC_MENU_COMBO1 && id < IDC_MENU_COMBO1 + kColumns && code == CBN_DBLCLK)
            DeleteEntry(dlg, id - IDC_MENU_COMBO1);
        else if (id == IDM_MENU_LIVEITEM)
            MessageBoxA(dlg, "メニューが選択されました", "", MB_OK);
        else if (id == IDC_MENU_GENERATE)
            GenerateScript(dlg);
        else if (id == IDCANCEL)
            DestroyWindow(dlg);
        return TRUE;
    }
    case WM_CLOSE:
        DestroyWindow(dlg);
        return TRUE;
    case WM_DESTROY:
        OnDestroyMenuDesigner(dlg);
        return TRUE;
    }
    return FALSE;
}

/* OpenMenuDesigner: the menu designer, unless it is open (then it comes to the front). */
void OpenMenuDesigner(HWND owner)
{
    ShowModelessOnce(&frame.hMakeDlgM, "MAKEDLGM", owner, MenuDesignerProc, "ダイアログの作成に失敗しました(MAKEDLGM)");
}
