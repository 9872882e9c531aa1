#include "filelist/win/file_list_win.h"

#include <commctrl.h>
#include <richedit.h>
#include <cstdio>

#include "app/frame/globals.h"
#include "app/frame/pane_text.h"
#include "doc/win/document.h"
#include "app/frame/file_bytes.h"
#include "filelist/win/file_tree.h"
#include "filelist/win/recovery.h"
#include "filelist/win/temp_backup.h"
#include "resource_ids.h"
#include "app/frame/band_button.h"

FileListState fileList;

static int nBusy = 0;

// Marks a stretch of list work (re-entrant).
struct BusyScope {
    BusyScope() { ++nBusy; }
    ~BusyScope() { --nBusy; }
};

BOOL FileListBusy() { return nBusy > 0; }

BOOL IsMultiFileMode() { return frame.settingsRecord.bMultiFile != 0; }

BOOL CheckMultiFileMode(HWND owner)
{
    if (IsMultiFileMode())
        return TRUE;
    MessageBoxA(owner, "複数ファイルを扱うモードに入っていません。【設定】で切り替えてください。", "OK", MB_OK);
    return FALSE;
}

/* Notify: one of the list's commands 260-264 to the main window. */
static void Notify(UINT id, FileEntry *entry)
{
    SendMessageA(frame.hMainWnd, WM_COMMAND, MAKEWPARAM(id, 0), (LPARAM)entry);
}

static void OnShown(FileEntry &e)
{
    AddFileBandButton(frame.hFileRebar, e.szLabel.c_str(), e.id);
    Notify(IDM_FILEADD, &e);
}

static void SetButtonCheck(FileEntry &e, BOOL bCheck, UINT nCommand)
{
    HWND button = BandButtonWindow(frame.hFileRebar, e.id);
    if (!button)
        return;
    SendMessageA(button, BM_SETCHECK, bCheck ? BST_CHECKED : BST_UNCHECKED, 0);
    Notify(nCommand, &e);
}

static void OnChecked(FileEntry &e) { SetButtonCheck(e, TRUE, IDM_FILESELECT); }
static void OnUnchecked(FileEntry &e) { SetButtonCheck(e, FALSE, IDM_FILEEXPAND); }

static void OnRemoved(FileEntry &e)
{
    DeleteBandButton(frame.hFileRebar, e.id);
    Notify(IDM_FILEDROP, &e);
}

/* OnPageCleared: every band and button of the old page goes. */
static void OnPageCleared()
{
    LRESULT n = SendMessageA(frame.hFileRebar, RB_GETBANDCOUNT, 0, 0);
    for (LRESULT i = n - 1; i >= 0; --i) {
        REBARBANDINFOA band = {};
        band.cbSize = REBARBANDINFOA_V6_SIZE;
        band.fMask = RBBIM_CHILD;
        SendMessageA(frame.hFileRebar, RB_GETBANDINFOA, (WPARAM)i, (LPARAM)&band);
        SendMessageA(frame.hFileRebar, RB_DELETEBAND, (WPARAM)i, 0);
        if (band.hwndChild)
            DestroyWindow(band.hwndChild);
    }
    Notify(IDM_FILECLEAR, NULL);
}

/* RememberView: the selection and first visible line of a pane. */
static void RememberView(HWND pane, CharRange &cr, int32_t &nTopLine)
{
    CHARRANGE r = {0, 0};
    SendMessageA(pane, EM_EXGETSEL, 0, (LPARAM)&r);
    cr.cpMin = r.cpMin;
    cr.cpMax = r.cpMax;
    nTopLine = (int32_t)SendMessageA(pane, EM_GETFIRSTVISIBLELINE, 0, 0);
}

/* RestoreView: the remembered selection and scroll position of a pane. */
static void RestoreView(HWND pane, const CharRange &cr, int32_t nTopLine)
{
    CHARRANGE r = {cr.cpMin, cr.cpMax};
    SendMessageA(pane, EM_EXSETSEL, 0, (LPARAM)&r);
    LONG first = (LONG)SendMessageA(pane, EM_GETFIRSTVISIBLELINE, 0, 0);
    SendMessageA(pane, EM_LINESCROLL, 0, nTopLine - first);
}

// Set while a save under a new name moves the text on show to a new entry:
// the entry on show keeps its own file, not the text now saved elsewhere.
static bool bDetachMainText;

/* DetachMain: the entry's main text is its file's again (read from disk when brought up). */
static void DetachMain(FileEntry &e)
{
    e.bMainTmp = 0;
    e.nMainModified = 0;
    RecordNoDocument(e.mainDoc);
}

/* Park: both panes of the entry on show aside; FALSE keeps them. */
static bool Park(FileEntry &e)
{
    if (bDetachMainText) {
        std::string mainText, rcText;
        if (!ParkRc(e, frame.hSubEdit1, &rcText))
            return false;
        DetachMain(e);
        RecoveryParked(e, mainText, rcText);
        return true;
    }
    CharRange crMain, crRc;
    int32_t nMainTop = 0, nRcTop = 0;
    RememberView(frame.hEdit, crMain, nMainTop);
    RememberView(frame.hSubEdit1, crRc, nRcTop);
    std::string mainText, rcText;
    if (!ParkMain(e, frame.hEdit, &mainText))
        return false;
    if (!ParkRc(e, frame.hSubEdit1, &rcText)) {
        // The main text is in its file already; the pane keeps its flag.
        SendMessageA(frame.hEdit, EM_SETMODIFY, e.nMainModified, 0);
        e.bMainTmp = 0;
        return false;
    }
    e.crMain = crMain;
    e.crRc = crRc;
    e.nMainTopLine = nMainTop;
    e.nRcTopLine = nRcTop;
    RecoveryParked(e, mainText, rcText);
    return true;
}

/* BringUp: the entry's panes from their temporary files or its file. */
static void BringUp(FileEntry &e)
{
    if (e.bRcTmp) {
        restoreTmp(frame.hMainWnd, frame.hSubEdit1, e);
        RestoreView(frame.hSubEdit1, e.crRc, e.nRcTopLine);
    }
    if (e.bMainTmp) {
        restoreTmp(frame.hMainWnd, frame.hEdit, e);
        RestoreView(frame.hEdit, e.crMain, e.nMainTopLine);
    } else if (!FileExists(e.szFull.c_str()) || !MySetFileOn(frame.hMainWnd, frame.hEdit, e.szFull.c_str())) {
        ShowNoDocument(frame.hEdit); // gone, or refused (too big, a line too long)
    }
    ShowWindow(frame.hEdit, SW_SHOW);
    SetFocus(frame.hEdit);
    RecoveryBroughtUp(e);
}

void CreateFileList(HWND mainWnd)
{
    (void)mainWnd;
    if (fileList.pFileList)
        return;
    fileList.pFileList = new FileListPages;
    FileListHooks &h = fileList.pFileList->hooks;
    h.onShown = OnShown;
    h.onPageCleared = OnPageCleared;
    h.onUnchecked = OnUnchecked;
    h.onChecked = OnChecked;
    h.onRemoved = OnRemoved;
    h.park = Park;
    h.bringUp = BringUp;
    AttachFileTree(frame.hFileTree);
}

void FreeFileList()
{
    delete fileList.pFileList;
    fileList.pFileList = NULL;
    doc.rcAssociation.pairs.clear();
    FreeFileTree();
}

/* FileListPageHasPath: the path is an entry of the page on show. */
BOOL FileListPageHasPath(const char *szPath)
{
    return fileList.pFileList && szPath && fileList.pFileList->FindByPath(szPath) != NULL;
}

/* ShowFileButtonMenu: MYPOPUP6 for the file button with its label on top. */
void ShowFileButtonMenu(HWND button, POINT screen)
{
    UINT id = (UINT)GetDlgCtrlID(button);
    char szLabel[256] = "";
    if (!fileList.pFileList || !fileList.pFileList->GetLabel(id, szLabel, sizeof szLabel))
        return;
    fileList.nFilePopupTarget = id;
    TrackFilePopup(szLabel, screen);
}

BOOL FileListAddFileChecked(const char *szPath, const char *szRc, const char *szLabel, int nMode)
{
    if (!fileList.pFileList || !szPath)
        return TRUE;
    BusyScope busy;
    int r = fileList.pFileList->Add(szPath, szRc ? szRc : "", szLabel ? szLabel : "", nMode);
    if (r == 0 && nMode != ADD_RECORD_ONLY) {
        MessageBoxA(frame.hMainWnd, "arere?", NULL, MB_OK | MB_TASKMODAL);
        FileEntry *e = fileList.pFileList->FindByPath(szPath);
        if (e && lstrcmpA(doc.szFullPath, szPath) != 0) {
            char szMsg[3 * MAX_PATH + 64];
            _snprintf(szMsg, sizeof szMsg - 1, "エラーが発生しました。\r\n%s %s %s", doc.szFullPath, szPath,
                      e->szFull.c_str());
            szMsg[sizeof szMsg - 1] = '\0';
            MessageBoxA(frame.hMainWnd, szMsg, "申し訳ありません。", MB_OK);
        }
    }
    return r >= 0;
}

/* FileListTakeSavedAs: after the text on show was saved under a new name,
   the new file gets the entry on show (its own, or a new one) and the old
   entry keeps its file as it is on disk. FALSE when parking failed. */
BOOL FileListTakeSavedAs(const char *szNewPath, const char *szRc, const char *szLabel)
{
    if (!fileList.pFileList)
        return TRUE;
    BusyScope busy;
    bDetachMainText = true;
    int r;
    FileEntry *existing = fileList.pFileList->FindByPath(szNewPath);
    if (existing) {
        DetachMain(*existing); // its parked text is older than the file now
        r = existing == fileList.pFileList->pCurchk ? 1 : fileList.pFileList->Select(existing->id, std::string());
    } else {
        r = fileList.pFileList->Add(szNewPath, szRc ? szRc : "", szLabel ? szLabel : "", ADD_OPENED);
    }
    bDetachMainText = false;
    return r >= 0;
}

std::vector<FileEntry *> ParkedEntriesWithChanges()
{
    std::vector<FileEntry *> found;
    if (!fileList.pFileList)
        return found;
    FileListPages &list = *fileList.pFileList;
    for (int k = 0; k < FILELIST_PAGE_SLOTS; ++k)
        for (FileEntry *e = k == list.ipage ? list.top : list.pagetops[k].top; e; e = e->next)
            if (e != list.pCurchk && ((e->bMainTmp && e->nMainModified) || (e->bRcTmp && e->nRcModified)))
                found.push_back(e);
    return found;
}

int SelectFileEntry(UINT id)
{
    if (!fileList.pFileList)
        return 0;
    BusyScope busy;
    FileEntry *e = fileList.pFileList->FindById(id);
    if (!e || e->szFull == doc.szFullPath)
        return 0;
    ShowWindow(frame.hEdit, SW_HIDE);
    int r = fileList.pFileList->Select(id, doc.szFullPath);
    ShowWindow(frame.hEdit, SW_SHOW);
    if (r < 0 && fileList.pFileList->pCurchk) {
        // Nothing switched: the button of the file on show stays checked.
        HWND button = BandButtonWindow(frame.hFileRebar, fileList.pFileList->pCurchk->id);
        HWND clicked = BandButtonWindow(frame.hFileRebar, id);
        if (clicked)
            SendMessageA(clicked, BM_SETCHECK, BST_UNCHECKED, 0);
        if (button)
            SendMessageA(button, BM_SETCHECK, BST_CHECKED, 0);
    }
    return r;
}

int ParkCurrentFileEntry()
{
    if (!fileList.pFileList)
        return 0;
    BusyScope busy;
    return fileList.pFileList->ParkCurrent();
}

void UpdateFilesButtonText()
{
    if (!fileList.pFileList || !frame.hFilesButton)
        return;
    char szText[32];
    wsprintfA(szText, "Files%d", fileList.pFileList->PageNumber());
    SetWindowTextA(frame.hFilesButton, szText);
}

void NextFilePage()
{
    if (!fileList.pFileList)
        return;
    {
        BusyScope busy;
        fileList.pFileList->NextPage();
    }
    if (!fileList.pFileList->top && IsWindowVisible(frame.hFileRebar)) {
        ShowWindow(frame.hFileRebar, SW_HIDE);
        ShowWindow(frame.hFileRebar, SW_SHOW);
    }
    UpdateFilesButtonText();
}

void RemoveFileEntry(UINT id)
{
    if (!fileList.pFileList)
        return;
    BusyScope busy;
    fileList.pFileList->Remove(id);
}

void RemoveAllFileEntries()
{
    if (!fileList.pFileList)
        return;
    BusyScope busy;
    fileList.pFileList->RemoveAll();
}

void LoadFileListPages(const std::vector<StoredPage> &pages)
{
    if (!fileList.pFileList)
        return;
    BusyScope busy;
    fileList.pFileList->Load(pages);
    UpdateFilesButtonText();
}
