// A buffer inside the editor's process, for messages whose parameters are
// pointers (EM_EXGETSEL, SB_GETTEXT, ...): the system does not copy those
// across processes.
#pragma once
#include <windows.h>

class RemoteBuffer {
public:
    RemoteBuffer(HWND owner, SIZE_T size) : size_(size)
    {
        DWORD pid = 0;
        GetWindowThreadProcessId(owner, &pid);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (process_)
            address_ = VirtualAllocEx(process_, NULL, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBuffer()
    {
        if (address_)
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_)
            CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer &) = delete;
    RemoteBuffer &operator=(const RemoteBuffer &) = delete;

    bool ok() const { return address_ != NULL; }
    LPARAM param() const { return (LPARAM)address_; }
    void *at(SIZE_T offset) const { return (char *)address_ + offset; }
    bool write(const void *data, SIZE_T n, SIZE_T offset = 0)
    {
        return n + offset <= size_ && WriteProcessMemory(process_, at(offset), data, n, NULL);
    }
    bool read(void *data, SIZE_T n, SIZE_T offset = 0) const
    {
        return n + offset <= size_ && ReadProcessMemory(process_, at(offset), data, n, NULL);
    }

private:
    HANDLE process_ = NULL;
    void *address_ = NULL;
    SIZE_T size_;
};

// List-view and tree-view structures hold pointers, so their layout is the
// editor's, not the driver's: a 64-bit driver may drive the 32-bit editor.
// The helpers below lay them out for the bitness of the window's process.
#include <commctrl.h>
#include <cstdint>
#include <string>

// True when the window belongs to a 32-bit process.
inline bool RemoteIs32(HWND w)
{
    if (sizeof(void *) == 4)
        return true;
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    HANDLE p = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, pid);
    BOOL wow = FALSE;
    if (p) {
        IsWow64Process(p, &wow);
        CloseHandle(p);
    }
    return wow != FALSE;
}

template <typename Ptr> struct RemoteLvItem {
    UINT mask; int iItem, iSubItem; UINT state, stateMask; Ptr pszText; int cchTextMax, iImage; Ptr lParam;
    int iIndent, iGroupId; UINT cColumns; Ptr puColumns;
};
template <typename Ptr> struct RemoteLvFind { UINT flags; Ptr psz; Ptr lParam; POINT pt; UINT vkDirection; };
template <typename Ptr> struct RemoteTvItem {
    UINT mask; Ptr hItem; UINT state, stateMask; Ptr pszText; int cchTextMax, iImage, iSelectedImage, cChildren;
    Ptr lParam;
};

template <typename Ptr> bool RemoteListSetStateAs(HWND list, int row, UINT state, UINT mask, UINT timeoutMs)
{
    RemoteBuffer buffer(list, sizeof(RemoteLvItem<Ptr>));
    RemoteLvItem<Ptr> item = {};
    item.mask = LVIF_STATE;
    item.state = state;
    item.stateMask = mask;
    DWORD_PTR r = 0;
    return buffer.ok() && buffer.write(&item, sizeof item) &&
           SendMessageTimeoutW(list, LVM_SETITEMSTATE, row, buffer.param(), SMTO_ABORTIFHUNG, timeoutMs, &r) && r;
}

template <typename Ptr> bool RemoteListTextAs(HWND list, int row, int sub, std::wstring *text, int chars)
{
    RemoteBuffer buffer(list, sizeof(RemoteLvItem<Ptr>) + chars * sizeof(wchar_t));
    if (!buffer.ok())
        return false;
    RemoteLvItem<Ptr> item = {};
    item.iSubItem = sub;
    item.cchTextMax = chars;
    item.pszText = (Ptr)(uintptr_t)buffer.at(sizeof item);
    DWORD_PTR got = 0;
    std::wstring w(chars, L'\0');
    if (!buffer.write(&item, sizeof item) ||
        !SendMessageTimeoutW(list, LVM_GETITEMTEXTW, row, buffer.param(), SMTO_ABORTIFHUNG, 5000, &got) ||
        !buffer.read(&w[0], chars * sizeof(wchar_t), sizeof item))
        return false;
    *text = w.c_str();
    return true;
}

template <typename Ptr> int RemoteListFindAs(HWND list, const wchar_t *text)
{
    size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    RemoteBuffer buffer(list, sizeof(RemoteLvFind<Ptr>) + bytes);
    RemoteLvFind<Ptr> find = {};
    find.flags = LVFI_STRING;
    find.psz = (Ptr)(uintptr_t)buffer.at(sizeof find);
    DWORD_PTR row = (DWORD_PTR)-1;
    if (!buffer.ok() || !buffer.write(&find, sizeof find) || !buffer.write(text, bytes, sizeof find) ||
        !SendMessageTimeoutW(list, LVM_FINDITEMW, (WPARAM)-1, buffer.param(), SMTO_ABORTIFHUNG, 5000, &row))
        return -1;
    return (int)row;
}

template <typename Ptr> bool RemoteTreeTextAs(HWND tree, HTREEITEM node, std::wstring *text)
{
    const int chars = 260;
    RemoteBuffer buffer(tree, sizeof(RemoteTvItem<Ptr>) + chars * sizeof(wchar_t));
    if (!buffer.ok())
        return false;
    RemoteTvItem<Ptr> item = {};
    item.mask = TVIF_TEXT;
    item.hItem = (Ptr)(uintptr_t)node;
    item.pszText = (Ptr)(uintptr_t)buffer.at(sizeof item);
    item.cchTextMax = chars;
    DWORD_PTR r = 0;
    std::wstring w(chars, L'\0');
    if (!buffer.write(&item, sizeof item) ||
        !SendMessageTimeoutW(tree, TVM_GETITEMW, 0, buffer.param(), SMTO_ABORTIFHUNG, 5000, &r) || !r ||
        !buffer.read(&w[0], chars * sizeof(wchar_t), sizeof item))
        return false;
    *text = w.c_str();
    return true;
}

// Sets the state bits of a list-view row (LVM_SETITEMSTATE).
inline bool RemoteListSetState(HWND list, int row, UINT state, UINT mask, UINT timeoutMs = 5000)
{
    return RemoteIs32(list) ? RemoteListSetStateAs<uint32_t>(list, row, state, mask, timeoutMs)
                            : RemoteListSetStateAs<uint64_t>(list, row, state, mask, timeoutMs);
}

// Text of one cell of a list view (which may be virtual).
inline bool RemoteListText(HWND list, int row, int sub, std::wstring *text, int chars = 1024)
{
    return RemoteIs32(list) ? RemoteListTextAs<uint32_t>(list, row, sub, text, chars)
                            : RemoteListTextAs<uint64_t>(list, row, sub, text, chars);
}

// The row whose text is the given one, or -1.
inline int RemoteListFind(HWND list, const wchar_t *text)
{
    return RemoteIs32(list) ? RemoteListFindAs<uint32_t>(list, text) : RemoteListFindAs<uint64_t>(list, text);
}

// Text of a tree-view node.
inline bool RemoteTreeText(HWND tree, HTREEITEM node, std::wstring *text)
{
    return RemoteIs32(tree) ? RemoteTreeTextAs<uint32_t>(tree, node, text)
                            : RemoteTreeTextAs<uint64_t>(tree, node, text);
}
