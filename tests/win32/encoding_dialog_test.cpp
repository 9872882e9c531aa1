// The dialog that chooses a document's encoding, answered from a timer of
// its own thread as a user would: pick a radio button, then OK or キャンセル.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/frame/globals.h"
#include "doc/win/encoding_dialog.h"
#include "resource_ids.h"

// What the timer does with the dialog, and what it saw there.
struct Answer {
    int pick = -1;     // radio button to click (index from IDC_ENC_FIRST), -1 none
    int button = IDOK;
    int shown = -1;    // radio button checked when the dialog came
    std::string title;
    std::string clipped;  // labels wider than their buttons
};
static Answer answer;

/* FindDialog: stops at the first shown dialog box, kept in *p. */
static BOOL CALLBACK FindDialog(HWND w, LPARAM p)
{
    char cls[16] = "";
    GetClassNameA(w, cls, sizeof cls);
    if (lstrcmpA(cls, "#32770") != 0 || !IsWindowVisible(w))
        return TRUE;
    *(HWND *)p = w;
    return FALSE;
}

/* DialogOfThread: the dialog box this thread shows, NULL while there is none. */
static HWND DialogOfThread()
{
    HWND found = NULL;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, (LPARAM)&found);
    return found;
}

/* LabelsClipped: the names of the dialog's buttons and texts whose label is wider than the control. */
static std::string LabelsClipped(HWND dlg)
{
    std::string names;
    HDC dc = GetDC(dlg);
    HGDIOBJ old = SelectObject(dc, (HFONT)SendMessageA(dlg, WM_GETFONT, 0, 0));
    for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        char text[128] = "";
        int n = GetWindowTextA(c, text, sizeof text);
        SIZE size = {0, 0};
        GetTextExtentPoint32A(dc, text, n, &size);
        RECT r;
        GetClientRect(c, &r);
        LONG style = GetWindowLongA(c, GWL_STYLE) & BS_TYPEMASK;
        int box = (style == BS_AUTORADIOBUTTON) ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 0;
        if (size.cx + box > r.right)
            names += std::string(text) + "\n";
    }
    SelectObject(dc, old);
    ReleaseDC(dlg, dc);
    return names;
}

/* AnswerDialog: once the dialog is up, notes what it shows, picks a choice and presses the button. */
static void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dlg = DialogOfThread();
    if (!dlg)
        return;
    KillTimer(NULL, timer);
    char title[64] = "";
    GetWindowTextA(dlg, title, sizeof title);
    answer.title = title;
    for (int i = 0; i <= IDC_ENC_LAST - IDC_ENC_FIRST; ++i)
        if (IsDlgButtonChecked(dlg, IDC_ENC_FIRST + i) == BST_CHECKED)
            answer.shown = i;
    answer.clipped = LabelsClipped(dlg);
    if (answer.pick >= 0)
        SendDlgItemMessageA(dlg, IDC_ENC_FIRST + answer.pick, BM_CLICK, 0, 0);
    SendDlgItemMessageA(dlg, answer.button, BM_CLICK, 0, 0);
}

/* Choose: shows the dialog for enc, answered by pick and button; its return. */
static BOOL Choose(DocumentEncoding &enc, int pick, int button)
{
    frame.hInst = GetModuleHandleA(NULL);
    answer = Answer();
    answer.pick = pick;
    answer.button = button;
    SetTimer(NULL, 0, 50, AnswerDialog);
    return ChooseDocumentEncoding(NULL, enc);
}

TEST(EncodingDialog, OpensAtTheDocumentsEncodingWithEveryLabelWhole)
{
    ASSERT_EQ(GetACP(), 932u) << "Wine must run with the Japanese code page";
    DocumentEncoding enc;
    enc.encoding = TextEncoding::Utf16Be;
    EXPECT_FALSE(Choose(enc, -1, IDCANCEL));
    EXPECT_EQ(answer.title, "文字コードの指定");
    EXPECT_EQ(answer.shown, 6);  // UTF-16BE (BOMなし)
    EXPECT_EQ(answer.clipped, "");
    enc.encoding = TextEncoding::Ascii;
    EXPECT_FALSE(Choose(enc, -1, IDCANCEL));
    EXPECT_EQ(answer.shown, 0);  // ASCII counts as Shift_JIS
}

TEST(EncodingDialog, OkTakesTheChoiceAndKeepsTheFormsOnlyOfTheSameEncoding)
{
    DocumentEncoding enc;
    enc.encoding = TextEncoding::Iso2022Jp;
    enc.iso.romanFinal = 'J';
    ASSERT_TRUE(Choose(enc, 8, IDOK));  // ISO-2022-JP again
    EXPECT_EQ(enc.iso.romanFinal, 'J');

    enc.encoding = TextEncoding::Utf8;
    enc.twinForms = 3;
    ASSERT_TRUE(Choose(enc, 4, IDOK));  // UTF-16BE (BOM付き)
    EXPECT_EQ(enc.encoding, TextEncoding::Utf16Be);
    EXPECT_TRUE(enc.bom);
    EXPECT_EQ(enc.twinForms, 0u);
    EXPECT_EQ(enc.iso.romanFinal, 'B');
}

TEST(EncodingDialog, CancelLeavesTheEncodingAsItWas)
{
    DocumentEncoding enc;
    enc.encoding = TextEncoding::Utf8;
    enc.bom = true;
    enc.twinForms = 5;
    EXPECT_FALSE(Choose(enc, 7, IDCANCEL));  // EUC-JP clicked, then キャンセル
    EXPECT_EQ(enc.encoding, TextEncoding::Utf8);
    EXPECT_TRUE(enc.bom);
    EXPECT_EQ(enc.twinForms, 5u);
}
