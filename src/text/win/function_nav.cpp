#include "text/win/function_nav.h"

#include "app/frame/globals.h"
#include "app/frame/pane_text.h"
#include "resource_ids.h"
#include "text/function_list.h"
#include "text/win/pane_select.h"
#include "text/win/text_caps.h"
#include "app/frame/modeless_once.h"

#include <richedit.h>
#include <string>

namespace {

FunctionList listed; // the functions shown in the open list
HFONT hListFont;

// The pane's text, its functions and the caret as a byte offset.
struct PaneFunctions {
    std::string text;
    FunctionList funcs;
    size_t nCaret = 0;
    bool bBytes = false;
};

void ReadPaneFunctions(HWND pane, PaneFunctions &pf)
{
    pf.text = GetPaneText(pane);
    pf.bBytes = PaneCountsBytes(pane, pf.text);
    PanePositions map(pf.text.c_str(), pf.text.size(), pf.bBytes);
    size_t to;
    GetPaneByteSelection(pane, map, &pf.nCaret, &to);
    EnumerateFunctions(pf.text.c_str(), pf.text.size(), kMaxListedFunctions, pf.funcs);
}

/* CaretToByte: collapses the selection at a byte offset of text. */
void CaretToByte(HWND pane, PaneFunctions &pf, size_t at)
{
    PanePositions map(pf.text.c_str(), pf.text.size(), pf.bBytes);
    SelectPaneBytes(pane, map, at, at);
}

void ScrollCaretLineToTop(HWND pane)
{
    CHARRANGE cr;
    SendMessageA(pane, EM_EXGETSEL, 0, (LPARAM)&cr);
    LRESULT line = SendMessageA(pane, EM_EXLINEFROMCHAR, 0, cr.cpMin < 0 ? 0 : cr.cpMin);
    LRESULT first = SendMessageA(pane, EM_GETFIRSTVISIBLELINE, 0, 0);
    SendMessageA(pane, EM_LINESCROLL, 0, (LPARAM)(line - first));
}

/* SelectListedFunction: the chosen name selected in the main pane. */
void SelectListedFunction(HWND dlg)
{
    HWND box = GetDlgItem(dlg, IDC_LD_LIST);
    LRESULT i = SendMessageA(box, LB_GETCURSEL, 0, 0);
    if (i < 0 || (size_t)i >= listed.entries.size() || !frame.hEdit)
        return;
    const FunctionEntry &f = listed.entries[(size_t)i];
    std::string text = GetPaneText(frame.hEdit);
    PanePositions map(text.c_str(), text.size(), PaneCountsBytes(frame.hEdit, text));
    SelectPaneBytes(frame.hEdit, map, f.nOffset, f.nEnd);
    SendMessageA(frame.hEdit, EM_SCROLLCARET, 0, 0);
}

void OnInitList(HWND dlg)
{
    HWND box = GetDlgItem(dlg, IDC_LD_LIST);
    LOGFONTA lf = {};
    HFONT base = (HFONT)SendMessageA(dlg, WM_GETFONT, 0, 0);
    if (base && GetObjectA(base, sizeof lf, &lf)) {
        lf.lfWeight = 600;
        hListFont = CreateFontIndirectA(&lf);
        if (hListFont)
            SendMessageA(box, WM_SETFONT, (WPARAM)hListFont, FALSE);
    }
    listed = FunctionList();
    std::string text = frame.hEdit ? GetPaneText(frame.hEdit) : std::string();
    int n = EnumerateFunctions(text.c_str(), text.size(), kMaxListedFunctions, listed);
    for (const FunctionEntry &f : listed.entries)
        SendMessageA(box, LB_ADDSTRING, 0, (LPARAM)f.szName);
    if (listed.bCapped) { // the last line of the list says so too (it selects nothing)
        char msg[96];
        wsprintfA(msg, "関数が多いので最初の%d個だけを表示しています。", kMaxListedFunctions);
        ShowStatusMessage(msg, 5000);
        wsprintfA(msg, "※%d個で打ち切りました。以降の関数は表示されません。", kMaxListedFunctions);
        SendMessageA(box, LB_ADDSTRING, 0, (LPARAM)msg);
    } else if (n >= 0) {
        char msg[96];
        wsprintfA(msg, "%d個の関数が見つかりました。", n);
        ShowStatusMessage(msg, 5000);
    }
}

INT_PTR CALLBACK FunctionListProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        OnInitList(dlg);
        return TRUE;
    case WM_SIZE:
        MoveWindow(GetDlgItem(dlg, IDC_LD_LIST), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_LD_LIST && HIWORD(wParam) == LBN_DBLCLK)
            SelectListedFunction(dlg);
        else if (LOWORD(wParam) == IDOK && GetFocus() == GetDlgItem(dlg, IDC_LD_LIST))
            SelectListedFunction(dlg);
        else if (LOWORD(wParam) == IDCANCEL)
            DestroyWindow(dlg);
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(dlg);
        return TRUE;
    case WM_DESTROY:
        if (hListFont)
            DeleteObject(hListFont);
        hListFont = NULL;
        listed = FunctionList();
        frame.hListDlg = NULL;
        return TRUE;
    }
    return FALSE;
}

} // namespace

void ShowFunctionList(HWND mainWnd)
{
    ShowModelessOnce(&frame.hListDlg, "LISTDLG", mainWnd, FunctionListProc, "関数一覧のダイアログを作れませんでした。");
}

void NextFunction(HWND pane)
{
    PaneFunctions pf;
    ReadPaneFunctions(pane, pf);
    long next = NextFunctionOffset(pf.funcs, pf.nCaret);
    if (next >= 0) {
        CaretToByte(pane, pf, (size_t)next);
    } else {
        CHARRANGE none = {-1, -1};
        SendMessageA(pane, EM_EXSETSEL, 0, (LPARAM)&none);
    }
    ScrollCaretLineToTop(pane);
}

void FunctionTop(HWND pane)
{
    PaneFunctions pf;
    ReadPaneFunctions(pane, pf);
    CaretToByte(pane, pf, FunctionTopOffset(pf.funcs, pf.nCaret));
    SendMessageA(pane, EM_SCROLLCARET, 0, 0);
}
