// The snippet menu built from the string table as the program ships it:
// the NUL-separated list must survive windres and LoadStringA.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/frame/globals.h"
#include "app/shell/startup.h"

TEST(SnippetMenu, ShippedListGivesIds956To977)
{
    ASSERT_EQ(GetACP(), 932u) << "Wine must run with the Japanese code page";
    frame.hInst = GetModuleHandleA(NULL);
    HMENU menu = MakeMenuA();
    ASSERT_TRUE(menu);
    ASSERT_EQ(GetMenuItemCount(menu), 22);
    EXPECT_EQ(GetMenuItemID(menu, 0), 956u);
    EXPECT_EQ(GetMenuItemID(menu, 21), 977u);
    char text[64] = "";
    GetMenuStringA(menu, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "CreateWindow");
    GetMenuStringA(menu, 15, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "switch\x81\x60" "case");  // the wave dash is 81 60 in CP932
    GetMenuStringA(menu, 21, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "可変引数");
    DestroyMenu(menu);
}

TEST(MainMenu, SubMenusStandWhereTheCodeLooksForThem)
{
    HMENU bar = LoadMenuA(GetModuleHandleA(NULL), "MYMENU1");
    ASSERT_TRUE(bar);
    char text[64] = "";
    GetMenuStringA(bar, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "ファイル");
    GetMenuStringA(bar, 6, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "ボタン追加");
    DestroyMenu(bar);
    HMENU popup = LoadMenuA(GetModuleHandleA(NULL), "MYPOPUP1");
    ASSERT_TRUE(popup);
    GetMenuStringA(GetSubMenu(popup, 0), 10, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "選択して挿入");
    DestroyMenu(popup);
}
