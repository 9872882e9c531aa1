#include "app/frame/subsystem_commands.h"

#include <shellapi.h>

#include "app/frame/globals.h"
#include "doc/path_core.h"
#include "filelist/win/file_list_win.h"
#include "filelist/win/file_tree.h"
#include "filelist/win/page_exchange.h"
#include "resource_ids.h"
#include "app/frame/band_button.h"

/* TargetEntry: the entry the pop-up menu was opened for, or NULL. */
static FileEntry *TargetEntry()
{
    return fileList.pFileList ? fileList.pFileList->FindById(fileList.nFilePopupTarget) : NULL;
}

/* ShellOpen: the shell's "open" of a file, folder or program; FALSE when it failed. */
static BOOL ShellOpen(const char *szWhat, const char *szFolder, int nShow)
{
    return (INT_PTR)ShellExecuteA(frame.hMainWnd, "open", szWhat, NULL, szFolder, nShow) > 32;
}

/* OpenDosWindow: "COMMAND.COM" in the folder, else the system's interpreter (COMSPEC). */
static BOOL OpenDosWindow(const char *szFolder)
{
    if (ShellOpen("COMMAND.COM", szFolder, 5))
        return TRUE;
    char szComspec[MAX_PATH] = "";
    DWORD n = GetEnvironmentVariableA("COMSPEC", szComspec, sizeof szComspec);
    return n > 0 && n < sizeof szComspec && ShellOpen(szComspec, szFolder, 5);
}

/* OpenForEntry: shell "open" of the entry's folder or file, or a DOS window there. */
static void OpenForEntry(UINT id)
{
    FileEntry *e = TargetEntry();
    if (!e)
        return;
    char szFolder[MAX_PATH] = "";
    GetFolderOfPath(e->szFull.c_str(), szFolder, sizeof szFolder);
    BOOL ok;
    const char *szWhat = szFolder;
    if (id == IDM_FILEOPENFOLDER) {
        ok = ShellOpen(szFolder, NULL, SW_SHOWNORMAL);
    } else if (id == IDM_FILEOPENFILE) {
        szWhat = e->szFull.c_str();
        ok = ShellOpen(szWhat, NULL, SW_SHOWNORMAL);
    } else {
        ok = OpenDosWindow(szFolder);
    }
    if (ok)
        return;
    char szMessage[MAX_PATH + 64];
    wsprintfA(szMessage, "開けませんでした。\r\n%s", szWhat);
    MessageBoxA(frame.hMainWnd, szMessage, "エラー", MB_OK | MB_ICONEXCLAMATION);
}

/* OnTreeCommand: the tree's side of commands 260-266. */
static void OnTreeCommand(UINT id, LPARAM lParam)
{
    FileEntry *e = (FileEntry *)lParam;
    switch (id) {
    case IDM_FILEADD:
        if (fileList.pFileTree) fileList.pFileTree->AddEntry(e);
        break;
    case IDM_FILECLEAR:
        if (fileList.pFileTree) fileList.pFileTree->ClearFiles();
        break;
    case IDM_FILEEXPAND:
        if (fileList.pFileTree) fileList.pFileTree->SetEntryState(e, TVIS_EXPANDED);
        break;
    case IDM_FILESELECT:
        if (fileList.pFileTree)
            fileList.pFileTree->SetEntryState(e, IsWindowVisible(frame.hEdit)
                                                     ? TVIS_EXPANDED | TVIS_BOLD | TVIS_SELECTED
                                                     : TVIS_EXPANDED | TVIS_BOLD);
        break;
    case IDM_FILEDROP:
        if (fileList.pFileTree) fileList.pFileTree->RemoveEntry(e);
        break;
    case IDM_TREEOPEN:
        // A click on a tree node counts as a click on the entry's button.
        if (e && fileList.pFileList && !FileListBusy() && fileList.pFileList->FindById(e->id) == e)
            SendMessageA(frame.hMainWnd, WM_COMMAND, MAKEWPARAM(e->id, 2), 0);
        break;
    case IDM_TREETARGET:
        if (e)
            fileList.nFilePopupTarget = e->id;
        break;
    }
}

/* ShowNeighbourFile (Ctrl+Tab, Ctrl+Shift+Tab): the next or the previous
   listed file of the page on show, as a click on its button would; only in
   multi-file mode, where the list is on show. */
static void ShowNeighbourFile(int step)
{
    if (!IsMultiFileMode()) {
        ShowStatusMessage("複数ファイルを扱うモードに入っていません。", 3000);
        return;
    }
    UINT id = fileList.pFileList ? fileList.pFileList->NeighbourId(step) : 0;
    if (id)
        SelectFileEntry(id);
    SetFocus(frame.hEdit);
}

/* FileListCommand: the main window's commands served by this subsystem. */
static BOOL FileListCommand(HWND hwnd, UINT id, UINT code, LPARAM lParam)
{
    (void)code;
    if (fileList.pFileList && fileList.pFileList->OwnsId(id)) {
        SelectFileEntry(id);
        return TRUE;
    }
    switch (id) {
    case IDM_FILEADD: case IDM_FILECLEAR: case IDM_FILEEXPAND: case IDM_FILESELECT:
    case IDM_FILEDROP: case IDM_TREEOPEN: case IDM_TREETARGET:
        OnTreeCommand(id, lParam);
        return TRUE;
    case IDM_FILEREMOVE:
        if (TargetEntry())
            RemoveFileEntry(fileList.nFilePopupTarget);
        return TRUE;
    case IDM_FILEOPENFOLDER:
    case IDM_FILEOPENFILE:
    case IDM_FILEDOSHERE:
        OpenForEntry(id);
        return TRUE;
    case IDM_FILEPAGEXCHG:
        if (IsMultiFileMode())
            ShowFilePageExchange(hwnd);
        return TRUE;
    case IDM_NEXTFILEPAGE:
        if (CheckMultiFileMode(hwnd))
            NextFilePage();
        return TRUE;
    case IDM_FILELISTCLEAR:
        if (MessageBoxA(hwnd, "ファイルリスト（ボタン）をすべて削除します。\r\n\r\nよろしいですか？", "確認",
                        MB_YESNO | MB_ICONINFORMATION) != IDNO)
            RemoveAllFileEntries();
        return TRUE;
    case IDM_NEXTLISTED:
    case IDM_PREVLISTED:
        ShowNeighbourFile(id == IDM_NEXTLISTED ? 1 : -1);
        return TRUE;
    }
    return FALSE;
}

// The file buttons number on from 8500 for as long as the editor runs;
// 9997 between them is the Enter command.
static const CommandRange kFileListIds[] = {COMMAND_ID(IDM_FILEREMOVE),
                                            {IDM_FILEOPENFOLDER, IDM_FILEPAGEXCHG},
                                            {IDM_FILEDOSHERE, IDM_PREVLISTED},
                                            {IDM_FILEADD, IDM_TREETARGET},
                                            COMMAND_ID(IDM_NEXTFILEPAGE),
                                            COMMAND_ID(IDM_FILELISTCLEAR),
                                            {IDM_FILEBUTTON_FIRST, IDM_ENTER - 1},
                                            {IDM_ENTER + 1, 0xFFFF}};
const CommandOwner fileListCommands = {"filelist", FileListCommand, COMMAND_IDS(kFileListIds)};
