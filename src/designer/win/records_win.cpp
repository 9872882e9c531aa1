// The designer's control records in a page-file-backed section of this copy of the editor.
#include "designer/win/designer_win.h"

#include <cstdio>
#include <cstring>

#include "app/frame/globals.h"
#include "designer/class_table.h"
#include "designer/surface_ops.h"

DesignerState designer;

static HANDLE hCtrlSection;

/* CreateCtrlArray: the zeroed array of kMaxControls records, named per running copy. */
BOOL CreateCtrlArray()
{
    if (designer.Ctrls)
        return TRUE;
    char name[64];
    // The process id keeps two copies apart even when their instance numbers collide.
    snprintf(name, sizeof name, "CTRLS%s%u_%lu", "Sora_Editor", frame.nInstanceNo, GetCurrentProcessId());
    DWORD size = (DWORD)(sizeof(Ctrldata) * kMaxControls);
    hCtrlSection = CreateFileMappingA(INVALID_HANDLE_VALUE, NULL, PAGE_READWRITE, 0, size, name);
    if (!hCtrlSection) {
        MessageBoxA(NULL, "共有メモリの作成に失敗しました(CreateFileMapping)", "エラー", MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(hCtrlSection);
        hCtrlSection = NULL;
        MessageBoxA(NULL, "共有メモリが既に使われています", "エラー", MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    designer.Ctrls = (Ctrldata *)MapViewOfFile(hCtrlSection, FILE_MAP_ALL_ACCESS, 0, 0, size);
    if (!designer.Ctrls) {
        CloseHandle(hCtrlSection);
        hCtrlSection = NULL;
        MessageBoxA(NULL, "共有メモリの割り当てに失敗しました(MapViewOfFile)", "エラー", MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    memset(designer.Ctrls, 0, size);
    designer.Icount = 0;
    return TRUE;
}

/* FreeCtrlArray: unmaps the array and closes its section. */
void FreeCtrlArray()
{
    if (designer.Ctrls)
        UnmapViewOfFile(designer.Ctrls);
    if (hCtrlSection)
        CloseHandle(hCtrlSection);
    designer.Ctrls = NULL;
    hCtrlSection = NULL;
    designer.Icount = 0;
}

BOOL IsLiveRecord(const Ctrldata &c)
{
    return c.hwnd && IsWindow((HWND)c.hwnd);
}

static bool LiveForCompact(const Ctrldata &c)
{
    return IsLiveRecord(c) != FALSE;
}

/* CompactRecords: live records to the front ordered by top edge; the count follows. */
void CompactRecords()
{
    if (!designer.Ctrls)
        return;
    designer.Icount = CompactControls(designer.Ctrls, designer.Icount, LiveForCompact);
    designer.nSelected = -1;
}

void ResetRowCounters()
{
    for (int i = 0; i < kClassCount; i++)
        g_classInfo[i].counter = 0;
}
