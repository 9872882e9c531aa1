#include "app/frame/globals.h"
#include "app/frame/bars.h"
#include "resource_ids.h"

#include <shellapi.h>

static const char *const COMMAND_LIST[8] = {
    "command.com",
    "make -fmakefile",
    "notepad.exe",
    "clipbrd.exe",
    "C:\\program files\\accessories\\mspaint.exe",
    "explorer.exe",
    "kodakimg.exe",
    "C:\\program files\\common files\\microsoft shared\\photoed\\photoed.exe",
};

void FillCommandList()
{
    for (const char *entry : COMMAND_LIST)
        SendMessageA(frame.hCmdCombo, CB_ADDSTRING, 0, (LPARAM)entry);
}

/* PlaceCommandBar: puts the bar under the main window when the screen has
   room there, else inside it just above the status bar, so that it never
   covers the menu. */
static void PlaceCommandBar()
{
    RECT main, bar, status = {};
    MONITORINFO mi = {};
    mi.cbSize = sizeof mi;
    if (!GetWindowRect(frame.hMainWnd, &main) || !GetWindowRect(frame.hCmdLineDlg, &bar) ||
        !GetMonitorInfoA(MonitorFromWindow(frame.hMainWnd, MONITOR_DEFAULTTONEAREST), &mi))
        return;
    int nHeight = bar.bottom - bar.top;
    int y = main.bottom;
    if (y + nHeight > mi.rcWork.bottom) {
        GetWindowRect(frame.hStatus, &status);
        y = (status.top > main.top ? status.top : main.bottom) - nHeight;
    }
    SetWindowPos(frame.hCmdLineDlg, NULL, main.left, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

/* ShowCommandBar: shows the command-line bar, placed on its first showing. */
void ShowCommandBar()
{
    static bool bPlaced = false;
    if (!bPlaced) {
        PlaceCommandBar();
        bPlaced = true;
    }
    ShowWindow(frame.hCmdLineDlg, SW_SHOW);
}

/* ToggleCommandBar: shows or hides the command-line bar (bar-state word 0). */
void ToggleCommandBar()
{
    if (IsWindowVisible(frame.hCmdLineDlg)) {
        ShowWindow(frame.hCmdLineDlg, SW_HIDE);
        frame.dwBarStates[0] &= ~BAR_SHOWN;
    } else {
        ShowCommandBar();
        frame.dwBarStates[0] |= BAR_SHOWN;
    }
}

static BOOL RunCommandLine(const char *line)
{
    return (INT_PTR)ShellExecuteA(frame.hMainWnd, "open", line, NULL, frame.startupPaths.szCurDir, SW_SHOWNORMAL) > 32;
}

/* RunTypedCommand: Enter in the bar's field runs its text and remembers it. */
static void RunTypedCommand(HWND dlg)
{
    char line[257] = "";
    GetDlgItemTextA(dlg, IDC_CMDCOMBO, line, sizeof line);
    SetDlgItemTextA(dlg, IDC_CMDCOMBO, "");
    if (!line[0])
        return;
    if (RunCommandLine(line) &&
        SendMessageA(frame.hCmdCombo, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)line) == CB_ERR)
        SendMessageA(frame.hCmdCombo, CB_INSERTSTRING, 0, (LPARAM)line);
}

/*
 * CmdLineDlgProc: the command-line bar (mode 3) and the two small entry
 * dialogs that share it (modes 1 and 2).
 */
INT_PTR CALLBACK CmdLineDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dlg, DWLP_USER, lParam);
        return TRUE;
    case WM_COMMAND: {
        LONG_PTR mode = GetWindowLongPtrA(dlg, DWLP_USER);
        UINT id = LOWORD(wParam), code = HIWORD(wParam);
        if (mode == 3) {
            if (id == IDC_CMDCOMBO && code == CBN_SELENDOK) {
                char line[257] = "";
                LRESULT sel = SendMessageA(frame.hCmdCombo, CB_GETCURSEL, 0, 0);
                if (sel != CB_ERR && SendMessageA(frame.hCmdCombo, CB_GETLBTEXTLEN, sel, 0) < (LRESULT)sizeof line) {
                    SendMessageA(frame.hCmdCombo, CB_GETLBTEXT, sel, (LPARAM)line);
                    RunCommandLine(line);
                }
            } else if (id == IDC_CMDCOMBO && code == CBN_KILLFOCUS) {
                SetDlgItemTextA(dlg, IDC_CMDCOMBO, "");
            } else if (id == IDM_ENTER && code == IDC_CMDCOMBO) {
                RunTypedCommand(dlg);
            } else if (id == IDCANCEL) {
                ShowWindow(dlg, SW_HIDE);
                CheckMenuItem(GetMenu(frame.hMainWnd), IDM_CMDLINEBAR, MF_BYCOMMAND | MF_UNCHECKED);
                frame.dwBarStates[0] &= ~BAR_SHOWN;
            }
            return TRUE;
        }
        if (id == IDOK && mode == 1) {
            SendMessageA(GetWindow(dlg, GW_OWNER), WM_COMMAND, IDM_ENTER, (LPARAM)dlg);
            EndDialog(dlg, 1);
        } else if (id == IDOK && mode == 2) {
            char text[257] = "";
            GetDlgItemTextA(dlg, IDC_ENTRYTEXT, text, sizeof text);
            if (text[0])
                SendMessageA(GetWindow(dlg, GW_OWNER), WM_COMMAND, IDM_ENTRYDONE, (LPARAM)text);
            EndDialog(dlg, 16);
        } else if (id == IDCANCEL) {
            EndDialog(dlg, 16);
        }
        return TRUE;
    }
    case WM_CLOSE:
        if (GetWindowLongPtrA(dlg, DWLP_USER) == 3)
            SendMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
        else
            EndDialog(dlg, 16);
        return TRUE;
    }
    return FALSE;
}
