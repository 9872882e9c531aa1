#include "settings/win/settings_file.h"

#include <richedit.h>
#include <cstdio>
#include <cstring>

#include "app/frame/bars.h"
#include "app/frame/globals.h"
#include "app/frame/layout.h"
#include "app/frame/panes.h"
#include "doc/win/document.h"
#include "app/frame/file_bytes.h"
#include "filelist/win/file_list_win.h"
#include "settings/button_block.h"
#include "settings/config_file.h"
#include "settings/win/user_buttons.h"

/* WorkPath: a file name in the working folder. */
static BOOL WorkPath(const char *szName, char *szPath, size_t nSize)
{
    int n = _snprintf(szPath, nSize - 1, "%s%s", frame.startupPaths.szWorkDir, szName);
    szPath[nSize - 1] = '\0';
    return n >= 0 && n < (int)nSize - 1;
}

/* EnsureWorkDir: the working folder, created after asking; FALSE on No. */
static BOOL EnsureWorkDir()
{
    if (FolderExists(frame.startupPaths.szWorkDir))
        return TRUE;
    char szMsg[WORK_DIR_SIZE + 128];
    _snprintf(szMsg, sizeof szMsg - 1,
              "作業用ディレクトリがありません。\r\n新規に作成してもよろしいですか？\r\n（%-s）",
              frame.startupPaths.szWorkDir);
    szMsg[sizeof szMsg - 1] = '\0';
    if (MessageBoxA(frame.hMainWnd, szMsg, "設定ファイル作成", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    if (!CreateDirectoryA(frame.startupPaths.szWorkDir, NULL) && !FolderExists(frame.startupPaths.szWorkDir)) {
        MessageBoxA(frame.hMainWnd, "作業用ディレクトリを作成できませんでした。", "Error", MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    return TRUE;
}

/* PaneFormat: the character format of the pane's selection, as stored. */
static void PaneFormat(HWND pane, uint8_t (&raw)[CHARFORMAT_SIZE])
{
    CHARFORMATA cf = {};
    cf.cbSize = sizeof cf;
    if (pane)
        SendMessageA(pane, EM_GETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
    static_assert(sizeof cf == CHARFORMAT_SIZE, "CHARFORMAT is stored as 60 bytes");
    std::memcpy(raw, &cf, CHARFORMAT_SIZE);
}

static void PaneSelection(HWND pane, int32_t (&sel)[2])
{
    CHARRANGE cr = {0, 0};
    if (pane)
        SendMessageA(pane, EM_EXGETSEL, 0, (LPARAM)&cr);
    sel[0] = cr.cpMin;
    sel[1] = cr.cpMax;
}

/* CollectConfig: the live settings and session. */
static void CollectConfig(ConfigFile &cfg)
{
    cfg.settings = frame.settingsRecord;
    lstrcpynA(cfg.session.szFullPath, doc.szFullPath, sizeof cfg.session.szFullPath);
    PaneFormat(frame.hEdit, cfg.session.cfMain);
    PaneFormat(frame.hSubEdit1, cfg.session.cfRc);
    cfg.session.crBackMain = frame.crMainPane;
    cfg.session.crBackRc = frame.crRcPane;
    RECT rc = {0, 0, 0, 0};
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof wp;
    if (IsIconic(frame.hMainWnd) || IsZoomed(frame.hMainWnd)) {
        if (GetWindowPlacement(frame.hMainWnd, &wp))
            rc = wp.rcNormalPosition;
    } else {
        GetWindowRect(frame.hMainWnd, &rc);
    }
    cfg.session.rcWindow[0] = rc.left;
    cfg.session.rcWindow[1] = rc.top;
    cfg.session.rcWindow[2] = rc.right;
    cfg.session.rcWindow[3] = rc.bottom;
    PaneSelection(frame.hEdit, cfg.session.selMain);
    PaneSelection(frame.hSubEdit1, cfg.session.selRc);
    if (frame.hCmdCombo) {
        LRESULT n = SendMessageA(frame.hCmdCombo, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < n; ++i) {
            LRESULT len = SendMessageA(frame.hCmdCombo, CB_GETLBTEXTLEN, (WPARAM)i, 0);
            if (len < 0)
                continue;
            std::string item((size_t)len * 2 + 2, '\0');
            LRESULT got = SendMessageA(frame.hCmdCombo, CB_GETLBTEXT, (WPARAM)i, (LPARAM)&item[0]);
            item.resize(got > 0 ? std::strlen(item.c_str()) : 0);
            AddCommandItem(cfg.session.cmdItems, item);
        }
    }
    cfg.session.rcAssoc = doc.rcAssociation;
    if (fileList.pFileList)
        cfg.session.pages = fileList.pFileList->Snapshot();
    cfg.session.buttons = buttonState.userButtons;
}

int WriteData(const char *szName)
{
    if (!EnsureWorkDir())
        return 0;
    ConfigFile cfg;
    CollectConfig(cfg);
    std::string bytes = EncodeConfigFile(cfg);
    char szPath[MAX_PATH];
    if (!WorkPath(szName, szPath, sizeof szPath) || !WriteFileReplacing(szPath, bytes.data(), bytes.size()))
        MessageBoxA(frame.hMainWnd,
                    "設定ファイルを書き込めませんでした(WriteData)\r\n前の設定ファイルはそのまま残っています。",
                    "Error", MB_OK | MB_ICONEXCLAMATION);
    return 1;
}

/* SetAsideDamaged: a copy of the damaged file beside it, never over an older copy. */
static void SetAsideDamaged(const char *szName, const std::string &bytes, char *szKept, size_t nSize)
{
    szKept[0] = '\0';
    char szBad[MAX_PATH];
    for (int k = 1; k < 100; ++k) {
        char szSuffix[16];
        if (k == 1)
            lstrcpyA(szSuffix, ".bad");
        else
            wsprintfA(szSuffix, ".bad%d", k);
        if (!MakeSettingsSideName(frame.startupPaths.szWorkDir, szName, szSuffix, szBad, sizeof szBad))
            return;
        if (FileExists(szBad))
            continue;
        if (WriteFileBytes(szBad, bytes.data(), bytes.size()))
            lstrcpynA(szKept, szBad, (int)nSize);
        return;
    }
}

/* ReportDamage: which field of the file stopped making sense, and where it was kept. */
static void ReportDamage(const char *szName, const BlockDamage &damage, const char *szKept)
{
    char szMsg[MAX_PATH * 2 + 300];
    _snprintf(szMsg, sizeof szMsg - 1,
              "設定ファイル \"%s\" が壊れています。\r\n"
              "%d番目の項目（%s、%luバイト目）が読めません：%s\r\n"
              "それより前の設定を使い、残りは既定値にします。\r\n\r\n%s%s",
              szName, damage.nField, damage.szField, (unsigned long)damage.nOffset, damage.szReason,
              szKept[0] ? "壊れたファイルは次の名前で残しました：\r\n" : "壊れたファイルの写しを残せませんでした。",
              szKept);
    szMsg[sizeof szMsg - 1] = '\0';
    MessageBoxA(frame.hMainWnd, szMsg, "警告", MB_OK | MB_ICONEXCLAMATION);
}

/* ApplyFormat: a stored character format to the whole text of the pane. */
static void ApplyFormat(HWND pane, const uint8_t (&raw)[CHARFORMAT_SIZE])
{
    CHARFORMATA cf;
    std::memcpy(&cf, raw, CHARFORMAT_SIZE);
    if (!pane || cf.cbSize != sizeof cf)
        return;
    cf.szFaceName[sizeof cf.szFaceName - 1] = '\0';
    cf.dwMask = FontMask;
    BOOL bModified = (BOOL)SendMessageA(pane, EM_GETMODIFY, 0, 0);
    SendMessageA(pane, EM_SETCHARFORMAT, 0, (LPARAM)&cf);
    CHARRANGE keep;
    SendMessageA(pane, EM_EXGETSEL, 0, (LPARAM)&keep);
    CHARRANGE all = {0, -1};
    SendMessageA(pane, EM_EXSETSEL, 0, (LPARAM)&all);
    SendMessageA(pane, EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
    SendMessageA(pane, EM_EXSETSEL, 0, (LPARAM)&keep);
    SendMessageA(pane, EM_SETMODIFY, bModified, 0);
}

static void ApplySelection(HWND pane, const int32_t (&sel)[2])
{
    CHARRANGE cr = {sel[0], sel[1]};
    if (pane)
        SendMessageA(pane, EM_EXSETSEL, 0, (LPARAM)&cr);
}

/* UsableRect: a stored window rectangle that is sane and reaches a monitor. */
static BOOL UsableRect(const int32_t (&r)[4])
{
    if (r[2] - r[0] < 100 || r[3] - r[1] < 60 || r[2] - r[0] > 20000 || r[3] - r[1] > 20000)
        return FALSE;
    RECT rc = {r[0], r[1], r[2], r[3]};
    return MonitorFromRect(&rc, MONITOR_DEFAULTTONULL) != NULL;
}

/* LoadButtonsFromUserFile: "ubuttons.cfg", reporting damage; FALSE when unreadable. */
static BOOL LoadButtonsFromUserFile()
{
    char szPath[MAX_PATH];
    std::string bytes;
    if (!WorkPath("ubuttons.cfg", szPath, sizeof szPath) || !ReadFileBytes(szPath, bytes))
        return FALSE;
    UserButtonPages pages;
    pages.nUserButtons = buttonState.userButtons.nUserButtons;
    BlockDamage damage;
    if (!DecodeButtonFile(bytes.data(), bytes.size(), pages, damage)) {
        char szKept[MAX_PATH];
        SetAsideDamaged("ubuttons.cfg", bytes, szKept, sizeof szKept);
        ReportDamage("ubuttons.cfg", damage, szKept);
    }
    LoadUserButtonPages(pages);
    return TRUE;
}

/* LoadButtons: the user buttons the layout setting asks for. */
static void LoadButtons(const ConfigFile &cfg, const BlockDamage &damage)
{
    char szPath[MAX_PATH];
    BOOL bUserFile = WorkPath("ubuttons.cfg", szPath, sizeof szPath) && FileExists(szPath);
    switch (ChooseButtonSource(frame.settingsRecord.btButtonLayout, bUserFile != FALSE)) {
    case BUTTONS_FROM_CONFIG:
        if (ConfigFieldRead(damage, 14) || damage.nField == 14)
            LoadUserButtonPages(cfg.session.buttons);
        else
            MakeDefaultUserButtons();
        break;
    case BUTTONS_FROM_USER_FILE:
        if (!LoadButtonsFromUserFile())
            MakeDefaultUserButtons();
        break;
    case BUTTONS_DEFAULT:
        MakeDefaultUserButtons();
        break;
    case BUTTONS_NONE:
        break;
    }
}

/* ApplyMultiFileMode: the file buttons and the tree follow the mode. */
static void ApplyMultiFileMode()
{
    ApplyLoadRules(frame.settingsRecord, FolderExists(frame.startupPaths.szWorkDir) != FALSE);
    if (!frame.settingsRecord.bMultiFile) {
        if (frame.hFileRebar)
            ShowWindow(frame.hFileRebar, SW_HIDE);
        if (frame.hFileTree)
            ShowWindow(frame.hFileTree, SW_HIDE);
    }
}

/* LoadDefaults: no settings file. */
static void LoadDefaults()
{
    // Only a note: nobody has to answer it before the editor can be used.
    ShowStatusMessage("設定ファイルはありません。", 5000);
    frame.settingsRecord = MakeNoFileSettings();
    ClearUserButtons();
    MakeDefaultUserButtons();
    ApplyMultiFileMode();
    ApplyBarStates(frame.hMainWnd);
    // The new size lays the window out (WM_SIZE); a size the system kept
    // does not, so that case lays it out here.
    RECT rc, client, after;
    GetWindowRect(frame.hMainWnd, &rc);
    GetClientRect(frame.hMainWnd, &client);
    SetWindowPos(frame.hMainWnd, NULL, 0, 0, rc.right - rc.left + 1, rc.bottom - rc.top + 1,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetClientRect(frame.hMainWnd, &after);
    if (EqualRect(&client, &after))
        RelayoutMain();
}

// The file on show at the last close, as the settings file names it.
static char szLastFile[FULL_PATH_SIZE];

/* OpenLastFile: the file that was on show, through the file list. */
static void OpenLastFile()
{
    char szPath[FULL_PATH_SIZE];
    lstrcpynA(szPath, szLastFile, sizeof szPath);
    if (!frame.settingsRecord.bOpenLastFile || !szPath[0] || !FileExists(szPath))
        return;
    FileEntry *e =
        fileList.pFileList && frame.settingsRecord.bMultiFile ? fileList.pFileList->FindByPath(szPath) : NULL;
    if (e)
        SelectFileEntry(e->id);
    else
        OpenIntoPane(frame.hEdit, szPath);
}

int LoadData(const char *szName)
{
    ClearUserButtons();
    char szPath[MAX_PATH];
    if (!WorkPath(szName, szPath, sizeof szPath) || !FileExists(szPath)) {
        LoadDefaults();
        return 0;
    }
    std::string bytes;
    if (!ReadFileBytes(szPath, bytes)) {
        MessageBoxA(frame.hMainWnd, "設定ファイルがありません。", "FileNotFound", MB_YESNO);
        LoadDefaults();
        return 0;
    }
    ConfigFile cfg;
    cfg.session.buttons.nUserButtons = buttonState.userButtons.nUserButtons;
    BlockDamage damage;
    if (!DecodeConfigFile(bytes.data(), bytes.size(), cfg, damage)) {
        char szKept[MAX_PATH];
        SetAsideDamaged(szName, bytes, szKept, sizeof szKept);
        ReportDamage(szName, damage, szKept);
    }
    frame.settingsRecord = cfg.settings;
    lstrcpynA(szLastFile, cfg.session.szFullPath, sizeof szLastFile);
    if (frame.settingsRecord.bRestoreLook) {
        if (ConfigFieldRead(damage, 3))
            ApplyFormat(frame.hEdit, cfg.session.cfMain);
        if (ConfigFieldRead(damage, 4))
            ApplyFormat(frame.hSubEdit1, cfg.session.cfRc);
    }
    frame.crMainPane = cfg.session.crBackMain;
    frame.crRcPane = cfg.session.crBackRc;
    if (frame.settingsRecord.bRestoreLook) {
        SendMessageA(frame.hEdit, EM_SETBKGNDCOLOR, 0, frame.crMainPane);
        SendMessageA(frame.hSubEdit1, EM_SETBKGNDCOLOR, 0, frame.crRcPane);
        ApplySelection(frame.hEdit, cfg.session.selMain);
        ApplySelection(frame.hSubEdit1, cfg.session.selRc);
    }
    for (const std::string &item : cfg.session.cmdItems)
        if (frame.hCmdCombo &&
            SendMessageA(frame.hCmdCombo, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)item.c_str()) == CB_ERR)
            SendMessageA(frame.hCmdCombo, CB_ADDSTRING, 0, (LPARAM)item.c_str());
    doc.rcAssociation = cfg.session.rcAssoc;
    LoadFileListPages(cfg.session.pages);
    LoadButtons(cfg, damage);
    ApplyMultiFileMode();
    ApplyBarStates(frame.hMainWnd);

    SendMessageA(frame.hEdit, EM_SCROLLCARET, 0, 0);
    SendMessageA(frame.hEdit, EM_SETMODIFY, FALSE, 0);
    SendMessageA(frame.hSubEdit1, EM_SETMODIFY, FALSE, 0);
    if (ConfigFieldRead(damage, 7) && UsableRect(cfg.session.rcWindow)) {
        const int32_t *r = cfg.session.rcWindow;
        MoveWindow(frame.hMainWnd, r[0], r[1], r[2] - r[0], r[3] - r[1], TRUE);
    }
    RelayoutMain();
    OpenLastFile();
    SetFocus(frame.hEdit);
    return 1;
}

void LoadSettingsAtStart(HWND mainWnd)
{
    CreateFileList(mainWnd);
    LoadData(frame.startupPaths.CfgFiles[0][0] ? frame.startupPaths.CfgFiles[0] : "config.cfg");
}

void SaveSettingsAtClose(HWND mainWnd)
{
    (void)mainWnd;
    WriteData(frame.startupPaths.CfgFiles[0][0] ? frame.startupPaths.CfgFiles[0] : "config.cfg");
}
