// The main window's shared state, one FrameState frame: window handles
// (0 while absent), start-up paths, insets, fonts, pane colours, the
// settings record and the pointer mode. Every handler reads these.
#pragma once
#include <windows.h>

#include "app/startup_core.h"
#include "settings/settings_record.h"

// Pointer modes of the main window: at most one at a time.
enum PointerMode {
    POINTER_NONE,
    POINTER_ARMED,            // bArmed: the mouse captured by the main window's own area or the screen capture
    POINTER_CAPTURE_DRAGGING, // bCaptureDragging: the capture's rectangle being dragged (still armed)
    POINTER_POS_CAPTURE,      // bPosCapture: a click in a pane makes a position button
    POINTER_POS_CHANGE,       // bPosCapture with bPosChangeMode: ... moves the remembered button's position
    POINTER_DESIGN,           // bDesignFlag: the design surface's
    POINTER_ARMED_INSERT      // bArmedInsert: a click in a pane inserts the remembered button's text
};

enum { FILE_BAR_WIDTH = 64 };

struct FrameState {
    HINSTANCE hInst;
    HWND hMainWnd;

    // Panes and bars
    HWND hEdit, hSubEdit1, hCurEdit;
    HWND hEditEntry, hStatus, hLineStatic, hLineJumpEdit;
    HWND hToolbar, hFindRebar, hFindToolbar;
    HWND hRebarBase, hRebar, hFileRebarBase, hFileRebar;
    HWND hFileTree, hCmdLineDlg, hCmdCombo;
    HWND hPageButton, hFilesButton, hSwitchCheck;
    HWND Split0, Split1, Split2, Split3, Split4;

    // Modeless dialogs and side windows, each open at most once
    HWND hMakeDlgD, hMakeDlgS, hMakeDlgM, hListDlg, hListDlg2, hEnumResDlg;
    HWND hMakefileDlg, hWebSearchDlg, hBinViewer, hCaptureWnd, hStdDialog;

    // Start-up paths (szCurDir, szModule, szSysDrive, szWorkDir, CfgFiles, ...): set once at start-up
    StartupPaths startupPaths;
    unsigned nInstanceNo;

    // Client insets of the main window and bar heights
    int nLeftInset = 5 + FILE_BAR_WIDTH, nTopInset = 63, nRightInset = 2, nBottomInset = 24;
    int nUserBarHeight = 28, nToolbarHeight = 26;

    // Fonts made at creation and deleted at destruction
    HFONT hComboFont, hUiGothicFont, hSmallFont, hEntryFont;

    // Window procedures replaced by subclassing, restored at the close
    WNDPROC OldEditProc, OldEntryProc;

    HMODULE hRichEditLib;

    // Background colours: the last one chosen, and the main and resource
    // panes' own (the settings keep the panes' colours).
    COLORREF crLastChosen = RGB(255, 255, 255), crMainPane = RGB(255, 255, 255), crRcPane = RGB(255, 255, 255);

    // The settings record (loaded at creation, written at the close). The
    // find bar's search mode (findInfo.btCurmode: 0 normal, 1 variable, 2
    // pattern) and the bar-state words (0 command line, 1 toolbar, 2 file
    // list, 3 find bar, 4 user buttons) are fields of it, known by their
    // own names.
    SettingsRecord settingsRecord;
    FindInfo &findInfo = settingsRecord.findInfo;
    uint32_t (&dwBarStates)[BAR_STATE_COUNT] = settingsRecord.dwBarStates;

    PointerMode pointerMode = POINTER_NONE;
    BOOL bBarDoubleClick;

    FrameState() = default;
    FrameState(const FrameState &) = delete;
    FrameState &operator=(const FrameState &) = delete;
};
extern FrameState frame;

// Enters the mode unless another one is active; an armed capture may go
// on to its drag and position capture to its change mode. POINTER_NONE
// always ends the mode. FALSE when refused.
BOOL SetPointerMode(PointerMode mode);
// Ends the mode when it is the one active.
void LeavePointerMode(PointerMode mode);
// Armed, by the main window's own area or the screen capture (also while dragging).
inline BOOL IsArmed() { return frame.pointerMode == POINTER_ARMED || frame.pointerMode == POINTER_CAPTURE_DRAGGING; }
// Position capture, with or without its change mode.
inline BOOL IsPosCapture()
{
    return frame.pointerMode == POINTER_POS_CAPTURE || frame.pointerMode == POINTER_POS_CHANGE;
}

// Status bar part 0 message with its clearing timer (150)
void ShowStatusMessage(const char *text, UINT clearAfterMs);

// The main window's title while it shows no document.
extern const char MAIN_WINDOW_TITLE[];

// Internal consistency checks: report the condition in the code's own words
// with the source file and line of the check.
void ReportAssertion(const char *condition, const char *file, int line);
#define SORA_ASSERT(cond) do { if (!(cond)) ReportAssertion(#cond, __FILE__, __LINE__); } while (0)
