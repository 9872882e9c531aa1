#include "filelist/win/temp_backup.h"

#include <richedit.h>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/frame/globals.h"
#include "app/frame/pane_text.h"
#include "app/frame/panes.h"
#include "doc/path_core.h"
#include "doc/win/document.h"
#include "filelist/temp_backup_name.h"
#include "filelist/win/file_bytes.h"
#include "resource_ids.h"

/* TempName: the temporary file name of the entry for one pane. */
static BOOL TempName(const FileEntry &entry, TempPane which, char *szName, size_t nSize)
{
    return MakeTempBackupName(frame.startupPaths.szWorkDir, entry.id, (int)frame.nInstanceNo, which, szName, nSize);
}

/* WritePaneAside: the pane's whole text into the temporary file; the text into *pText. */
static BOOL WritePaneAside(const FileEntry &entry, HWND pane, TempPane which, std::string *pText)
{
    char szName[MAX_PATH] = "";
    if (TempName(entry, which, szName, sizeof szName)) {
        std::string text = GetPaneText(pane);
        if (WriteFileBytes(szName, text.data(), text.size())) {
            if (pText)
                pText->swap(text);
            return TRUE;
        }
    }
    char szMsg[MAX_PATH + 160];
    _snprintf(szMsg, sizeof szMsg - 1,
              "退避用のtmpファイルを書き込めませんでした。\r\n%s\r\n\r\n"
              "編集中のテキストはそのまま残し、ファイルは切り替えません。",
              szName[0] ? szName : frame.startupPaths.szWorkDir);
    szMsg[sizeof szMsg - 1] = '\0';
    MessageBoxA(frame.hMainWnd, szMsg, "エラー", MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
}

/* ParkMain: the main pane's text and modified flag aside. */
BOOL ParkMain(FileEntry &entry, HWND pane, std::string *pText)
{
    if (!WritePaneAside(entry, pane, TEMP_PANE_MAIN, pText))
        return FALSE;
    entry.nMainModified = (int32_t)SendMessageA(pane, EM_GETMODIFY, 0, 0);
    entry.bMainTmp = 1;
    SendMessageA(pane, EM_SETMODIFY, FALSE, 0);
    return TRUE;
}

/* ParkRc: the resource pane's text aside; the pane is emptied. */
BOOL ParkRc(FileEntry &entry, HWND pane, std::string *pText)
{
    if (PaneTextBytesBound(pane) == 0 || GetPaneText(pane).empty()) {
        entry.bRcTmp = 0;
        return TRUE;
    }
    if (!WritePaneAside(entry, pane, TEMP_PANE_RC, pText))
        return FALSE;
    entry.nRcModified = (int32_t)SendMessageA(pane, EM_GETMODIFY, 0, 0);
    entry.bRcTmp = 1;
    entry.szRcFull = doc.szRcPath;
    lstrcpynA(entry.szSavedTitle, doc.szMainTitleSave, sizeof entry.szSavedTitle);
    doc.szMainTitleSave[0] = '\0';
    doc.szRcPath[0] = '\0';
    EmptyPane(pane);
    return TRUE;
}


/* ForgetParked: a parked text that cannot come back. */
static void ForgetParked(FileEntry &entry, BOOL bMain)
{
    if (bMain) {
        doc.szFullPath[0] = '\0';
        entry.bMainTmp = 0;
    } else {
        doc.szRcPath[0] = '\0';
        entry.bRcTmp = 0;
    }
}

/* restoreTmp: fills the pane from the entry's temporary file. */
int restoreTmp(HWND mainWnd, HWND pane, FileEntry &entry)
{
    BOOL bMain = pane != frame.hSubEdit1;
    char szName[MAX_PATH] = "";
    TempName(entry, bMain ? TEMP_PANE_MAIN : TEMP_PANE_RC, szName, sizeof szName);
    if (!szName[0] || !FileExists(szName)) {
        MessageBoxA(mainWnd, "エラー。\r\n退避用のtmpファイルが存在しません。", "ERROR", MB_OK | MB_ICONEXCLAMATION);
        EmptyPane(pane);
        ForgetParked(entry, bMain);
        return 0;
    }
    char szFolder[MAX_PATH] = "";
    if (!GetFolderOfPath(szName, szFolder, sizeof szFolder) || !szFolder[0]) {
        MessageBoxA(mainWnd, "ファイル名が不正です。\r\n（ディレクトリ(X:\\)の指定がありません）", "警告",
                    MB_OK | MB_ICONEXCLAMATION);
        EmptyPane(pane);
        return 0;
    }
    if (!FolderExists(szFolder)) {
        MessageBoxA(mainWnd, "ディレクトリ名の指定が不正です。", "警告", MB_OK | MB_ICONEXCLAMATION);
        EmptyPane(pane);
        return 0;
    }
    HANDLE h = CreateFileA(szName, GENERIC_READ, 0, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (h == INVALID_HANDLE_VALUE) {
        MessageBoxA(mainWnd, "ファイルハンドルは無効です。\r\nファイルがロックされている(使用中)かもしれません。",
                    "Error", MB_OK | MB_TASKMODAL | MB_TOPMOST);
        EmptyPane(pane);
        SetWindowTextA(mainWnd, "");
        return 0;
    }
    DWORD nSize = GetFileSize(h, NULL);
    if (nSize == INVALID_FILE_SIZE) {
        CloseHandle(h);
        return 0;
    }
    std::string buffer;
    try {
        buffer.assign((size_t)nSize + 2, '\0');
    } catch (...) {
        MessageBoxA(mainWnd, "ファイルを展開するメモリを確保できません", "ERROR", MB_OK);
        EmptyPane(pane);
        CloseHandle(h);
        return 0;
    }
    DWORD nRead = 0;
    if (!ReadFile(h, &buffer[0], nSize, &nRead, NULL) || nRead != nSize)
        MessageBoxA(mainWnd, "読み込みが不正に終りました:restoreTmp();", "Error", MB_OK);
    CloseHandle(h);
    size_t nText = RestoredTextLength(buffer.data(), nRead);

    EnableMenuItem(GetMenu(mainWnd), IDM_OVERWRITE, MF_BYCOMMAND | MF_ENABLED);
    pane = SetPaneText(PaneWithFontForNewText(pane), buffer.data(), nText);
    if (bMain) {
        SendMessageA(pane, EM_SETMODIFY, entry.nMainModified, 0);
        lstrcpynA(doc.szFullPath, entry.szFull.c_str(), sizeof doc.szFullPath);
        char szFile[MAX_PATH] = "";
        GetNameOfPath(entry.szFull.c_str(), szFile, sizeof szFile);
        char szTitle[MAX_PATH + 80];
        _snprintf(szTitle, sizeof szTitle - 1, "[%s]  (FileSize %ldbyte,TextSize(detected) %ldbyte)", szFile,
                  (long)nSize, (long)nText);
        szTitle[sizeof szTitle - 1] = '\0';
        SetWindowTextA(mainWnd, szTitle);
    } else {
        SendMessageA(pane, EM_SETMODIFY, entry.nRcModified, 0);
        lstrcpynA(doc.szRcPath, entry.szRcFull.c_str(), sizeof doc.szRcPath);
        lstrcpynA(doc.szMainTitleSave, entry.szSavedTitle, sizeof doc.szMainTitleSave);
    }
    return 1;
}
