#include "text/win/skeleton_dialog.h"

#include "app/frame/globals.h"
#include "app/frame/pane_text.h"
#include "resource_ids.h"
#include "text/skeleton.h"
#include "app/frame/modeless_once.h"

#include <richedit.h>
#include <string>
#include <vector>

namespace {

const char *const kCursors[] = {"IDC_APPSTARTING", "IDC_ARROW",    "IDC_CROSS",    "IDC_HAND",   "IDC_HELP",
                                "IDC_IBEAM",       "IDC_NO",       "IDC_SIZEALL",  "IDC_SIZENESW", "IDC_SIZENS",
                                "IDC_SIZENWSE",    "IDC_SIZEWE",   "IDC_UPARROW",  "IDC_WAIT"};
const char *const kBrushes[] = {"BLACK", "DKGRAY", "GRAY", "NULL", "LTGRAY", "WHITE"};

enum { SKELETON_BUFFER = 16384 };

std::string LoadText(UINT id)
{
    std::vector<char> buf(SKELETON_BUFFER, '\0');
    int n = LoadStringA(frame.hInst, id, buf.data(), SKELETON_BUFFER);
    return std::string(buf.data(), n > 0 ? (size_t)n : 0);
}

std::string ItemText(HWND dlg, int id)
{
    char buf[256] = "";
    GetDlgItemTextA(dlg, id, buf, sizeof buf);
    return buf;
}

std::string ComboText(HWND dlg, int id)
{
    HWND box = GetDlgItem(dlg, id);
    LRESULT i = SendMessageA(box, CB_GETCURSEL, 0, 0);
    char buf[64] = "";
    if (i >= 0 && SendMessageA(box, CB_GETLBTEXTLEN, i, 0) < (LRESULT)sizeof buf)
        SendMessageA(box, CB_GETLBTEXT, i, (LPARAM)buf);
    return buf;
}

/* ReadChoices: the dialog's state as the skeleton's choices. */
SkeletonChoices ReadChoices(HWND dlg)
{
    SkeletonChoices c;
    for (int k = 0; k < 5; ++k)
        c.abStyle[k] = IsDlgButtonChecked(dlg, IDC_SK_STYLE_FIRST + k) == BST_CHECKED;
    for (int k = 0; k < 6; ++k)
        if (IsDlgButtonChecked(dlg, IDC_SK_ICON_FIRST + k) == BST_CHECKED)
            c.nIcon = k;
    c.szCursor = ComboText(dlg, IDC_SK_CURSOR);
    c.szBrush = ComboText(dlg, IDC_SK_BRUSH);
    c.szMenu = ItemText(dlg, IDC_SK_MENU);
    c.szClassName = ItemText(dlg, IDC_SK_CLASS);
    c.szTitle = ItemText(dlg, IDC_SK_TITLE);
    c.bPreTranslator = IsDlgButtonChecked(dlg, IDC_SK_PRETRANS) == BST_CHECKED;
    return c;
}

/* OutputSkeleton: button 7123, the filled skeleton at the start or end of the main pane. */
void OutputSkeleton(HWND dlg)
{
    if (MessageBoxA(dlg, "ソースを出力します。よろしいですか？", "確認", MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL) ==
        IDNO)
        return;
    std::string templ = LoadText(IDS_SKELETON);
    std::string open = LoadText(IDS_SK_LOOPOPEN), close = LoadText(IDS_SK_LOOPCLOSE);
    std::string decl = LoadText(IDS_SK_DECL), func = LoadText(IDS_SK_FUNCTION);
    SkeletonOptionTexts options = {open.c_str(), close.c_str(), decl.c_str(), func.c_str()};
    std::string out;
    if (templ.empty() || !FillSkeleton(templ.c_str(), ReadChoices(dlg), options, SKELETON_BUFFER, out)) {
        MessageBoxA(dlg, "スケルトンを作れませんでした（テンプレートが読めないか、大きすぎます）。", "エラー",
                    MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!frame.hEdit)
        return;
    LONG at = 0;
    if (IsDlgButtonChecked(dlg, IDC_SK_ATEND) == BST_CHECKED) {
        GETTEXTLENGTHEX gtl = {GTL_NUMCHARS | GTL_PRECISE, CP_ACP};
        at = (LONG)SendMessageA(frame.hEdit, EM_GETTEXTLENGTHEX, (WPARAM)&gtl, 0);
    }
    CHARRANGE cr = {at, at};
    SendMessageA(frame.hEdit, EM_EXSETSEL, 0, (LPARAM)&cr);
    ReplacePaneSelection(frame.hEdit, out.c_str(), out.size(), FALSE);
}

void FillCombo(HWND dlg, int id, const char *const *names, size_t n, const char *chosen)
{
    HWND box = GetDlgItem(dlg, id);
    for (size_t i = 0; i < n; ++i)
        SendMessageA(box, CB_ADDSTRING, 0, (LPARAM)names[i]);
    SendMessageA(box, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)chosen);
}

/* ShapeOutputButton: the output button drawn in an ellipse. */
void ShapeOutputButton(HWND dlg)
{
    HWND button = GetDlgItem(dlg, IDC_SK_OUTPUT);
    RECT rc;
    GetClientRect(button, &rc);
    HRGN region = CreateEllipticRgn(0, 0, rc.right, rc.bottom);
    if (region && !SetWindowRgn(button, region, TRUE))
        DeleteObject(region); // the window owns it only when the call succeeds
}

void OnInitDialog(HWND dlg)
{
    CheckDlgButton(dlg, IDC_SK_STYLE_FIRST, BST_CHECKED);
    CheckRadioButton(dlg, IDC_SK_ICON_FIRST, IDC_SK_ICON_LAST, IDC_SK_ICON_FIRST);
    CheckRadioButton(dlg, IDC_SK_ATSTART, IDC_SK_ATEND, IDC_SK_ATSTART);
    FillCombo(dlg, IDC_SK_CURSOR, kCursors, sizeof kCursors / sizeof *kCursors, "IDC_ARROW");
    FillCombo(dlg, IDC_SK_BRUSH, kBrushes, sizeof kBrushes / sizeof *kBrushes, "LTGRAY");
    SetDlgItemTextA(dlg, IDC_SK_MENU, "USERSMENU");
    SetDlgItemTextA(dlg, IDC_SK_CLASS, "クラス・ネーム");
    SetDlgItemTextA(dlg, IDC_SK_TITLE, "My Project");
    SendDlgItemMessageA(dlg, IDC_SK_MENU, EM_LIMITTEXT, 255, 0);
    ShapeOutputButton(dlg);
    RECT parent;
    GetWindowRect(GetParent(dlg), &parent);
    SetWindowPos(dlg, NULL, parent.left, parent.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

INT_PTR CALLBACK SkeletonDialogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM)
{
    switch (msg) {
    case WM_INITDIALOG:
        OnInitDialog(dlg);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_SK_OUTPUT)
            OutputSkeleton(dlg);
        else if (LOWORD(wParam) == IDCANCEL)
            DestroyWindow(dlg);
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(dlg);
        return TRUE;
    case WM_DESTROY:
        frame.hMakeDlgS = NULL;
        return TRUE;
    }
    return FALSE;
}

} // namespace

void ShowSkeletonDialog(HWND mainWnd)
{
    ShowModelessOnce(&frame.hMakeDlgS, "MAKEDLGS", mainWnd, SkeletonDialogProc,
                     "スケルトン作成のダイアログを作れませんでした。");
}
