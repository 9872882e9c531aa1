// The file list of the main window: the FileListPages object with its
// buttons on hFileRebar, the parking of the panes, and the resource
// script associations.
#pragma once
#include <windows.h>

#include "filelist/file_list_pages.h"
#include "filelist/rc_association.h"

#include <vector>

class FileTree;

struct FileListState {
    FileListPages *pFileList;
    // Id of the entry the file pop-up menu was opened for (0 when none).
    UINT nFilePopupTarget;
    FileTree *pFileTree; // the folder tree's categories (file_tree.h)
};
extern FileListState fileList;

// Makes the list, its hooks and the file tree (main window creation).
void CreateFileList(HWND mainWnd);
// Frees the list (main window destruction).
void FreeFileList();

// Multi-file mode: the setting, decided from the working folder at load.
BOOL IsMultiFileMode();
// "複数ファイルを扱うモードに入っていません..." when it is off; returns its state.
BOOL CheckMultiFileMode(HWND owner);

// True when the path is an entry of the file list page on show.
BOOL FileListPageHasPath(const char *szPath);

// Right click on a file-list button (a child of hFileRebar) at a screen
// point: MYPOPUP6 with the file's label on top.
void ShowFileButtonMenu(HWND button, POINT screen);

// Adds a file opened by the user; FALSE when the file on show could not
// be parked (its text stays; the caller must not load the new file).
BOOL FileListAddFileChecked(const char *szPath, const char *szRc, const char *szLabel, int nMode);

// After a save under a new name: the new file becomes the entry on show and
// the old entry keeps its file as it is on disk. FALSE when parking failed.
BOOL FileListTakeSavedAs(const char *szNewPath, const char *szRc, const char *szLabel);

// The entries, on every page, whose parked texts hold unsaved changes.
std::vector<FileEntry *> ParkedEntriesWithChanges();

// Brings up the entry with the id (a click on its button). 1 brought up,
// 0 already on show or unknown, -1 when parking failed.
int SelectFileEntry(UINT id);
// Parks the file on show and leaves no entry current, so that the panes can
// take a text of no listed file. 1 parked, 0 none was current, -1 when
// parking failed (nothing changed).
int ParkCurrentFileEntry();
// The next file page; the "Files%d" button follows.
void NextFilePage();
// Writes "Files%d" with the page number on the 1413 button.
void UpdateFilesButtonText();
// Removes the entry with the id; removes every entry of the page on show.
void RemoveFileEntry(UINT id);
void RemoveAllFileEntries();

// Lists the pages read from the settings; no entry is current.
void LoadFileListPages(const std::vector<StoredPage> &pages);

// TRUE while the list itself is changing buttons and the tree (the tree's
// selection notifications are then not the user's).
BOOL FileListBusy();
