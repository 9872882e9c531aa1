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
