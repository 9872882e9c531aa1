#include <cstring>
#include <string>

#include "app/frame/globals.h"
#include "app/frame/split_window.h"
#include "resource_ids.h"
#include "tools/dos_history.h"
#include "tools/dos_input.h"
#include "tools/win/dos_internal.h"
#include "tools/win/dos_process.h"

namespace {

const int kDockHeight = 150;
WNDPROC oldInputProc;
DosHistory history;

/* InputProc: the input line's keys: Enter sends the line, Up and Down
   step through the lines sent before. */
LRESULT CALLBACK InputProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_KEYDOWN && wParam == VK_RETURN) {
        OnDosInputEnter();
        return 0;
    }
    if (msg == WM_CHAR && (wParam == '\r' || wParam == '\n'))
        return 0;
    if (msg == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN)) {
        const char *line = wParam == VK_UP ? DosHistoryUp(&history) : DosHistoryDown(&history);
        if (line) {
            SetWindowTextA(hwnd, line);
            int n = GetWindowTextLengthW(hwnd);
            SendMessageA(hwnd, EM_SETSEL, n, n);
        }
        return 0;
    }
    return CallWindowProcA(oldInputProc, hwnd, msg, wParam, lParam);
}

/* OnSize: output over the input line, the two buttons at its right, the
   side list at the right edge when open. */
void OnSize(HWND hDlg, int w, int h)
{
    int L = DosSideListWidth();
    MoveWindow(GetDlgItem(hDlg, IDC_DOS_OUTPUT), 0, 0, w - L, h - 25, FALSE);
    MoveWindow(GetDlgItem(hDlg, IDC_DOS_INPUT), 0, h - 24, w - 51 - L, 24, FALSE);
    MoveWindow(GetDlgItem(hDlg, IDC_DOS_PROCESSES), w - 50 - L, h - 24, 24, 24, FALSE);
    MoveWindow(GetDlgItem(hDlg, IDC_DOS_THREADS), w - 25 - L, h - 24, 24, 24, FALSE);
    if (L)
        MoveWindow(GetDlgItem(hDlg, IDC_DOS_LIST), w - L, 0, L - 1, h, FALSE);
    InvalidateRect(hDlg, NULL, TRUE);
}

/* Dock: the DOS window becomes the bottom pane of Split0. */
void Dock(HWND hDlg)
{
    if (!frame.Split0) {
        ShowWindow(hDlg, SW_SHOW);
        return;
    }
    LONG_PTR style = GetWindowLongPtrA(frame.Split0, GWL_STYLE);
    SetWindowLongPtrA(frame.Split0, GWL_STYLE, (style & ~(LONG_PTR)SWS_FIRSTFULL) | 0x40);
    SendMessageA(frame.Split0, SWM_SETSECOND, (WPARAM)hDlg, 1);
    SendMessageA(frame.Split0, SWM_SETSECONDSIZE, kDockHeight, 0);
    ShowWindow(hDlg, SW_SHOW);
    // A split window that keeps its first pane full leaves no room: lay the
    // window over the bottom of the split window then.
    RECT rc, rcSplit;
    GetWindowRect(hDlg, &rc);
    GetWindowRect(frame.Split0, &rcSplit);
    if (rc.bottom - rc.top < 40 && rcSplit.bottom - rcSplit.top > kDockHeight)
        MoveWindow(hDlg, rcSplit.left, rcSplit.bottom - kDockHeight, rcSplit.right - rcSplit.left, kDockHeight,
                   TRUE);
}

void Undock(HWND hDlg)
{
    if (!frame.Split0 || !IsWindow(frame.Split0))
        return;
    if ((HWND)SendMessageA(frame.Split0, SWM_GETSECOND, 0, 0) == hDlg)
        SendMessageA(frame.Split0, SWM_SETSECOND, 0, 1);
    LONG_PTR style = GetWindowLongPtrA(frame.Split0, GWL_STYLE);
    SetWindowLongPtrA(frame.Split0, GWL_STYLE, (style & ~(LONG_PTR)0x40) | SWS_FIRSTFULL);
    RECT rc;
    GetClientRect(frame.Split0, &rc);
    SendMessageA(frame.Split0, WM_SIZE, SIZE_RESTORED, MAKELPARAM(rc.right, rc.bottom));
}

/* OnInitDialog: starts the interpreter behind its pipes, sends the first
   command line and docks the window. */
void OnInitDialog(HWND hDlg, const char *szFirst)
{
    frame.hStdDialog = hDlg;
    tools.pDosSession = NewDosSession(hDlg);
    ResetDosOutput();
    DosHistoryClear(&history);
    HWND output = GetDlgItem(hDlg, IDC_DOS_OUTPUT);
    HWND input = GetDlgItem(hDlg, IDC_DOS_INPUT);
    SendMessageA(output, EM_SETLIMITTEXT, 0, 0);
    SendMessageA(input, EM_SETLIMITTEXT, DOS_INPUT_LINE_MAX, 0);
    oldInputProc = (WNDPROC)SetWindowLongPtrA(input, GWLP_WNDPROC, (LONG_PTR)InputProc);
    char szWhy[512];
    if (!StartInterpreter(tools.pDosSession, szWhy, sizeof szWhy)) {
        AppendDosOutput(hDlg, szWhy, std::strlen(szWhy));
    } else {
        WriteDosCommand(szFirst ? szFirst : "");
        if (!StartDosReader(tools.pDosSession)) {
            static const char kNoReader[] = "出力を読むスレッドを開始できませんでした。DOS窓を閉じてください。\r\n";
            AppendDosOutput(hDlg, kNoReader, sizeof kNoReader - 1);
        }
    }
    if (DosSideListWidth())
        ShowWindow(GetDlgItem(hDlg, IDC_DOS_LIST), SW_SHOW);
    Dock(hDlg);
    RECT rc;
    GetClientRect(hDlg, &rc);
    OnSize(hDlg, rc.right, rc.bottom);
    SetFocus(input);
}

/* OnOutput: takes the text the reader has waiting. */
void OnOutput(HWND hDlg)
{
    DosSession *session = tools.pDosSession;
    if (!session)
        return;
    std::string text;
    EnterCriticalSection(&session->cs);
    text.swap(session->pending);
    session->bNotified = false;
    LeaveCriticalSection(&session->cs);
    SetEvent(session->hDrained);
    AppendDosOutput(hDlg, text.data(), text.size());
}

/* OnClose: ends the interpreter in order and destroys the window. */
void OnClose(HWND hDlg)
{
    EndInterpreter(hDlg, 1000, 5000,
                   "5秒経過後もDOSプロセスの開放が確認されませんでした。\r\n\r\nTerminateProcessを発行しますか？");
    DestroyWindow(hDlg);
}

void OnDestroy(HWND hDlg)
{
    KillTimer(hDlg, DOS_INPUT_TIMER);
    Undock(hDlg);
    if (tools.pDosSession) {
        InterlockedExchange(&tools.pDosSession->bClosing, 1);
        ReleaseDosSession(tools.pDosSession);
        tools.pDosSession = NULL;
    }
    ResetDosOutput();
    if (frame.hStdDialog == hDlg)
        frame.hStdDialog = NULL;
}

INT_PTR Answer(HWND hDlg, LONG_PTR value)
{
    SetWindowLongPtrA(hDlg, DWLP_MSGRESULT, value);
    return TRUE;
}

} // namespace

void RememberDosInput(const char *szLine)
{
    DosHistoryAdd(&history, szLine);
}

/* DosDialogProc: the DOS window. */
INT_PTR CALLBACK DosDialogProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        OnInitDialog(hDlg, (const char *)lParam);
        return FALSE;
    case WM_SIZE:
        OnSize(hDlg, LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        if ((HWND)lParam == GetDlgItem(hDlg, IDC_DOS_OUTPUT)) {
            SetTextColor((HDC)wParam, RGB(255, 255, 255));
            SetBkColor((HDC)wParam, RGB(0, 0, 0));
            return (INT_PTR)GetStockObject(BLACK_BRUSH);
        }
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            OnDosInputEnter();
            return TRUE;
        case IDC_DOS_PROCESSES:
            ShowDosProcessList(hDlg);
            return TRUE;
        case IDC_DOS_THREADS:
            ShowDosThreadList(hDlg, 0);
            return TRUE;
        case IDC_DOS_LIST:
            if (HIWORD(wParam) == LBN_DBLCLK)
                OnDosListDoubleClick(hDlg);
            return TRUE;
        }
        return FALSE;
    case WM_TIMER:
        if (wParam == DOS_INPUT_TIMER && FlushDosInput())
            KillTimer(hDlg, DOS_INPUT_TIMER);
        return TRUE;
    case DOSM_OUTPUT:
        OnOutput(hDlg);
        return TRUE;
    case DOSM_READER_END:
        OnOutput(hDlg);
        if (wParam)
            PostMessageA(hDlg, WM_CLOSE, 0, 0);
        return TRUE;
    case DOSM_GETTOTAL: {
        unsigned long long total = 0;
        if (tools.pDosSession) {
            EnterCriticalSection(&tools.pDosSession->cs);
            total = tools.pDosSession->nTotal;
            LeaveCriticalSection(&tools.pDosSession->cs);
        }
        return Answer(hDlg, (LONG_PTR)total);
    }
    case DOSM_GETSTATE:
        return Answer(hDlg, DosProcessRunning() ? 1 : 0);
    case WM_CLOSE:
        OnClose(hDlg);
        return TRUE;
    case WM_DESTROY:
        OnDestroy(hDlg);
        return TRUE;
    }
    return FALSE;
}
