// The designer's control records in a page-file-backed section of this copy of the editor.
#include "designer/win/designer_win.h"

#include <cstdio>
#include <cstring>

#include "app/frame/globals.h"
#include "designer/class_table.h"
#include "designer/surface_ops.h"

Ctrldata *Ctrls;
int Icount;
Dlgdata dlgData;
Dlgdata dlgDataOrg;
std::vector<Ctrldata> savedCtrls;
HWND hDesignDlg, hOptDlg, hFlagDlg, hFineDlg, hSizeBox;
int gridpixelX = 8, gridpixelY = 16;
BOOL bCustomise, bGridOn;
int nSelected = -1;

static HANDLE hCtrlSection;

/* CreateCtrlArray: the zeroed array of kMaxControls records, named per running copy. */
BOOL CreateCtrlArray()
{
    if (Ctrls)
        return TRUE;
    char name[64];
    // The process id keeps two copies apart even when their instance numbers collide.
    snprintf(name, sizeof name, "CTRLS%s%u_%lu", "Sora_Editor", nInstanceNo, GetCurrentProcessId());
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
    Ctrls = (Ctrldata *)MapViewOfFile(hCtrlSection, FILE_MAP_ALL_ACCESS, 0, 0, size);
    if (!Ctrls) {
        CloseHandle(hCtrlSection);
        hCtrlSection = NULL;
        MessageBoxA(NULL, "共有メモリの割り当てに失敗しました(MapViewOfFile)", "エラー", MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    memset(Ctrls, 0, size);
    Icount = 0;
    return TRUE;
}

/* FreeCtrlArray: unmaps the array and closes its section. */
void FreeCtrlArray()
{
    if (Ctrls)
        UnmapViewOfFile(Ctrls);
    if (hCtrlSection)
        CloseHandle(hCtrlSection);
    Ctrls = NULL;
    hCtrlSection = NULL;
    Icount = 0;
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
    if (!Ctrls)
        return;
    Icount = CompactControls(Ctrls, Icount, LiveForCompact);
    nSelected = -1;
}

void ResetRowCounters()
{
    for (int i = 0; i < kClassCount; i++)
        g_classInfo[i].counter = 0;
}
