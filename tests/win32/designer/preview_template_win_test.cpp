// Preview templates built from parsed scripts make real dialogs with the controls where
// the script puts them.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <string>
#include <vector>

#include "designer/enumerate.h"
#include "designer/parser.h"
#include "designer/template.h"

namespace {

int SystemConverter(const char *src, size_t len, uint16_t *dst, size_t cap)
{
    int n = MultiByteToWideChar(932, MB_PRECOMPOSED, src, (int)len, (LPWSTR)dst, (int)cap);
    return n > 0 ? n : -1;
}

INT_PTR CALLBACK QuietProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

const char kScript[] =
    "#define IDC_MEMO 2001\r\n"
    "// 表示 DIALOG in a comment\r\n"
    "VIEWOPT DIALOGEX DISCARDABLE 10, 20, 200, 120\r\n"
    "STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\r\n"
    "CAPTION \"表示の設定\"\r\n"
    "FONT 9, \"ＭＳ ゴシック\"\r\n"
    "BEGIN\r\n"
    "    LTEXT \"ソフト名:\", -1, 7, 8, 40, 10\r\n"
    "    EDITTEXT IDC_MEMO, 50, 6, 120, 14, ES_AUTOHSCROLL\r\n"
    "    CONTROL \"機能 \"\"END\"\" 表\", 2002, \"Button\", BS_AUTOCHECKBOX | WS_TABSTOP, 7, 30, 80, 12\r\n"
    "    CONTROL \"\", 2004, \"SysListView32\", LVS_REPORT | WS_BORDER, 7, 46, 100, 40\r\n"
    "    PUSHBUTTON \"予定表\", 2003, 7, 90, 50, 14\r\n"
    "END\r\n"
    "CHILDPAGE DIALOG 0, 0, 100, 50\r\n"
    "STYLE DS_CONTROL | WS_CHILD\r\n"
    "BEGIN\r\n"
    "    PUSHBUTTON \"OK\", 1, 10, 10, 50, 14\r\n"
    "END\r\n";

std::wstring Wide(const char *s)
{
    wchar_t buf[512];
    int n = MultiByteToWideChar(932, 0, s, -1, buf, 512);
    return n > 0 ? std::wstring(buf) : std::wstring();
}

HWND CreatePreview(const ParsedDialog &d)
{
    std::vector<uint8_t> bytes;
    if (!BuildPreviewTemplate(d.dlg, d.controls, SystemConverter, bytes))
        return NULL;
    return CreateDialogIndirectParamA(GetModuleHandleA(NULL), (LPCDLGTEMPLATEA)bytes.data(), NULL, QuietProc, 0);
}

} // namespace

TEST(DesignerPreview, TemplateMakesTheDialogWithItsControlsInPlace)
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    std::string text = kScript;
    std::vector<DialogExtent> list;
    ASSERT_EQ(EnumerateDialogs(text, list, nullptr), 2);
    std::vector<ParsedDialog> parsed;
    std::string err;
    ASSERT_TRUE(ParseDialogs(DefineLines(text) + list[0].header + list[0].body, parsed, err)) << err;
    const ParsedDialog &d = parsed[0];
    HWND dlg = CreatePreview(d);
    ASSERT_NE(dlg, (HWND)NULL) << GetLastError();
    wchar_t title[128];
    GetWindowTextW(dlg, title, 128);
    EXPECT_EQ(std::wstring(title), Wide(d.dlg.szCaption));
    EXPECT_NE(SendMessageW(dlg, WM_GETFONT, 0, 0), 0); // FONT gives DS_SETFONT
    static const wchar_t *kClasses[] = {L"Static", L"Edit", L"Button", L"SysListView32", L"Button"};
    ASSERT_EQ(d.controls.size(), 5u);
    for (size_t i = 0; i < d.controls.size(); i++) {
        const Ctrldata &c = d.controls[i];
        HWND w = GetDlgItem(dlg, c.id);
        if (c.id == -1)
            w = GetWindow(dlg, GW_CHILD);
        ASSERT_NE(w, (HWND)NULL) << i;
        wchar_t cls[64];
        GetClassNameW(w, cls, 64);
        EXPECT_EQ(_wcsicmp(cls, kClasses[i]), 0) << i;
        RECT want = {c.left, c.top, c.right, c.bottom}; // position and size map separately
        MapDialogRect(dlg, &want);
        want.right += want.left;
        want.bottom += want.top;
        RECT got;
        GetWindowRect(w, &got);
        MapWindowPoints(NULL, dlg, (POINT *)&got, 2);
        EXPECT_EQ(got.left, want.left) << i;
        EXPECT_EQ(got.top, want.top) << i;
        EXPECT_EQ(got.right, want.right) << i;
        EXPECT_EQ(got.bottom, want.bottom) << i;
        wchar_t t[256];
        GetWindowTextW(w, t, 256);
        if (i != 1 && i != 3) {
            EXPECT_EQ(std::wstring(t), Wide(c.szText)) << i;
        }
        EXPECT_TRUE(GetWindowLongW(w, GWL_STYLE) & WS_VISIBLE) << i;
    }
    DestroyWindow(dlg);

    // A child-style page becomes a top-level preview.
    parsed.clear();
    ASSERT_TRUE(ParseDialogs(list[1].header + list[1].body, parsed, err)) << err;
    HWND page = CreatePreview(parsed[0]);
    ASSERT_NE(page, (HWND)NULL);
    EXPECT_FALSE(GetWindowLongW(page, GWL_STYLE) & WS_CHILD);
    EXPECT_NE(GetDlgItem(page, 1), (HWND)NULL);
    DestroyWindow(page);
}

TEST(DesignerPreview, LongTextsAreCutAndTheDialogStillCreates)
{
    Dlgdata dlg = {};
    strcpy(dlg.szCaption, "x");
    dlg.cx = 100;
    dlg.cy = 60;
    dlg.style = WS_POPUP | WS_CAPTION;
    std::vector<Ctrldata> controls(200);
    for (size_t i = 0; i < controls.size(); i++) {
        Ctrldata &c = controls[i];
        memset(&c, 0, sizeof c);
        strcpy(c.szClass, "STATIC");
        memset(c.szText, '\x82', 254); // a run of lead bytes: the converter must not read past it
        c.szText[254] = '\0';
        c.id = 700 + (int)i;
        c.right = 10;
        c.bottom = 8;
    }
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(BuildPreviewTemplate(dlg, controls, SystemConverter, bytes));
    HWND w = CreateDialogIndirectParamA(GetModuleHandleA(NULL), (LPCDLGTEMPLATEA)bytes.data(), NULL, QuietProc, 0);
    ASSERT_NE(w, (HWND)NULL);
    EXPECT_NE(GetDlgItem(w, 899), (HWND)NULL);
    DestroyWindow(w);
}
