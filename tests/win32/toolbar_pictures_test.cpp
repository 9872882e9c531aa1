// The main toolbar as the program builds it, against the shipped picture
// strip: each button shows the picture drawn for the command it sends, and
// the tooltip text of that command.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "app/frame/bars.h"
#include "app/frame/globals.h"
#include "resource_ids.h"

namespace {

// What each command's button must show: its tooltip text and the ink colour
// of its picture in images/draw.py.
struct ButtonLook {
    UINT command;
    const char *text;
    COLORREF ink;
};
const ButtonLook kLooks[] = {
    {IDM_PANESWITCH, "メイン（.cpp）/リソース(.rc)切り替え", RGB(60, 60, 180)}, // two panes
    {IDM_OVERWRITE, "上書き", RGB(40, 80, 160)},                              // a floppy disk
    {IDM_FONT, "フォント", RGB(0, 0, 0)},                                     // "A"
    {IDM_COPY, "コピー", RGB(40, 120, 40)},                                   // two sheets
    {IDM_CUT, "切り取り", RGB(160, 40, 40)},                                  // scissors
    {IDM_PASTE, "貼り付け", RGB(120, 80, 40)},                                // a clipboard
    {IDM_UNDO, "アンドゥｰ", RGB(100, 40, 140)},                               // a bent arrow
    {IDM_COLOURPASS, "｛｝（）着色", RGB(220, 0, 120)},                       // paint rings
    {IDM_CAPTURE, "画面キャプチャ", RGB(80, 80, 80)},                         // a camera
    {IDM_QUICKCOMPILE, "（簡易）コンパイル", RGB(200, 80, 0)},                // a chip
    {IDM_NEXTFUNC, "次の関数", RGB(0, 140, 80)},                              // a right arrow
    {IDM_FUNCTOP, "関数の先頭", RGB(0, 110, 150)},                            // an up arrow to a bar
    {IDM_CARETSTART, "Top", RGB(40, 160, 40)},                                // the same, green
    {IDM_CARETEND, "End", RGB(20, 100, 60)},                                  // a down arrow to a bar
    {IDM_FUNCLIST, "関数一覧", RGB(0, 100, 160)},                             // a list
};

// The colour of the first pixel of picture index that is not the grey ground.
COLORREF InkOf(HBITMAP strip, int index)
{
    DIBSECTION dib;
    if (GetObjectA(strip, sizeof dib, &dib) != sizeof dib || dib.dsBm.bmBitsPixel != 24)
        return CLR_INVALID;
    const BYTE *bits = (const BYTE *)dib.dsBm.bmBits;
    for (int y = 0; y < dib.dsBm.bmHeight; ++y)
        for (int x = index * 24; x < (index + 1) * 24 && x < dib.dsBm.bmWidth; ++x) {
            const BYTE *p = bits + y * dib.dsBm.bmWidthBytes + x * 3;
            COLORREF c = RGB(p[2], p[1], p[0]);
            if (c != RGB(192, 192, 192))
                return c;
        }
    return CLR_INVALID;
}

} // namespace

TEST(MainToolbar, EachButtonShowsThePictureAndTextOfItsCommand)
{
    frame.hInst = GetModuleHandleA(NULL);
    InitCommonControls();
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 800, 200, NULL, NULL, frame.hInst, NULL);
    ASSERT_TRUE(parent);
    HWND bar = CreateMainToolbar(parent);
    ASSERT_TRUE(bar);
    HBITMAP strip = (HBITMAP)LoadImageA(frame.hInst, "TOOLBARBITMAP", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    ASSERT_TRUE(strip);
    int seen = 0;
    int count = (int)SendMessageA(bar, TB_BUTTONCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        TBBUTTON b = {};
        ASSERT_TRUE(SendMessageA(bar, TB_GETBUTTON, i, (LPARAM)&b));
        if (b.fsStyle & BTNS_SEP)
            continue;
        const ButtonLook *look = NULL;
        for (const ButtonLook &l : kLooks)
            if (l.command == (UINT)b.idCommand)
                look = &l;
        ASSERT_TRUE(look) << "button " << i << " sends " << b.idCommand;
        ++seen;
        EXPECT_EQ(InkOf(strip, b.iBitmap), look->ink) << look->text << ": picture " << b.iBitmap;
        char text[128] = "";
        SendMessageA(bar, TB_GETBUTTONTEXTA, b.idCommand, (LPARAM)text);
        EXPECT_STREQ(text, look->text) << "button " << i;
    }
    EXPECT_EQ(seen, (int)(sizeof kLooks / sizeof kLooks[0]));
    DeleteObject(strip);
    DestroyWindow(parent);
}
