#include "settings/win/settings_sheet.h"

#include <commctrl.h>
#include <shlobj.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/frame/globals.h"
#include "capture/win/capture.h"
#include "doc/path_core.h"
#include "doc/win/document.h"
#include "app/frame/file_bytes.h"
#include "resource_ids.h"
#include "settings/compile_option_edit.h"
#include "settings/win/user_buttons.h"

static const char *const compileOptionNames[7] = {"tW", "tWM", "tWD", "tWR", "tWV", "f", "v"};

static std::string DlgText(HWND dlg, int id, int nMax)
{
    std::string s((size_t)nMax + 1, '\0');
    int n = GetDlgItemTextA(dlg, id, &s[0], nMax + 1);
    s.resize(n > 0 ? (size_t)n : 0);
    return s;
}

static void Check(HWND dlg, int id, BOOL b) { CheckDlgButton(dlg, id, b ? BST_CHECKED : BST_UNCHECKED); }
static BOOL Checked(HWND dlg, int id) { return IsDlgButtonChecked(dlg, id) == BST_CHECKED; }

/* ApplyResult: the answer to PSN_APPLY; FALSE keeps the sheet open on this page. */
static INT_PTR ApplyResult(HWND dlg, BOOL ok)
{
    SetWindowLongPtrA(dlg, DWLP_MSGRESULT, ok ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE);
    return TRUE;
}

static BOOL IsApply(LPARAM lParam) { return ((NMHDR *)lParam)->code == PSN_APPLY; }

/* FolderOfFileOnShow: the folder of the file on show, without its last backslash. */
static std::string FolderOfFileOnShow(BOOL bTrailingSlash)
{
    char szFolder[MAX_PATH] = "";
    GetFolderOfPath(doc.szFullPath, szFolder, sizeof szFolder);
    std::string s = szFolder;
    if (!bTrailingSlash && s.size() > 3 && s.back() == '\\')
        s.pop_back();
    return s;
}

static int CALLBACK BrowseCallback(HWND hwnd, UINT msg, LPARAM, LPARAM data)
{
    if (msg == BFFM_INITIALIZED && data)
        SendMessageA(hwnd, BFFM_SETSELECTIONA, TRUE, data);
    return 0;
}

/* ChooseFolder: the folder browser from the desktop, starting at szStart. */
static BOOL ChooseFolder(HWND owner, const char *szStart, char (&szOut)[MAX_PATH])
{
    BROWSEINFOA bi = {};
    bi.hwndOwner = owner;
    bi.lpszTitle = "フォルダの選択";
    bi.ulFlags = BIF_RETURNONLYFSDIRS;
    bi.lpfn = BrowseCallback;
    bi.lParam = (LPARAM)szStart;
    LPITEMIDLIST pidl = SHBrowseForFolderA(&bi);
    if (!pidl)
        return FALSE;
    BOOL ok = SHGetPathFromIDListA(pidl, szOut);
    CoTaskMemFree(pidl);
    return ok;
}

// Page 0: start-up
static INT_PTR CALLBACK StartPageProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        if (frame.settingsRecord.btButtonLayout >= 3) {
            frame.settingsRecord.btButtonLayout = 2;
            MessageBoxA(dlg, "初期化データが不正です。", "Error", MB_OK);
        }
        Check(dlg, IDC_PS1_OPENLAST, frame.settingsRecord.bOpenLastFile);
        Check(dlg, IDC_PS1_RESTORELOOK, frame.settingsRecord.bRestoreLook);
        CheckRadioButton(dlg, IDC_PS1_LAYOUTUSER, IDC_PS1_LAYOUTDEF,
                         IDC_PS1_LAYOUTUSER + frame.settingsRecord.btButtonLayout);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_PS1_SAVELAYOUT) {
            if (FolderExists(frame.startupPaths.szWorkDir) && WriteUserButtonFile(dlg))
                MessageBoxA(dlg, "現在のボタン配置を \"ubuttons.cfg\" に保存しました。", "OK", MB_OK);
            return TRUE;
        }
        return FALSE;
    case WM_NOTIFY:
        if (!IsApply(lParam))
            return FALSE;
        frame.settingsRecord.bOpenLastFile = Checked(dlg, IDC_PS1_OPENLAST) ? 1 : 0;
        frame.settingsRecord.bRestoreLook = Checked(dlg, IDC_PS1_RESTORELOOK) ? 1 : 0;
        frame.settingsRecord.btButtonLayout = 3;
        for (int k = 0; k < 3; ++k)
            if (Checked(dlg, IDC_PS1_LAYOUTUSER + k)) {
                frame.settingsRecord.btButtonLayout = (uint8_t)k;
                break;
            }
        return ApplyResult(dlg, TRUE);
    }
    return FALSE;
}

// Page 1: indentation
static INT_PTR CALLBACK IndentPageProc(HWND dlg, UINT msg, WPARAM, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG: {
        SendDlgItemMessageA(dlg, IDC_PS2_WIDTH, EM_LIMITTEXT, 2, 0);
        SendDlgItemMessageA(dlg, IDC_PS2_MARGIN, EM_LIMITTEXT, 2, 0);
        SendDlgItemMessageA(dlg, IDC_PS2_OPEN, EM_LIMITTEXT, 1, 0);
        SendDlgItemMessageA(dlg, IDC_PS2_CLOSE, EM_LIMITTEXT, 1, 0);
        SetDlgItemInt(dlg, IDC_PS2_WIDTH, frame.settingsRecord.btIndentWidth, FALSE);
        SetDlgItemInt(dlg, IDC_PS2_MARGIN, frame.settingsRecord.btIndentMargin, FALSE);
        char sz[2] = {frame.settingsRecord.chIndentOpen, 0};
        SetDlgItemTextA(dlg, IDC_PS2_OPEN, sz);
        sz[0] = frame.settingsRecord.chIndentClose;
        SetDlgItemTextA(dlg, IDC_PS2_CLOSE, sz);
        return TRUE;
    }
    case WM_NOTIFY: {
        if (!IsApply(lParam))
            return FALSE;
        std::string open = DlgText(dlg, IDC_PS2_OPEN, 1), close = DlgText(dlg, IDC_PS2_CLOSE, 1);
        if (open.empty() || close.empty()) {
            // Refused without a word, OK would seem to do nothing.
            MessageBoxA(dlg, "開始シンボルと終了シンボルを指定してください", "注意", MB_OK | MB_TASKMODAL);
            return ApplyResult(dlg, FALSE);
        }
        if (open == close) {
            MessageBoxA(dlg, "開始シンボルと終了シンボルには異なるシンボルを\r\n指定してください", "注意",
                        MB_OK | MB_TASKMODAL);
            return ApplyResult(dlg, FALSE);
        }
        int width = std::atoi(DlgText(dlg, IDC_PS2_WIDTH, 2).c_str());
        int margin = std::atoi(DlgText(dlg, IDC_PS2_MARGIN, 2).c_str());
        frame.settingsRecord.btIndentWidth = (uint8_t)std::abs(width);
        frame.settingsRecord.btIndentMargin = (uint8_t)std::abs(margin);
        frame.settingsRecord.chIndentOpen = open[0];
        frame.settingsRecord.chIndentClose = close[0];
        return ApplyResult(dlg, TRUE);
    }
    }
    return FALSE;
}

// Page 2: quick compile
static void RebuildOptionsText(HWND dlg)
{
    std::string text = DlgText(dlg, IDC_PS4_OPTIONS, 255);
    for (int k = 0; k < 7; ++k)
        SetCompileOption(text, compileOptionNames[k], Checked(dlg, IDC_PS4_FIRSTOPT + k) != FALSE);
    SetDlgItemTextA(dlg, IDC_PS4_OPTIONS, text.c_str());
}

static INT_PTR CALLBACK CompilePageProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG: {
        SendDlgItemMessageA(dlg, IDC_PS4_OPTIONS, EM_LIMITTEXT, 255, 0);
        SetDlgItemTextA(dlg, IDC_PS4_OPTIONS, frame.settingsRecord.szCplOptions);
        char szName[MAX_PATH] = "";
        GetNameOfPath(doc.szFullPath, szName, sizeof szName);
        SetDlgItemTextA(dlg, IDC_PS4_FILE, szName);
        int len = lstrlenA(szName);
        SendDlgItemMessageA(dlg, IDC_PS4_FILE, EM_SETSEL, len, len);
        for (int k = 0; k < 7; ++k)
            Check(dlg, IDC_PS4_FIRSTOPT + k,
                  FindIsolatedOption(frame.settingsRecord.szCplOptions, compileOptionNames[k]) != std::string::npos);
        Check(dlg, IDC_PS4_OPENFOLDER, frame.settingsRecord.btCplFlags & 1);
        return TRUE;
    }
    case WM_COMMAND: {
        UINT id = LOWORD(wParam);
        if (id >= IDC_PS4_FIRSTOPT && id <= IDC_PS4_LASTOPT && HIWORD(wParam) == BN_CLICKED) {
            RebuildOptionsText(dlg);
            return TRUE;
        }
        if (id == IDC_PS4_MORE) {
            PropSheet_SetCurSel(GetParent(dlg), NULL, 5);
            return TRUE;
        }
        return FALSE;
    }
    case WM_NOTIFY: {
        if (!IsApply(lParam))
            return FALSE;
        std::string text = DlgText(dlg, IDC_PS4_OPTIONS, 255);
        lstrcpynA(frame.settingsRecord.szCplOptions, text.c_str(), sizeof frame.settingsRecord.szCplOptions);
        frame.settingsRecord.btCplFlags =
            (uint8_t)((frame.settingsRecord.btCplFlags & ~1) | (Checked(dlg, IDC_PS4_OPENFOLDER) ? 1 : 0));
        return ApplyResult(dlg, TRUE);
    }
    }
    return FALSE;
}

// Page 3: command-line history
static INT_PTR CALLBACK ComboPageProc(HWND dlg, UINT msg, WPARAM, LPARAM lParam)
{
    HWND list = GetDlgItem(dlg, IDC_PS5_LIST);
    switch (msg) {
    case WM_INITDIALOG: {
        ListView_SetExtendedListViewStyle(list, LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES);
        LVCOLUMNA col = {};
        col.mask = LVCF_TEXT | LVCF_WIDTH;
        col.cx = 280;
        col.pszText = const_cast<char *>("コマンドライン命令");
        SendMessageA(list, LVM_INSERTCOLUMNA, 0, (LPARAM)&col);
        LRESULT n = frame.hCmdCombo ? SendMessageA(frame.hCmdCombo, CB_GETCOUNT, 0, 0) : 0;
        for (LRESULT i = 0; i < n; ++i) {
            LRESULT len = SendMessageA(frame.hCmdCombo, CB_GETLBTEXTLEN, (WPARAM)i, 0);
            if (len < 0)
                continue;
            std::string item((size_t)len * 2 + 2, '\0');
            SendMessageA(frame.hCmdCombo, CB_GETLBTEXT, (WPARAM)i, (LPARAM)&item[0]);
            LVITEMA it = {};
            it.mask = LVIF_TEXT;
            it.iItem = (int)i;
            it.pszText = &item[0];
            SendMessageA(list, LVM_INSERTITEMA, 0, (LPARAM)&it);
        }
        return TRUE;
    }
    case WM_NOTIFY: {
        if (!IsApply(lParam))
            return FALSE;
        if (frame.hCmdCombo) {
            std::vector<std::string> keep;
            int n = ListView_GetItemCount(list);
            for (int i = 0; i < n; ++i) {
                if (ListView_GetCheckState(list, i))
                    continue;
                char text[1024] = "";
                LVITEMA it = {};
                it.iSubItem = 0;
                it.pszText = text;
                it.cchTextMax = sizeof text;
                SendMessageA(list, LVM_GETITEMTEXTA, (WPARAM)i, (LPARAM)&it);
                keep.push_back(text);
            }
            SendMessageA(frame.hCmdCombo, CB_RESETCONTENT, 0, 0);
            for (const std::string &s : keep)
                SendMessageA(frame.hCmdCombo, CB_ADDSTRING, 0, (LPARAM)s.c_str());
        }
        return ApplyResult(dlg, TRUE);
    }
    }
    return FALSE;
}

// Page 4: search
static INT_PTR CALLBACK SearchPageProc(HWND dlg, UINT msg, WPARAM, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        if (frame.findInfo.btSearchMode <= 2)
            CheckRadioButton(dlg, IDC_PS6_NORMAL, IDC_PS6_SYNTAX, IDC_PS6_NORMAL + frame.findInfo.btSearchMode);
        else
            MessageBoxA(dlg, "構造体 findInfo のメンバが不正です", "ERROR", MB_OK);
        Check(dlg, IDC_PS6_VARSYNTAX, frame.findInfo.bVarSyntax);
        return TRUE;
    case WM_NOTIFY:
        if (!IsApply(lParam))
            return FALSE;
        for (int k = 0; k < 3; ++k)
            if (Checked(dlg, IDC_PS6_NORMAL + k))
                frame.findInfo.btSearchMode = (uint8_t)k;
        frame.findInfo.bVarSyntax = Checked(dlg, IDC_PS6_VARSYNTAX) ? 1 : 0;
        return ApplyResult(dlg, TRUE);
    }
    return FALSE;
}

// Page 5: output folders
static void UpdateOutputControls(HWND dlg)
{
    BOOL bCpl = Checked(dlg, IDC_PS7_CPLFIXED), bLib = Checked(dlg, IDC_PS7_LIBFIXED);
    EnableWindow(GetDlgItem(dlg, IDC_PS7_CPLDIR), bCpl);
    EnableWindow(GetDlgItem(dlg, IDC_PS7_CPLCHOOSE), bCpl);
    EnableWindow(GetDlgItem(dlg, IDC_PS7_LIBDIR), bLib);
    EnableWindow(GetDlgItem(dlg, IDC_PS7_LIBCHOOSE), bLib);
}

static void ChooseOutputFolder(HWND dlg, int nEdit, char (&szField)[SETTINGS_TEXT_SIZE])
{
    std::string start = DlgText(dlg, nEdit, 255);
    if (start.empty())
        start = FolderOfFileOnShow(FALSE);
    char szChosen[MAX_PATH] = "";
    if (!ChooseFolder(dlg, start.c_str(), szChosen))
        return;
    SetDlgItemTextA(dlg, nEdit, szChosen);
    SetSettingsText(szField, szChosen);
}

static INT_PTR CALLBACK OutputPageProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG: {
        std::string here = FolderOfFileOnShow(TRUE);
        uint8_t bcc = frame.settingsRecord.btbcc <= 2 ? frame.settingsRecord.btbcc : 0;
        uint8_t lib = frame.settingsRecord.btLibOut <= 2 ? frame.settingsRecord.btLibOut : 0;
        CheckRadioButton(dlg, IDC_PS7_CPLSRC, IDC_PS7_CPLFIXED, IDC_PS7_CPLSRC + bcc);
        CheckRadioButton(dlg, IDC_PS7_LIBSRC, IDC_PS7_LIBFIXED, IDC_PS7_LIBSRC + lib);
        SetDlgItemTextA(dlg, IDC_PS7_CPLDIR, bcc == 2 ? frame.settingsRecord.szCplOutDir : here.c_str());
        SetDlgItemTextA(dlg, IDC_PS7_LIBDIR, lib == 2 ? frame.settingsRecord.szLibOutDir : here.c_str());
        UpdateOutputControls(dlg);
        return TRUE;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_PS7_CPLSRC: case IDC_PS7_CPLASK:
            SetDlgItemTextA(dlg, IDC_PS7_CPLDIR, FolderOfFileOnShow(TRUE).c_str());
            break;
        case IDC_PS7_CPLFIXED:
            SetDlgItemTextA(dlg, IDC_PS7_CPLDIR, frame.settingsRecord.szCplOutDir);
            break;
        case IDC_PS7_LIBSRC: case IDC_PS7_LIBASK:
            SetDlgItemTextA(dlg, IDC_PS7_LIBDIR, FolderOfFileOnShow(TRUE).c_str());
            break;
        case IDC_PS7_LIBFIXED:
            SetDlgItemTextA(dlg, IDC_PS7_LIBDIR, frame.settingsRecord.szLibOutDir);
            break;
        case IDC_PS7_CPLCHOOSE:
            ChooseOutputFolder(dlg, IDC_PS7_CPLDIR, frame.settingsRecord.szCplOutDir);
            break;
        case IDC_PS7_LIBCHOOSE:
            ChooseOutputFolder(dlg, IDC_PS7_LIBDIR, frame.settingsRecord.szLibOutDir);
            break;
        default:
            return FALSE;
        }
        UpdateOutputControls(dlg);
        return TRUE;
    case WM_NOTIFY:
        if (!IsApply(lParam))
            return FALSE;
        for (int k = 0; k < 3; ++k) {
            if (Checked(dlg, IDC_PS7_CPLSRC + k))
                frame.settingsRecord.btbcc = (uint8_t)k;
            if (Checked(dlg, IDC_PS7_LIBSRC + k))
                frame.settingsRecord.btLibOut = (uint8_t)k;
        }
        if (frame.settingsRecord.btbcc == 2)
            SetSettingsText(frame.settingsRecord.szCplOutDir, DlgText(dlg, IDC_PS7_CPLDIR, 255).c_str());
        if (frame.settingsRecord.btLibOut == 2)
            SetSettingsText(frame.settingsRecord.szLibOutDir, DlgText(dlg, IDC_PS7_LIBDIR, 255).c_str());
        return ApplyResult(dlg, TRUE);
    }
    return FALSE;
}

// Page 6: backup (the folder choice is offered; nothing is stored)
static INT_PTR CALLBACK BackupPageProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_PS8_CHOOSE) {
            char szChosen[MAX_PATH] = "";
            if (ChooseFolder(dlg, FolderOfFileOnShow(FALSE).c_str(), szChosen))
                SetDlgItemTextA(dlg, IDC_PS8_FOLDER, szChosen);
            return TRUE;
        }
        return FALSE;
    case WM_NOTIFY:
        if (!IsApply(lParam))
            return FALSE;
        return ApplyResult(dlg, TRUE);
    }
    return FALSE;
}

// Page 7: capture and other
static INT_PTR CALLBACK OtherPageProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        Check(dlg, IDC_PSO_TOBMP, frame.settingsRecord.bCaptureToBmp);
        Check(dlg, IDC_PSO_TOCLIP, frame.settingsRecord.bCaptureToClipboard);
        Check(dlg, IDC_PSO_FIXED, captureOptions.bFixedSize);
        SetDlgItemInt(dlg, IDC_PSO_WIDTH, captureOptions.nFixedWidth, FALSE);
        SetDlgItemInt(dlg, IDC_PSO_HEIGHT, captureOptions.nFixedHeight, FALSE);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_PSO_FOLDER) {
            std::string start = captureOptions.szFolder[0] ? captureOptions.szFolder : FolderOfFileOnShow(FALSE);
            char szChosen[MAX_PATH] = "";
            if (ChooseFolder(dlg, start.c_str(), szChosen))
                lstrcpynA(captureOptions.szFolder, szChosen, sizeof captureOptions.szFolder);
            return TRUE;
        }
        return FALSE;
    case WM_NOTIFY:
        if (!IsApply(lParam))
            return FALSE;
        frame.settingsRecord.bCaptureToBmp = Checked(dlg, IDC_PSO_TOBMP) ? 1 : 0;
        frame.settingsRecord.bCaptureToClipboard = Checked(dlg, IDC_PSO_TOCLIP) ? 1 : 0;
        captureOptions.bFixedSize = Checked(dlg, IDC_PSO_FIXED);
        captureOptions.nFixedWidth = GetDlgItemInt(dlg, IDC_PSO_WIDTH, NULL, FALSE);
        captureOptions.nFixedHeight = GetDlgItemInt(dlg, IDC_PSO_HEIGHT, NULL, FALSE);
        return ApplyResult(dlg, TRUE);
    }
    return FALSE;
}

void ShowSettingsSheet(HWND owner, int nStartPage)
{
    static const struct {
        const char *szTemplate;
        const char *szTitle;
        DLGPROC proc;
    } pages[8] = {
        {"PSH1DIALOG", "起動", StartPageProc},
        {"PSH2DIALOG", "インデント", IndentPageProc},
        {"PSH4DIALOG", "簡易コンパイル", CompilePageProc},
        {"PSH5DIALOG", "コンボボックス", ComboPageProc},
        {"PSH6DIALOG", "検索", SearchPageProc},
        {"PSH7DIALOG", "出力", OutputPageProc},
        {"PSH8DIALOG", "バックアップ設定", BackupPageProc},
        {"PSHODIALOG", "設定そのほか", OtherPageProc},
    };
    PROPSHEETPAGEA psp[8] = {};
    for (int k = 0; k < 8; ++k) {
        psp[k].dwSize = sizeof psp[k];
        psp[k].dwFlags = PSP_USETITLE;
        psp[k].hInstance = frame.hInst;
        psp[k].pszTemplate = pages[k].szTemplate;
        psp[k].pszTitle = pages[k].szTitle;
        psp[k].pfnDlgProc = pages[k].proc;
    }
    PROPSHEETHEADERA head = {};
    head.dwSize = sizeof head;
    head.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
    head.hwndParent = owner;
    head.hInstance = frame.hInst;
    head.pszCaption = "設定";
    head.nPages = 8;
    head.nStartPage = (UINT)(nStartPage >= 0 && nStartPage < 8 ? nStartPage : 0);
    head.ppsp = psp;
    PropertySheetA(&head);
}
