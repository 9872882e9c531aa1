#include "filelist/win/temp_backup.h"

#include <richedit.h>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/frame/globals.h"
#include "app/frame/pane_text.h"
#include "app/frame/panes.h"
#include "doc/win/document.h"
#include "filelist/temp_backup_name.h"
#include "app/frame/file_bytes.h"
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

/* ParkMain: the main pane's text, modified flag and record aside. */
BOOL ParkMain(FileEntry &entry, HWND pane, std::string *pText)
{
    if (!WritePaneAside(entry, pane, TEMP_PANE_MAIN, pText))
        return FALSE;
    entry.nMainModified = (int32_t)SendMessageA(pane, EM_GETMODIFY, 0, 0);
    entry.bMainTmp = 1;
    entry.mainDoc = DocumentOf(pane);
    SendMessageA(pane, EM_SETMODIFY, FALSE, 0);
    return TRUE;
}

/* ParkRc: the resource pane's text aside; the pane is left with no document. */
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
    entry.rcDoc = DocumentOf(pane);
    ShowNoDocument(pane);
    return TRUE;
}

/* ParkedRecord: the record a parked text comes back with. */
static DocumentRecord ParkedRecord(const FileEntry &entry, BOOL bMain, size_t nText)
{
    DocumentRecord r = bMain ? entry.mainDoc : entry.rcDoc;
    if (r.origin == DOC_ORIGIN_NONE && !r.szPath[0])
        RecordFileRead(r, bMain ? entry.szFull.c_str() : entry.szRcFull.c_str(), nText, nText, DOC_WHOLE);
    RecordRestored(r);
    return r;
}

/* restoreTmp: fills the pane from the entry's temporary file, with the
   record and the modified flag it was parked with. */
int restoreTmp(HWND mainWnd, HWND pane, FileEntry &entry)
{
    BOOL bMain = pane != frame.hSubEdit1;
    char szName[MAX_PATH] = "";
    std::string buffer;
    if (!TempName(entry, bMain ? TEMP_PANE_MAIN : TEMP_PANE_RC, szName, sizeof szName) || !FileExists(szName)) {
        MessageBoxA(mainWnd, "エラー。\r\n退避用のtmpファイルが存在しません。", "ERROR", MB_OK | MB_ICONEXCLAMATION);
        ShowNoDocument(pane);
        (bMain ? entry.bMainTmp : entry.bRcTmp) = 0;
        return 0;
    }
    if (!ReadFileBytes(szName, buffer)) {
        MessageBoxA(mainWnd, "退避用のtmpファイルを読み込めませんでした。\r\nファイルがロックされている(使用中)かもしれません。",
                    "Error", MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL);
        ShowNoDocument(pane);
        return 0;
    }
    size_t nText = RestoredTextLength(buffer.data(), buffer.size());
    DocumentRecord record = ParkedRecord(entry, bMain, nText);
    PutDocument(PaneWithFontForNewText(pane), buffer.data(), nText, record,
                bMain ? entry.nMainModified : entry.nRcModified);
    SecureZeroMemory(&buffer[0], buffer.size());
    return 1;
}

/* SaveParkedText: a parked text with changes written over its file, as an
   overwrite would write it; its changes are then saved. */
BOOL SaveParkedText(FileEntry &entry, BOOL bMain)
{
    DocumentRecord &record = bMain ? entry.mainDoc : entry.rcDoc;
    if (!record.szPath[0])
        RecordFileRead(record, bMain ? entry.szFull.c_str() : entry.szRcFull.c_str(), 0, 0, record.wholeness);
    char szName[MAX_PATH] = "";
    std::string text;
    if (!TempName(entry, bMain ? TEMP_PANE_MAIN : TEMP_PANE_RC, szName, sizeof szName) ||
        !ReadFileBytes(szName, text)) {
        MessageBoxA(frame.hMainWnd, "退避用のtmpファイルを読み込めませんでした。", "エラー", MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    text.resize(RestoredTextLength(text.data(), text.size()));
    BOOL saved = OverWriteRecordText(frame.hMainWnd, record, text) == SAVE_OK;
    if (saved)
        (bMain ? entry.nMainModified : entry.nRcModified) = 0;
    SecureZeroMemory(&text[0], text.size());
    return saved;
}
