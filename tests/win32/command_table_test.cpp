// No id that leads nowhere: every string the code loads is in the program's
// resources, and every item of every menu and every button of the bars is
// served by exactly one command handler.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/snippet_menu_core.h"
#include "app/frame/bars.h"
#include "app/shell/command_owners.h"
#include "app/frame/globals.h"
#include "app/shell/startup.h"
#include "resource_ids.h"

// The menu items that do nothing: "バックアップ" (MYMENU1), "登録" (MYPOPUP1)
// and "切り取り" (MYPOPUP6).
static const UINT kNoEffect[] = {IDM_BACKUP, IDM_REGISTER, IDM_FILECUT};

static bool IsNoEffect(UINT id)
{
    for (UINT n : kNoEffect)
        if (n == id)
            return true;
    return false;
}

// The string as LoadStringA gives it ("" when missing).
static std::string LoadedString(UINT id)
{
    static char buffer[16384];
    int n = LoadStringA(GetModuleHandleA(NULL), id, buffer, sizeof buffer);
    return std::string(buffer, n > 0 ? (size_t)n : 0);
}

TEST(StringTable, EveryStringTheCodeLoadsExists)
{
    ASSERT_EQ(GetACP(), 932u) << "Wine must run with the Japanese code page";
    std::vector<std::string> missing;
    int nChecked = 0;
#define CHECK_STRING(id)                                                                        \
    ++nChecked;                                                                                 \
    if (LoadedString(id).empty())                                                               \
        missing.push_back(#id);
#define CHECK_LIST(first, list)                                                                 \
    {                                                                                           \
        std::string text = LoadedString(list);                                                  \
        SnippetList items = ParseSnippetList(text.data(), text.size());                         \
        EXPECT_EQ(items.items.size(), items.nDeclared) << #list;                                \
        for (size_t i = 0; i < items.items.size(); ++i, ++nChecked)                             \
            if (LoadedString((UINT)(first + i)).empty())                                        \
                missing.push_back(#first " + " + std::to_string(i));                            \
    }
    SORA_LOADED_STRINGS(CHECK_STRING, CHECK_LIST)
    EXPECT_GT(nChecked, 40);
    std::string names;
    for (const std::string &m : missing)
        names += m + " ";
    EXPECT_TRUE(missing.empty()) << "missing strings: " << names;

    // The skeletons of 404 and 405 are read into 1024 bytes with the zero.
    EXPECT_LE(LoadedString(IDS_SKELETON16).size(), 1023u);
    EXPECT_LE(LoadedString(IDS_SKELETONHTML).size(), 1023u);
}

// The command ids of a menu's items, its pop-ups walked through.
static void CollectItems(HMENU menu, const std::string &where, std::vector<std::pair<UINT, std::string>> *pOut)
{
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[128] = "";
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        if (HMENU sub = GetSubMenu(menu, i)) {
            CollectItems(sub, where + "/" + text, pOut);
            continue;
        }
        if (GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR)
            continue;
        pOut->push_back({GetMenuItemID(menu, i), where + "/" + text});
    }
}

static std::vector<std::pair<UINT, std::string>> MenuItems(const char *szMenu)
{
    std::vector<std::pair<UINT, std::string>> items;
    HMENU menu = LoadMenuA(GetModuleHandleA(NULL), szMenu);
    EXPECT_TRUE(menu) << szMenu;
    if (menu) {
        CollectItems(menu, szMenu, &items);
        DestroyMenu(menu);
    }
    return items;
}

// The commands of the buttons of a toolbar.
static std::vector<UINT> ToolbarCommands(HWND toolbar)
{
    std::vector<UINT> ids;
    int n = (int)SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0);
    for (int i = 0; i < n; ++i) {
        TBBUTTON button = {};
        SendMessageA(toolbar, TB_GETBUTTON, i, (LPARAM)&button);
        if (!(button.fsStyle & BTNS_SEP))
            ids.push_back((UINT)button.idCommand);
    }
    return ids;
}

TEST(CommandTable, EveryIdHasOneOwner)
{
    std::string clashes;
    EXPECT_EQ(BuildCommandLookup(&clashes), 0) << "ids claimed twice (id first/second):\n" << clashes;
    for (UINT id : kNoEffect)
        EXPECT_EQ(CommandOwnerOf(id), nullptr) << id << " is to have no effect";
}

TEST(CommandTable, EveryMenuItemAndButtonIsServed)
{
    frame.hInst = GetModuleHandleA(NULL);
    BuildCommandLookup(NULL);
    std::vector<std::pair<UINT, std::string>> items;
    for (const char *szMenu : {"MYMENU1", "MYPOPUP1", "MYPOPUP5", "MYPOPUP6"})
        for (const auto &item : MenuItems(szMenu))
            items.push_back(item);
    EXPECT_GT(items.size(), 40u);
    bool bNested = false;  // "作成" > "スケルトン" > "16ビットアプリ"
    for (const auto &item : items)
        bNested = bNested || item.first == IDM_SKELETON16;
    EXPECT_TRUE(bNested);
    // The snippets that the edit menu gets at run time.
    HMENU snippets = MakeMenuA();
    ASSERT_TRUE(snippets);
    CollectItems(snippets, "snippets", &items);
    DestroyMenu(snippets);

    // The main toolbar and the find bar, made by the frame's own code, and
    // the two page buttons of the bars.
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 600, 200, NULL, NULL, frame.hInst, NULL);
    ASSERT_TRUE(owner);
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_COOL_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    ASSERT_TRUE(CreateMainToolbar(owner));
    ASSERT_TRUE(CreateFindBar(owner));
    std::vector<UINT> buttons = ToolbarCommands(frame.hToolbar);
    EXPECT_EQ(buttons.size(), 15u);
    for (UINT id : ToolbarCommands(frame.hFindToolbar))
        buttons.push_back(id);
    buttons.push_back(IDM_NEXTBTNPAGE);
    buttons.push_back(IDM_NEXTFILEPAGE);
    for (UINT id : buttons)
        items.push_back({id, "button " + std::to_string(id)});
    DestroyWindow(owner);

    for (const auto &item : items) {
        if (IsNoEffect(item.first))
            EXPECT_EQ(CommandOwnerOf(item.first), nullptr) << item.second;
        else
            EXPECT_NE(CommandOwnerOf(item.first), nullptr) << item.second << " (" << item.first << ") leads nowhere";
    }

    // The design surface's own menus go to the surface window.
    for (const char *szMenu : {"MYPOPUP2", "MYPOPUP3"}) {
        std::vector<std::pair<UINT, std::string>> surface = MenuItems(szMenu);
        EXPECT_FALSE(surface.empty()) << szMenu;
        for (const auto &item : surface)
            EXPECT_TRUE(CommandIdsHold(designSurfaceCommandIds, item.first)) << item.second << " leads nowhere";
    }
}
