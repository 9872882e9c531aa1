#include "filelist/win/page_exchange.h"

#include "app/frame/globals.h"
#include "filelist/win/file_list_win.h"
#include "resource_ids.h"

// The dialog is modal; its state lives while it is shown.
struct PageExchangeState {
    const PageExchangeSource *source;
    int nShownCount;
    HFONT hOldFont;
};

static void SetLine(HWND dlg, int id, const char *szFormat, int n)
{
    char szText[128];
    wsprintfA(szText, szFormat, n);
    SetDlgItemTextA(dlg, id, szText);
}

/* Refresh: the lines, the page button texts and which controls can be used. */
static void Refresh(HWND dlg, PageExchangeState &st)
{
    const PageExchangeSource &src = *st.source;
    int idx = src.pageIndex();
    int count = src.countPages();
    SetLine(dlg, IDC_PGX_POSITION, "現在表示されているのは %-dページ目 です。", idx + 1);
    SetLine(dlg, IDC_PGX_PAGE, src.szButtonFormat, idx + 1);
    if (src.afterChange)
        src.afterChange();
    // The pages that can be typed, and the empty page after them while it is on show.
    int shown = idx + 1 > count ? idx + 1 : count;
    if (shown != st.nShownCount) {
        st.nShownCount = shown;
        SetLine(dlg, IDC_PGX_COUNT, "現在ページの数は %-d です。", shown);
    }
    BOOL bUsable = idx >= 0 && idx < count - 1;
    if (idx == count)
        bUsable = FALSE;
    EnableWindow(GetDlgItem(dlg, IDC_PGX_NUMBER), bUsable || idx == count - 1);
    EnableWindow(GetDlgItem(dlg, IDC_PGX_PREV), idx > 0 && idx < count);
    EnableWindow(GetDlgItem(dlg, IDC_PGX_NEXT), bUsable);
}

/* OnOk: moves the page on show to the typed page number. */
static void OnOk(HWND dlg, PageExchangeState &st)
{
    BOOL bNumber = FALSE;
    int n = (int)GetDlgItemInt(dlg, IDC_PGX_NUMBER, &bNumber, TRUE);
    int count = st.source->countPages();
    if (!bNumber || n < 1 || n > count) {
        MessageBoxA(dlg, "そのページ番目には移動できません。", "OK", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    int shift = (n - 1) - st.source->pageIndex();
    if (shift != 0)
        SendMessageA(dlg, WM_COMMAND, IDC_PGX_SHIFT, shift);
}

static INT_PTR CALLBACK PageExchangeDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    PageExchangeState *st = (PageExchangeState *)GetWindowLongPtrA(dlg, DWLP_USER);
    switch (msg) {
    case WM_INITDIALOG: {
        st = (PageExchangeState *)lParam;
        SetWindowLongPtrA(dlg, DWLP_USER, (LONG_PTR)st);
        HWND page = GetDlgItem(dlg, IDC_PGX_PAGE);
        st->hOldFont = (HFONT)SendMessageA(page, WM_GETFONT, 0, 0);
        if (frame.hSmallFont)
            SendMessageA(page, WM_SETFONT, (WPARAM)frame.hSmallFont, TRUE);
        st->nShownCount = -1;
        Refresh(dlg, *st);
        return TRUE;
    }
    case WM_COMMAND:
        if (!st)
            return FALSE;
        switch (LOWORD(wParam)) {
        case IDC_PGX_PAGE:
            SendMessageA(frame.hMainWnd, WM_COMMAND, st->source->nNextCommand, 0);
            Refresh(dlg, *st);
            return TRUE;
        case IDC_PGX_PREV:
            SendMessageA(dlg, WM_COMMAND, IDC_PGX_SHIFT, -1);
            return TRUE;
        case IDC_PGX_NEXT:
            SendMessageA(dlg, WM_COMMAND, IDC_PGX_SHIFT, 1);
            return TRUE;
        case IDC_PGX_SHIFT:
            st->source->shiftPage((int)lParam);
            Refresh(dlg, *st);
            return TRUE;
        case IDC_PGX_REFRESH:
            Refresh(dlg, *st);
            return TRUE;
        case IDOK:
            OnOk(dlg, *st);
            return TRUE;
        case IDCANCEL:
            SendMessageA(dlg, WM_CLOSE, 0, 0);
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        if (st)
            SendMessageA(GetDlgItem(dlg, IDC_PGX_PAGE), WM_SETFONT, (WPARAM)st->hOldFont, FALSE);
        EndDialog(dlg, 16);
        return TRUE;
    }
    return FALSE;
}

void ShowPageExchange(HWND owner, const PageExchangeSource &source)
{
    PageExchangeState st = {&source, -1, NULL};
    DialogBoxParamA(frame.hInst, "PGEXCHGENTRYDLG", owner, PageExchangeDlgProc, (LPARAM)&st);
}

static int FileCountPages() { return fileList.pFileList ? fileList.pFileList->CountPages() : 0; }
static int FilePageIndex() { return fileList.pFileList ? fileList.pFileList->ipage : 0; }
static int FileShiftPage(int nshift) { return fileList.pFileList ? fileList.pFileList->ShiftPage(nshift) : 0; }

void ShowFilePageExchange(HWND owner)
{
    static const PageExchangeSource source = {FileCountPages, FilePageIndex, FileShiftPage, IDM_NEXTFILEPAGE,
                                              "Files%d", UpdateFilesButtonText};
    ShowPageExchange(owner, source);
}
