// The main window's shared state: window handles (0 while absent), start-up
// paths, insets, fonts and pointer modes. Every handler reads these.
#pragma once
#include <windows.h>

#include "app/startup_core.h"
#include "settings/settings_record.h"

extern HINSTANCE hInst;
extern HWND hMainWnd;

// Panes and bars
extern HWND hEdit, hSubEdit1, hCurEdit;
extern HWND hEditEntry, hStatus, hLineStatic, hLineJumpEdit;
extern HWND hToolbar, hFindRebar, hFindToolbar;
extern HWND hRebarBase, hRebar, hFileRebarBase, hFileRebar;
extern HWND hFileTree, hCmdLineDlg, hCmdCombo;
extern HWND hPageButton, hFilesButton, hSwitchCheck;
extern HWND Split0, Split1, Split2, Split3, Split4;

// Modeless dialogs and side windows, each open at most once
extern HWND hMakeDlgD, hMakeDlgS, hMakeDlgM, hListDlg, hListDlg2, hEnumResDlg;
extern HWND hMakefileDlg, hWebSearchDlg, hBinViewer, hCaptureWnd, hStdDialog;

// Start-up paths
extern char szCurDir[CUR_DIR_SIZE];
extern char szModule[MODULE_SIZE];
extern char szSysDrive[SYS_DRIVE_SIZE];
extern char szSysDriveNoSlash[SYS_DRIVE_SIZE];
extern char szWorkDir[WORK_DIR_SIZE];
extern char CfgFiles[2][CFG_FILE_SIZE];
extern unsigned nInstanceNo;

// Client insets of the main window and bar heights
extern int nLeftInset, nTopInset, nRightInset, nBottomInset;
extern int nUserBarHeight, nToolbarHeight;
enum { FILE_BAR_WIDTH = 64 };

// Fonts made at creation and deleted at destruction
extern HFONT hComboFont, hUiGothicFont, hSmallFont, hEntryFont;

// Window procedures replaced by subclassing, restored at the close
extern WNDPROC OldEditProc, OldEntryProc;

extern HMODULE hRichEditLib;

// The settings record (loaded at creation, written at the close). The find
// bar's search mode (findInfo.btCurmode: 0 normal, 1 variable, 2 pattern)
// and the bar-state words are fields of it, known by their own names.
extern SettingsRecord settingsRecord;
extern FindInfo &findInfo;

// Pointer modes: at most one is set at a time
extern BOOL bArmed, bCaptureDragging, bPosCapture, bPosChangeMode, bDesignFlag, bArmedInsert;
extern BOOL bBarDoubleClick;
// True when a pointer mode other than *self is set.
BOOL OtherPointerModeActive(const BOOL *self);

// Bar-state words: 0 command line, 1 toolbar, 2 file list, 3 find bar, 4 user buttons
extern uint32_t (&dwBarStates)[BAR_STATE_COUNT];

// Status bar part 0 message with its clearing timer (150)
void ShowStatusMessage(const char *text, UINT clearAfterMs);

// Internal consistency checks: report the condition in the code's own words.
void ReportAssertion(const char *condition, int line);
#define SORA_ASSERT(cond) do { if (!(cond)) ReportAssertion(#cond, __LINE__); } while (0)
