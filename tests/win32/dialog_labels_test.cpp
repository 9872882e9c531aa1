// Every dialog of the program as its template makes it: each static and
// button text, measured in the dialog's own font, fits its control.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

INT_PTR CALLBACK QuietDialogProc(HWND, UINT msg, WPARAM, LPARAM)
{
    return msg == WM_INITDIALOG;
}

BOOL CALLBACK AddDialogName(HMODULE, LPCSTR, LPSTR name, LONG_PTR list)
{
    std::vector<std::string> &names = *(std::vector<std::string> *)list;
    names.push_back(IS_INTRESOURCE(name) ? "#" + std::to_string((UINT_PTR)name) : std::string(name));
    return TRUE;
}

// The room a control leaves its text: the check box or radio circle, a
// push button's edge (also of a push-like check box) and a group box's corners.
int TextMargin(const char *cls, LONG style)
{
    if (lstrcmpiA(cls, "Button") != 0)
        return 0;
    if (style & BS_PUSHLIKE)
        return 6;
    switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX: case BS_AUTOCHECKBOX: case BS_3STATE: case BS_AUTO3STATE:
    case BS_RADIOBUTTON: case BS_AUTORADIOBUTTON:
        return GetSystemMetrics(SM_CXMENUCHECK) + 4;
    case BS_GROUPBOX:
        return 12;
    default:
        return 6;
    }
}

// Whether the control shows its text as text (not a picture, frame or owner-drawn).
bool ShowsText(const char *cls, LONG style)
{
    if (lstrcmpiA(cls, "Static") == 0) {
        LONG kind = style & SS_TYPEMASK;
        return (kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT || kind == SS_SIMPLE ||
                kind == SS_LEFTNOWORDWRAP) && !(style & SS_ENDELLIPSIS) && !(style & SS_PATHELLIPSIS);
    }
    if (lstrcmpiA(cls, "Button") == 0)
        return (style & BS_TYPEMASK) != BS_OWNERDRAW && !(style & (BS_BITMAP | BS_ICON));
    return false;
}

// A text that does not fit its control, described; empty when it fits.
std::string Clipped(const std::string &dialog, HWND control)
{
    char cls[32] = "", text[512] = "";
    GetClassNameA(control, cls, sizeof cls);
    LONG style = GetWindowLongA(control, GWL_STYLE);
    GetWindowTextA(control, text, sizeof text);
    if (!text[0] || !ShowsText(cls, style))
        return "";
    RECT room;
    GetClientRect(control, &room);
    bool isButton = lstrcmpiA(cls, "Button") == 0;
    bool multiLine = isButton ? (style & BS_MULTILINE) != 0 : (style & SS_TYPEMASK) != SS_SIMPLE &&
                                                                   (style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP;
    int width = room.right - TextMargin(cls, style);
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, (HFONT)SendMessageA(control, WM_GETFONT, 0, 0));
    RECT need = {0, 0, width, 0};
    DrawTextA(dc, text, -1, &need, DT_CALCRECT | (multiLine ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    // A group box's text stands on its top edge; the others must fit inside.
    int height = (style & BS_TYPEMASK) == BS_GROUPBOX && isButton ? need.bottom : room.bottom;
    if (need.right <= width && need.bottom <= height)
        return "";
    return dialog + " " + std::to_string(GetDlgCtrlID(control)) + " \"" + text + "\": needs " +
           std::to_string(need.right) + " x " + std::to_string(need.bottom) + ", has " + std::to_string(width) +
           " x " + std::to_string(room.bottom);
}

} // namespace

TEST(DialogLabels, EveryStaticAndButtonTextFitsItsControl)
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_COOL_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&icc);
    LoadLibraryA("RICHED32.DLL");
    HMODULE exe = GetModuleHandleA(NULL);
    std::vector<std::string> names;
    EnumResourceNamesA(exe, RT_DIALOG, AddDialogName, (LONG_PTR)&names);
    ASSERT_GT(names.size(), 20u);
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, NULL, NULL, exe, NULL);
    std::string clipped;
    for (const std::string &name : names) {
        LPCSTR id = name[0] == '#' ? MAKEINTRESOURCEA(std::stoi(name.substr(1))) : name.c_str();
        HWND dlg = CreateDialogParamA(exe, id, parent, QuietDialogProc, 0);
        EXPECT_TRUE(dlg) << name << " cannot be made";
        if (!dlg)
            continue;
        for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            std::string why = Clipped(name, c);
            if (!why.empty())
                clipped += why + "\n";
        }
        DestroyWindow(dlg);
    }
    DestroyWindow(parent);
    EXPECT_EQ(clipped, "");
}
