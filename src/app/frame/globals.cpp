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

char szCurDir[CUR_DIR_SIZE];
char szModule[MODULE_SIZE];
char szSysDrive[SYS_DRIVE_SIZE];
char szSysDriveNoSlash[SYS_DRIVE_SIZE];
char szWorkDir[WORK_DIR_SIZE];
char CfgFiles[2][CFG_FILE_SIZE];
unsigned nInstanceNo;

int nLeftInset = 5 + FILE_BAR_WIDTH, nTopInset = 63, nRightInset = 2, nBottomInset = 24;
int nUserBarHeight = 28, nToolbarHeight = 26;

HFONT hComboFont, hUiGothicFont, hSmallFont, hEntryFont;
WNDPROC OldEditProc, OldEntryProc;
HMODULE hRichEditLib;
SettingsRecord settingsRecord;
FindInfo &findInfo = settingsRecord.findInfo;

BOOL bArmed, bCaptureDragging, bPosCapture, bPosChangeMode, bDesignFlag, bArmedInsert;
BOOL bBarDoubleClick;

BOOL OtherPointerModeActive(const BOOL *self)
{
    const BOOL *modes[] = {&bArmed, &bCaptureDragging, &bPosCapture, &bDesignFlag, &bArmedInsert};
    for (const BOOL *m : modes)
        if (m != self && *m)
            return TRUE;
    return FALSE;
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
 * source name and the line. These are programming errors, never user errors.
 */
void ReportAssertion(const char *condition, int line)
{
    char text[512];
    _snprintf(text, sizeof text - 1, "Assertion failed: %s\r\nfile myeditorsubcl, line %d", condition, line);
    text[sizeof text - 1] = '\0';
    MessageBoxA(hMainWnd, text, "Error", MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}
