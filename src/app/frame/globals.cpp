#include "app/frame/globals.h"

#include <commctrl.h>
#include <cstdio>

HINSTANCE hInst;
HWND hMainWnd;

HWND hEdit, hSubEdit1, hCurEdit;
HWND hEditEntry, hStatus, hLineStatic, hLineJumpEdit;
HWND hToolbar, hFindRebar, hFindToolbar;
HWND hRebarBase, hRebar, hFileRebarBase, hFileRebar;
HWND hFileTree, hCmdLineDlg, hCmdCombo;
HWND hPageButton, hFilesButton, hSwitchCheck;
HWND Split0, Split1, Split2, Split3, Split4;

HWND hMakeDlgD, hMakeDlgS, hMakeDlgM, hListDlg, hListDlg2, hEnumResDlg;
HWND hMakefileDlg, hWebSearchDlg, hBinViewer, hCaptureWnd, hStdDialog;

StartupPaths startupPaths;
unsigned nInstanceNo;

int nLeftInset = 5 + FILE_BAR_WIDTH, nTopInset = 63, nRightInset = 2, nBottomInset = 24;
int nUserBarHeight = 28, nToolbarHeight = 26;

HFONT hComboFont, hUiGothicFont, hSmallFont, hEntryFont;
WNDPROC OldEditProc, OldEntryProc;
HMODULE hRichEditLib;
SettingsRecord settingsRecord;
FindInfo &findInfo = settingsRecord.findInfo;

PointerMode pointerMode = POINTER_NONE;
BOOL bBarDoubleClick;

/* SetPointerMode: the one setter of the pointer mode, at most one at a time. */
BOOL SetPointerMode(PointerMode mode)
{
    BOOL follows = mode == POINTER_NONE || pointerMode == POINTER_NONE || pointerMode == mode ||
                   (pointerMode == POINTER_ARMED && mode == POINTER_CAPTURE_DRAGGING) ||
                   (pointerMode == POINTER_POS_CAPTURE && mode == POINTER_POS_CHANGE);
    if (!follows)
        return FALSE;
    pointerMode = mode;
    return TRUE;
}

void LeavePointerMode(PointerMode mode)
{
    if (pointerMode == mode)
        pointerMode = POINTER_NONE;
}
uint32_t (&dwBarStates)[BAR_STATE_COUNT] = settingsRecord.dwBarStates;

/*
 * ShowStatusMessage: writes a message into part 0 of the status bar and
 * has timer 150 clear it again after the given time.
 */
void ShowStatusMessage(const char *text, UINT clearAfterMs)
{
    if (!hStatus)
        return;
    SendMessageA(hStatus, SB_SETTEXTA, 0, (LPARAM)text);
    SetTimer(hMainWnd, 150, clearAfterMs, NULL);
}

/*
 * ReportAssertion: shows a failed internal check with its condition, the
 * source file's name (without its folders) and the line. These are
 * programming errors, never user errors.
 */
void ReportAssertion(const char *condition, const char *file, int line)
{
    const char *name = file;
    for (const char *p = file; *p; ++p)
        if (*p == '/' || *p == '\\')
            name = p + 1;
    char text[512];
    _snprintf(text, sizeof text - 1, "Assertion failed: %s\r\nfile %s, line %d", condition, name, line);
    text[sizeof text - 1] = '\0';
    MessageBoxA(hMainWnd, text, "Error", MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}
