#include "app/frame/busy_guard.h"
#include "app/frame/globals.h"
#include "app/shell/mainwnd.h"
#include "app/frame/bars.h"
#include "app/shell/pane_switch.h"
#include "app/frame/panes.h"
#include "app/shell/command_owners.h"
#include "app/shell/keys.h"
#include "common/cp932.h"
#include "filelist/win/recovery.h"
#include "resource_ids.h"

#include <richedit.h>
#include <shellapi.h>
#include <cstdio>

/* CaretTo: puts the caret of the current pane at its start or its end. */
static void CaretTo(BOOL end)
{
    LONG pos = 0;
    if (end) {
        GETTEXTLENGTHEX gtl = {GTL_DEFAULT, CP_ACP};
        pos = (LONG)SendMessageA(frame.hCurEdit, EM_GETTEXTLENGTHEX, (WPARAM)&gtl, 0);
    }
    CHARRANGE cr = {pos, pos};
    SendMessageA(frame.hCurEdit, EM_EXSETSEL, 0, (LPARAM)&cr);
    SendMessageA(frame.hCurEdit, EM_SCROLLCARET, 0, 0);
}

/* FocusFindAtEnd: the find entry takes the focus with the caret at its end. */
static void FocusFindAtEnd()
{
    SetFocus(frame.hEditEntry);
    int len = GetWindowTextLengthA(frame.hEditEntry);
    SendMessageA(frame.hEditEntry, EM_SETSEL, len, len);
    SendMessageA(frame.hEditEntry, EM_SCROLLCARET, 0, 0);
}

/*
 * CopySelectionToFind: the selection of the current pane, at most 255 bytes
 * cut on a character boundary, into the find entry, which takes the focus.
 * Returns FALSE, doing nothing, when the selection is empty.
 */
static BOOL CopySelectionToFind()
{
    CHARRANGE cr;
    SendMessageA(frame.hCurEdit, EM_EXGETSEL, 0, (LPARAM)&cr);
    if (cr.cpMax <= cr.cpMin)
        return FALSE;
    enum { LIMIT = 255 };
    if (cr.cpMax - cr.cpMin > LIMIT)
        cr.cpMax = cr.cpMin + LIMIT;
    char text[2 * LIMIT + 2] = "";
    TEXTRANGEA range = {cr, text};
    LRESULT got = SendMessageA(frame.hCurEdit, EM_GETTEXTRANGE, 0, (LPARAM)&range);
    size_t keep = cp932::CutOnCharBoundary(text, got > 0 ? (size_t)got : 0, LIMIT);
    text[keep] = '\0';
    SetWindowTextA(frame.hEditEntry, text);
    FocusFindAtEnd();
    return TRUE;
}

/*
 * FocusFindEntry (Ctrl+F): the find entry takes the focus, with the
 * selection of the current pane put into it when there is one. The caret
 * goes to the end and nothing of the entry stays selected (Enter on a
 * selected part would delete it instead of searching).
 */
void FocusFindEntry()
{
    if (!frame.hEditEntry || !IsWindowVisible(frame.hEditEntry) || !IsWindowEnabled(frame.hEditEntry))
        return;
    if (!CopySelectionToFind())
        FocusFindAtEnd();
}

// WrapComment: an opening comment mark before the selection, a closing one after it.
static void WrapComment()
{
    CHARRANGE cr;
    SendMessageA(frame.hCurEdit, EM_EXGETSEL, 0, (LPARAM)&cr);
    CHARRANGE at = {cr.cpMin, cr.cpMin};
    SendMessageA(frame.hCurEdit, EM_EXSETSEL, 0, (LPARAM)&at);
    SendMessageA(frame.hCurEdit, EM_REPLACESEL, TRUE, (LPARAM)"/* ");
    at.cpMin = at.cpMax = cr.cpMax + 3;
    SendMessageA(frame.hCurEdit, EM_EXSETSEL, 0, (LPARAM)&at);
    SendMessageA(frame.hCurEdit, EM_REPLACESEL, TRUE, (LPARAM)" */");
}

/* InsertSkeleton: a skeleton from the string table at the end of the main pane. */
static void InsertSkeleton(UINT id)
{
    if (frame.hCurEdit != frame.hEdit) {
        MessageBoxA(frame.hMainWnd, "メインエディット画面に移ってからもう一度試してください。", "OK", MB_OK);
        return;
    }
    const char *question = id == IDM_SKELETON16
        ? "エディット部に16ビットアプリケーション用スケルトンソースを出力します。よろしいですか？"
        : "エディット部にHTML用スケルトンソースを出力します。よろしいですか？";
    if (MessageBoxA(frame.hMainWnd, question, "確認", MB_YESNOCANCEL | MB_ICONQUESTION | MB_TASKMODAL) != IDYES)
        return;
    char text[1024] = "";
    LoadStringA(frame.hInst, id == IDM_SKELETON16 ? IDS_SKELETON16 : IDS_SKELETONHTML, text, sizeof text);
    CaretTo(TRUE);
    SendMessageA(frame.hEdit, EM_REPLACESEL, TRUE, (LPARAM)text);
}

static void ShellOpen(const char *file, const char *params, const char *folder, int show)
{
    ShellExecuteA(frame.hMainWnd, "open", file, params, folder, show);
}

/*
 * IsNoticeWhileBusy: what may reach the command table during a long
 * operation: the file list's reports of its own changes (which the
 * operation itself sends) and change notices of controls. Everything else
 * would start work on a pane.
 */
static BOOL IsNoticeWhileBusy(UINT id, UINT code, LPARAM lParam)
{
    if (id >= IDM_FILEADD && id <= IDM_TREETARGET)
        return TRUE;
    return lParam && code >= 0x100 && id != IDM_ENTER;
}

/* FrameCommand: the commands that the frame serves itself. */
static BOOL FrameCommand(HWND hwnd, UINT id, UINT code, LPARAM lParam)
{
    (void)lParam;
    switch (id) {
    case IDM_EXIT:          PostMessageA(hwnd, WM_CLOSE, 0, 0); break;
    case IDM_VERSION:       ShowVersionDialog(hwnd); break;
    case IDM_CMDLINEBAR: {
        HMENU menu = GetMenu(hwnd);
        UINT state = GetMenuState(menu, IDM_CMDLINEBAR, MF_BYCOMMAND);
        CheckMenuItem(menu, IDM_CMDLINEBAR, MF_BYCOMMAND | ((state & MF_CHECKED) ? MF_UNCHECKED : MF_CHECKED));
        ToggleCommandBar();
        break;
    }
    case IDM_POSCAPTURE:
        if (SetPointerMode(POINTER_POS_CAPTURE) || frame.pointerMode == POINTER_POS_CHANGE)
            SetCursor(LoadCursorA(frame.hInst, "JUMPCURSOR"));
        break;
    case IDM_ARMINSERT:
        if (!SetPointerMode(POINTER_ARMED_INSERT))
            break;
        SetCursor(LoadCursorA(frame.hInst, "INSERTCURSOR"));
        SetFocus(frame.hCurEdit);
        break;
    case IDM_DESKTOP:       ShellOpen("control.exe", "desk.cpl,,2", NULL, SW_SHOWNOACTIVATE); break;
    case IDM_CARETEND:      CaretTo(TRUE); break;
    case IDM_CARETSTART:    CaretTo(FALSE); break;
    case IDM_CANTCOMPILE: {
        char help[CUR_DIR_SIZE + 32];
        _snprintf(help, sizeof help - 1, "%ssora_CantCompile.hlp", frame.startupPaths.szCurDir);
        help[sizeof help - 1] = '\0';
        ShellOpen(help, NULL, NULL, SW_SHOWNOACTIVATE);
        break;
    }
    case IDM_SKELETON16:
    case IDM_SKELETONHTML:  InsertSkeleton(id); break;
    case IDM_DOSWINDOW:     ShellOpen("COMMAND.COM", NULL, frame.startupPaths.szSysDrive, SW_SHOWNORMAL); break;
    case IDM_MODE_NORMAL:   frame.findInfo.btCurmode = 0; break;
    case IDM_MODE_VARIABLE: frame.findInfo.btCurmode = 1; break;
    case IDM_MODE_PATTERN:  frame.findInfo.btCurmode = 2; break;
    case IDM_UNDO:          SendMessageA(frame.hCurEdit, EM_UNDO, 0, 0); break;
    case IDM_CUT:           SendMessageA(frame.hCurEdit, WM_CUT, 0, 0); break;
    case IDM_COPY:          SendMessageA(frame.hCurEdit, WM_COPY, 0, 0); break;
    case IDM_PASTE:         SendMessageA(frame.hCurEdit, WM_PASTE, 0, 0); break;
    case IDM_CLEAR:         SendMessageA(frame.hCurEdit, WM_CLEAR, 0, 0); break;
    case IDM_SELECTALL: {
        CHARRANGE all = {0, -1};
        SendMessageA(frame.hCurEdit, EM_EXSETSEL, 0, (LPARAM)&all);
        break;
    }
    case IDM_COPYTOFIND:    CopySelectionToFind(); break;
    case IDM_FONT:          ChoosePaneFont(frame.hCurEdit); break;
    case IDM_BKCOLOR:       ChoosePaneColour(frame.hCurEdit); break;
    case IDM_FONTREPAIR:    RepairPaneFont(frame.hCurEdit); break;
    case IDM_PANESWITCH:    SwitchPane(hwnd); break;
    case IDM_WRAPCOMMENT:   WrapComment(); break;
    case IDM_FOCUSFIND:     FocusFindEntry(); break;
    case IDM_FINDNEXT:      StepFindEntry(TRUE); break;
    case IDM_FINDPREV:      StepFindEntry(FALSE); break;
    case IDM_LINEJUMP:      FocusLineJump(); break;
    case IDC_LINESTATIC:
        if (code == STN_DBLCLK)
            OnLineStaticDoubleClick();
        break;
    case IDM_ENTER:
        if (code == IDC_FINDENTRY)
            OnFindEnter();
        else if (code == IDC_LINEJUMP)
            OnLineJumpEnter();
        break;
    default:
        return FALSE;
    }
    return TRUE;
}

static const CommandRange kFrameIds[] = {
    COMMAND_ID(IDM_EXIT),          COMMAND_ID(IDM_VERSION),       COMMAND_ID(IDM_CMDLINEBAR),
    COMMAND_ID(IDM_POSCAPTURE),    COMMAND_ID(IDM_ARMINSERT),     COMMAND_ID(IDM_DESKTOP),
    COMMAND_ID(IDM_CARETEND),      COMMAND_ID(IDM_CARETSTART),    COMMAND_ID(IDM_CANTCOMPILE),
    COMMAND_ID(IDM_SKELETON16),    COMMAND_ID(IDM_SKELETONHTML),  COMMAND_ID(IDM_DOSWINDOW),
    {IDM_MODE_NORMAL, IDM_MODE_PATTERN},
    {IDM_UNDO, IDM_COPYTOFIND},    COMMAND_ID(IDM_FONT),          COMMAND_ID(IDM_BKCOLOR),
    COMMAND_ID(IDM_FONTREPAIR),    COMMAND_ID(IDM_PANESWITCH),    COMMAND_ID(IDM_WRAPCOMMENT),
    {IDM_FOCUSFIND, IDM_LINEJUMP}, COMMAND_ID(IDC_LINESTATIC),    COMMAND_ID(IDM_ENTER)};
const CommandOwner frameCommands = {"frame", FrameCommand, COMMAND_IDS(kFrameIds)};

/*
 * OnMainCommand: the command table of the main window. Each id goes to the
 * one handler whose table holds it; an id that none holds has no effect.
 */
void OnMainCommand(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    UINT id = LOWORD(wParam);
    UINT code = HIWORD(wParam);
    // Change and update notifications of the panes have no command; they
    // also come while a pane is hidden for loading.
    if (lParam && ((HWND)lParam == frame.hEdit || (HWND)lParam == frame.hSubEdit1)) {
        if (code == EN_CHANGE)
            NoteRecoveryPaneChange((HWND)lParam);
        return;
    }
    // One long operation at a time: the others are refused with a beep.
    if (IsBusy() && !IsNoticeWhileBusy(id, code, lParam)) {
        RefuseWhileBusy();
        return;
    }
    if (IsKeyCommand(code, lParam) && !KeyCommandAllowed(hwnd, id))
        return;
    frame.hCurEdit = GetCurrentEdit(hwnd);
    if (const CommandOwner *owner = CommandOwnerOf(id))
        owner->handler(hwnd, id, code, lParam);
}
