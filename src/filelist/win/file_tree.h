// The folder tree beside the file buttons: the entries of the file-list
// page on show under five categories by file kind.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "filelist/file_list_pages.h"

class FileTree {
public:
    FileTree();
    ~FileTree();
    FileTree(const FileTree &) = delete;
    FileTree &operator=(const FileTree &) = delete;

    // Makes the tree window (id 1301) with its categories.
    HWND Create(HWND parent, DWORD style, const RECT &rc);
    // Takes over a tree window made elsewhere and adds the categories.
    void Attach(HWND tree);

    void AddEntry(FileEntry *entry);                 // 260
    void ClearFiles();                               // 261
    void RemoveEntry(FileEntry *entry);              // 264
    void SetEntryState(FileEntry *entry, UINT state); // 262, 263
    HTREEITEM getchildmatchlparam(FileEntry *entry);
    // TRUE when the notification was the tree's.
    BOOL OnNotify(NMHDR *hdr);

    HWND hwnd() const { return hTree; }

private:
    struct Category {
        std::string szPatterns;
        std::string szCaption;
        HTREEITEM hItem;
    };
    std::vector<Category> categories;
    HWND hTree = NULL;
    HTREEITEM hDefault = NULL;
    HIMAGELIST hImages = NULL;

    void AddCategory(const char *szPatterns, const char *szCaption);
    HTREEITEM FindEntryNode(FileEntry *entry) const;
    HTREEITEM NodeAtCursor(POINT screen) const;
    void OnRightClick();
};


void AttachFileTree(HWND tree);
void FreeFileTree();

// The main window's WM_NOTIFY from the tree (id 1301): TRUE when handled.
BOOL FileTreeOnNotify(HWND mainWnd, LPARAM lParam);
// Shows the file pop-up MYPOPUP6 for an entry at a screen point; szTitle
// becomes its disabled first item.
void TrackFilePopup(const char *szTitle, POINT screen);
