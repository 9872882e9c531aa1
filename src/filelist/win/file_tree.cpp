#include "filelist/win/file_tree.h"

#include "app/frame/globals.h"
#include "filelist/file_tree_match.h"
#include "filelist/win/file_list_win.h"
#include "resource_ids.h"

FileTree::FileTree() = default;

FileTree::~FileTree()
{
    if (hImages)
        ImageList_Destroy(hImages);
}

/* AddCategory: a bold, expanded root node holding its pattern list. */
void FileTree::AddCategory(const char *szPatterns, const char *szCaption)
{
    categories.push_back({szPatterns, szCaption, NULL});
    Category &c = categories.back();
    TVINSERTSTRUCTA ins = {};
    ins.hParent = TVI_ROOT;
    ins.hInsertAfter = TVI_LAST;
    ins.item.mask = TVIF_TEXT | TVIF_STATE | TVIF_PARAM;
    ins.item.pszText = const_cast<char *>(c.szCaption.c_str());
    ins.item.state = TVIS_BOLD | TVIS_EXPANDED;
    ins.item.stateMask = TVIS_BOLD | TVIS_EXPANDED;
    ins.item.lParam = 0;
    c.hItem = (HTREEITEM)SendMessageA(hTree, TVM_INSERTITEMA, 0, (LPARAM)&ins);
}

void FileTree::Attach(HWND tree)
{
    hTree = tree;
    if (!hTree)
        return;
    SetWindowLongPtrA(hTree, GWL_EXSTYLE, GetWindowLongPtrA(hTree, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
    SetWindowLongPtrA(hTree, GWL_STYLE, GetWindowLongPtrA(hTree, GWL_STYLE) | TVS_SHOWSELALWAYS);
    SendMessageA(hTree, TVM_SETINDENT, 30, 0);
    hImages = ImageList_Create(16, 16, ILC_COLOR4 | ILC_MASK, 0, 4);
    AddCategory("*.c;*.cpp", "C(++)ソースファイル( .c & .cpp )");
    AddCategory("*.h;*.hpp;*.rh", "C(++)ヘッダファイル( .h & .hpp & .rh )");
    AddCategory("*.rc", "WinAPI リソーススクリプトファイル( .rc )");
    AddCategory("*.txt", "テキストファイル( .txt )");
    AddCategory("*.*", "その他");
    hDefault = categories.back().hItem;
}

HWND FileTree::Create(HWND parent, DWORD style, const RECT &rc)
{
    HWND tree = CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, NULL, style, rc.left, rc.top, rc.right - rc.left,
                                rc.bottom - rc.top, parent, (HMENU)(INT_PTR)IDC_FILETREE, frame.hInst, NULL);
    Attach(tree);
    return tree;
}

/* AddEntry: the entry's node under the first category that takes it. */
void FileTree::AddEntry(FileEntry *entry)
{
    if (!hTree || !entry)
        return;
    std::string name = FileNameOfPath(entry->szFull);
    HTREEITEM parent = hDefault;
    for (const Category &c : categories) {
        if (c.hItem != hDefault && MatchFileCategory(c.szPatterns, name)) {
            parent = c.hItem;
            break;
        }
    }
    TVINSERTSTRUCTA ins = {};
    ins.hParent = parent;
    ins.hInsertAfter = TVI_LAST;
    ins.item.mask = TVIF_TEXT | TVIF_STATE | TVIF_PARAM;
    ins.item.pszText = const_cast<char *>(name.c_str());
    ins.item.state = TVIS_EXPANDED;
    ins.item.stateMask = TVIS_EXPANDED;
    ins.item.lParam = (LPARAM)entry;
    SendMessageA(hTree, TVM_INSERTITEMA, 0, (LPARAM)&ins);
    SendMessageA(hTree, TVM_EXPAND, TVE_EXPAND, (LPARAM)parent);
}

/* ClearFiles: every file node goes; the categories stay. */
void FileTree::ClearFiles()
{
    if (!hTree)
        return;
    SendMessageA(hTree, TVM_SELECTITEM, TVGN_CARET, 0);
    for (const Category &c : categories) {
        HTREEITEM child;
        while ((child = (HTREEITEM)SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_CHILD, (LPARAM)c.hItem)) != NULL)
            SendMessageA(hTree, TVM_DELETEITEM, 0, (LPARAM)child);
    }
}

/* FindEntryNode: the node holding the entry, or NULL. */
HTREEITEM FileTree::FindEntryNode(FileEntry *entry) const
{
    for (const Category &c : categories) {
        HTREEITEM child = (HTREEITEM)SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_CHILD, (LPARAM)c.hItem);
        while (child) {
            TVITEMA item = {};
            item.mask = TVIF_PARAM;
            item.hItem = child;
            SendMessageA(hTree, TVM_GETITEMA, 0, (LPARAM)&item);
            if ((FileEntry *)item.lParam == entry)
                return child;
            child = (HTREEITEM)SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_NEXT, (LPARAM)child);
        }
    }
    return NULL;
}

HTREEITEM FileTree::getchildmatchlparam(FileEntry *entry)
{
    HTREEITEM node = FindEntryNode(entry);
    if (!node)
        MessageBoxA(NULL, "Error In [ FileTree::getchildmatchlparam() ]", NULL, MB_OK | MB_TASKMODAL);
    return node;
}

void FileTree::RemoveEntry(FileEntry *entry)
{
    if (!hTree)
        return;
    HTREEITEM node = FindEntryNode(entry);
    if (!node)
        return;
    if ((HTREEITEM)SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_CARET, 0) == node)
        SendMessageA(hTree, TVM_SELECTITEM, TVGN_CARET, 0);
    SendMessageA(hTree, TVM_DELETEITEM, 0, (LPARAM)node);
}

void FileTree::SetEntryState(FileEntry *entry, UINT state)
{
    if (!hTree)
        return;
    HTREEITEM node = getchildmatchlparam(entry);
    if (!node)
        return;
    TVITEMA item = {};
    item.mask = TVIF_STATE;
    item.hItem = node;
    item.state = state;
    item.stateMask = TVIS_SELECTED | TVIS_DROPHILITED | TVIS_BOLD | TVIS_EXPANDED;
    SendMessageA(hTree, TVM_SETITEMA, 0, (LPARAM)&item);
    if (state & TVIS_SELECTED)
        SendMessageA(hTree, TVM_SELECTITEM, TVGN_CARET, (LPARAM)node);
}

/* NodeAtCursor: the node under the mouse cursor, or NULL. */
HTREEITEM FileTree::NodeAtCursor(POINT screen) const
{
    TVHITTESTINFO hit = {};
    hit.pt = screen;
    ScreenToClient(hTree, &hit.pt);
    HTREEITEM node = (HTREEITEM)SendMessageA(hTree, TVM_HITTEST, 0, (LPARAM)&hit);
    return node && (hit.flags & TVHT_ONITEM) ? node : NULL;
}

/* OnRightClick: the file pop-up for the node under the click. */
void FileTree::OnRightClick()
{
    // Not every tree control drop-highlights the node while the right
    // button is down: the node under the cursor comes first.
    POINT pt;
    GetCursorPos(&pt);
    HTREEITEM node = NodeAtCursor(pt);
    if (!node)
        node = (HTREEITEM)SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_DROPHILITE, 0);
    if (!node)
        node = (HTREEITEM)SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_CARET, 0);
    if (!node || !SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_PARENT, (LPARAM)node))
        return;
    char szText[256] = "";
    TVITEMA item = {};
    item.mask = TVIF_TEXT | TVIF_PARAM;
    item.hItem = node;
    item.pszText = szText;
    item.cchTextMax = sizeof szText;
    SendMessageA(hTree, TVM_GETITEMA, 0, (LPARAM)&item);
    SendMessageA(frame.hMainWnd, WM_COMMAND, MAKEWPARAM(IDM_TREETARGET, 0), item.lParam);
    TrackFilePopup(szText, pt);
}

BOOL FileTree::OnNotify(NMHDR *hdr)
{
    if (!hdr || hdr->hwndFrom != hTree)
        return FALSE;
    if (hdr->code == TVN_SELCHANGEDA || hdr->code == TVN_SELCHANGEDW) {
        NMTREEVIEWA *nm = (NMTREEVIEWA *)hdr;
        HTREEITEM node = nm->itemNew.hItem;
        if (node && nm->action != TVC_UNKNOWN && SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_PARENT, (LPARAM)node)) {
            TVITEMA item = {};
            item.mask = TVIF_PARAM;
            item.hItem = node;
            SendMessageA(hTree, TVM_GETITEMA, 0, (LPARAM)&item);
            if (item.lParam)
                PostMessageA(frame.hMainWnd, WM_COMMAND, MAKEWPARAM(IDM_TREEOPEN, 0), item.lParam);
        }
        return TRUE;
    }
    if (hdr->code == NM_RCLICK) {
        OnRightClick();
        return TRUE;
    }
    return FALSE;
}

void AttachFileTree(HWND tree)
{
    if (fileList.pFileTree || !tree)
        return;
    fileList.pFileTree = new FileTree;
    fileList.pFileTree->Attach(tree);
}

void FreeFileTree()
{
    delete fileList.pFileTree;
    fileList.pFileTree = NULL;
}

BOOL FileTreeOnNotify(HWND mainWnd, LPARAM lParam)
{
    (void)mainWnd;
    return fileList.pFileTree && fileList.pFileTree->OnNotify((NMHDR *)lParam);
}

/* TrackFilePopup: MYPOPUP6 with the title as a disabled first item. */
void TrackFilePopup(const char *szTitle, POINT screen)
{
    HMENU menu = LoadMenuA(frame.hInst, "MYPOPUP6");
    if (!menu)
        return;
    HMENU sub = GetSubMenu(menu, 0);
    InsertMenuA(sub, 0, MF_BYPOSITION | MF_STRING | MF_GRAYED, IDM_FILEMENUTITLE, szTitle);
    TrackPopupMenu(sub, TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, frame.hMainWnd, NULL);
    DestroyMenu(menu);
}
