// sora-driver: drives a running Sora Editor from outside, step by step, for
// the end-to-end tests. Each argument group is one step; the first failing
// step ends the run with exit code 1. Every step prints "ok ..." or
// "FAIL ...". Texts are compared in CP932 after reading them as UTF-16
// (the ANSI forms do not cross process boundaries reliably).
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "common/test_hooks.h"
#include "remote.h"

// A property name of common/test_hooks.h as the wide string GetPropW takes.
#define WIDE_PROP(name) (L"" name)

static PROCESS_INFORMATION editor;   // the copy started by "launch"
static HWND mainWnd;

static std::string ToCp932(const std::wstring &w)
{
    if (w.empty())
        return std::string();
    int n = WideCharToMultiByte(932, 0, w.c_str(), (int)w.size(), NULL, 0, NULL, NULL);
    std::string s(n, '\0');
    WideCharToMultiByte(932, 0, w.c_str(), (int)w.size(), &s[0], n, NULL, NULL);
    return s;
}

static std::wstring LinuxToWindowsPath(const std::wstring &path)
{
    if (path.empty() || path[0] != L'/')
        return path;
    std::wstring w = L"Z:" + path;
    for (wchar_t &c : w)
        if (c == L'/')
            c = L'\\';
    return w;
}

static bool Fail(const char *step, const std::string &why)
{
    std::printf("FAIL %s: %s\n", step, why.c_str());
    std::fflush(stdout);
    return false;
}

static bool Ok(const char *step, const std::string &what = std::string())
{
    std::printf("ok %s%s%s\n", step, what.empty() ? "" : " ", what.c_str());
    std::fflush(stdout);
    return true;
}

static std::wstring WindowTextW(HWND hwnd)
{
    DWORD_PTR len = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &len))
        return std::wstring();
    std::wstring w(len + 1, L'\0');
    DWORD_PTR got = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, len + 1, (LPARAM)&w[0], SMTO_ABORTIFHUNG, 20000, &got);
    w.resize(got);
    return w;
}

static std::wstring ClassOf(HWND hwnd)
{
    wchar_t cls[128] = L"";
    GetClassNameW(hwnd, cls, 128);
    return cls;
}

struct FindTop { DWORD pid; std::wstring title; std::wstring cls; HWND found; bool visibleOnly; };

static BOOL CALLBACK FindTopProc(HWND hwnd, LPARAM lp)
{
    FindTop *f = (FindTop *)lp;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (f->pid && pid != f->pid)
        return TRUE;
    if (f->visibleOnly && !IsWindowVisible(hwnd))
        return TRUE;
    if (!f->cls.empty() && ClassOf(hwnd) != f->cls)
        return TRUE;
    if (!f->title.empty() && WindowTextW(hwnd) != f->title)
        return TRUE;
    f->found = hwnd;
    return FALSE;
}

static HWND WaitTop(const std::wstring &cls, const std::wstring &title, DWORD pid, int timeoutMs)
{
    for (int waited = 0; waited <= timeoutMs; waited += 50) {
        FindTop f = {pid, title, cls, NULL, true};
        EnumWindows(FindTopProc, (LPARAM)&f);
        if (f.found)
            return f.found;
        Sleep(50);
    }
    return NULL;
}

struct FindChild { int id; HWND found; };

static BOOL CALLBACK FindChildProc(HWND hwnd, LPARAM lp)
{
    FindChild *f = (FindChild *)lp;
    if (GetDlgCtrlID(hwnd) == f->id) {
        f->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// A control of the main window by id, searched through every descendant
// and through the main window's owned pop-ups (the bars float as those).
static HWND Control(int id)
{
    FindChild f = {id, NULL};
    EnumChildWindows(mainWnd, FindChildProc, (LPARAM)&f);
    return f.found;
}

#include "answer_watch.h"

struct DialogScan { DWORD pid; const std::vector<HWND> *keep; std::vector<HWND> *list; };

static BOOL CALLBACK DialogScanProc(HWND hwnd, LPARAM lp)
{
    DialogScan *scan = (DialogScan *)lp;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != scan->pid || !IsWindowVisible(hwnd) || ClassOf(hwnd) != L"#32770")
        return TRUE;
    if (scan->keep)
        for (HWND k : *scan->keep)
            if (k == hwnd)
                return TRUE;
    scan->list->push_back(hwnd);
    return TRUE;
}

// The visible dialog boxes (class #32770) of the editor, less those in keep.
static std::vector<HWND> VisibleDialogs(const std::vector<HWND> *keep = NULL)
{
    std::vector<HWND> list;
    DialogScan scan = {editor.dwProcessId, keep, &list};
    EnumWindows(DialogScanProc, (LPARAM)&scan);
    return list;
}

// Answers every new dialog box with No, Cancel or OK (or closes it), until
// none is left; returns how many it answered.
static int CloseDialogs(const std::vector<HWND> &keep)
{
    int closed = 0;
    for (int round = 0; round < 20; ++round) {
        std::vector<HWND> open = VisibleDialogs(&keep);
        if (open.empty())
            return closed;
        HWND dialog = open[0];
        HWND button = GetDlgItem(dialog, IDNO);
        if (!button) button = GetDlgItem(dialog, IDCANCEL);
        if (!button) button = GetDlgItem(dialog, IDOK);
        if (button)
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), (LPARAM)button);
        else
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        ++closed;
        Sleep(200);
    }
    return closed;
}

static int ToInt(const wchar_t *s) { return (int)std::wcstol(s, NULL, 0); }

#include "steps.inc"

int wmain(int argc, wchar_t **argv)
{
    int i = 1;
    while (i < argc) {
        int used = RunStep(argc - i, argv + i);
        if (used <= 0)
            return 1;
        i += used;
    }
    return 0;
}
