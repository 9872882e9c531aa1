// The shortcut keys of the main window: the accelerator table and the menu
// texts tell the same keys, keys reach the main window only from its own
// windows, and a grey menu stops its keys.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/shell/command_owners.h"
#include "app/frame/globals.h"
#include "app/shell/keys.h"
#include "resource_ids.h"

namespace {

struct Key {
    UINT id;
    BYTE fVirt;  // FCONTROL, FSHIFT, FALT
    WORD vk;
};

// The key a menu text shows after its tab ("Ctrl+Shift+S", "F3", "Ctrl+Tab").
bool KeyOfText(const std::string &shown, Key *key)
{
    key->fVirt = 0;
    std::string rest = shown;
    for (;;) {
        if (rest.compare(0, 5, "Ctrl+") == 0) {
            key->fVirt |= FCONTROL;
            rest.erase(0, 5);
        } else if (rest.compare(0, 6, "Shift+") == 0) {
            key->fVirt |= FSHIFT;
            rest.erase(0, 6);
        } else if (rest.compare(0, 4, "Alt+") == 0) {
            key->fVirt |= FALT;
            rest.erase(0, 4);
        } else {
            break;
        }
    }
    if (rest == "Tab")
        key->vk = VK_TAB;
    else if (rest.size() >= 2 && rest[0] == 'F' && rest[1] >= '1' && rest[1] <= '9')
        key->vk = (WORD)(VK_F1 + std::stoi(rest.substr(1)) - 1);
    else if (rest.size() == 1 && ((rest[0] >= 'A' && rest[0] <= 'Z') || (rest[0] >= '0' && rest[0] <= '9')))
        key->vk = (WORD)rest[0];
    else
        return false;
    return true;
}

// The keys that the texts of a menu show, its pop-ups walked through.
void CollectShownKeys(HMENU menu, std::vector<Key> *pOut, std::vector<std::string> *pUnread)
{
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        if (HMENU sub = GetSubMenu(menu, i)) {
            CollectShownKeys(sub, pOut, pUnread);
            continue;
        }
        char text[128] = "";
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        const char *tab = strchr(text, '\t');
        if (!tab)
            continue;
        Key key = {GetMenuItemID(menu, i), 0, 0};
        if (KeyOfText(tab + 1, &key))
            pOut->push_back(key);
        else
            pUnread->push_back(text);
    }
}

std::vector<Key> TableKeys()
{
    std::vector<Key> keys;
    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(NULL), "MAINKEYS");
    EXPECT_TRUE(table);
    if (!table)
        return keys;
    std::vector<ACCEL> entries(CopyAcceleratorTableA(table, NULL, 0));
    CopyAcceleratorTableA(table, entries.data(), (int)entries.size());
    for (const ACCEL &a : entries) {
        EXPECT_TRUE(a.fVirt & FVIRTKEY) << a.cmd;
        keys.push_back({a.cmd, (BYTE)(a.fVirt & (FCONTROL | FSHIFT | FALT)), a.key});
    }
    return keys;
}

bool SameKey(const Key &a, const Key &b) { return a.id == b.id && a.fVirt == b.fVirt && a.vk == b.vk; }

} // namespace

TEST(MainKeys, MenuTextsShowTheTablesKeys)
{
    frame.hInst = GetModuleHandleA(NULL);
    BuildCommandLookup(NULL);
    std::vector<Key> table = TableKeys();
    EXPECT_EQ(table.size(), 10u);
    HMENU menu = LoadMenuA(frame.hInst, "MYMENU1");
    ASSERT_TRUE(menu);
    std::vector<Key> shown;
    std::vector<std::string> unread;
    CollectShownKeys(menu, &shown, &unread);
    DestroyMenu(menu);
    EXPECT_TRUE(unread.empty()) << "a key not understood: " << unread[0];
    for (const Key &k : table) {
        bool found = false;
        for (const Key &s : shown)
            found = found || SameKey(k, s);
        EXPECT_TRUE(found) << "the key of command " << k.id << " is not shown in its menu item";
        EXPECT_NE(CommandOwnerOf(k.id), nullptr) << "the key of command " << k.id << " leads nowhere";
        for (const Key &other : table)
            EXPECT_TRUE(&other == &k || other.vk != k.vk || other.fVirt != k.fVirt) << "two commands on one key";
        // The rich-edit panes keep their own keys.
        if (k.fVirt == FCONTROL) {
            for (char own : {'C', 'V', 'X', 'Z', 'Y', 'A'})
                EXPECT_NE(k.vk, (WORD)own) << "Ctrl+" << own << " is the panes' own";
        }
    }
    for (const Key &s : shown) {
        bool found = false;
        for (const Key &k : table)
            found = found || SameKey(k, s);
        EXPECT_TRUE(found) << "menu item " << s.id << " shows a key that the table does not have";
    }
}

TEST(MainKeys, OnlyTheMainWindowsOwnWindowsTakeThem)
{
    frame.hInst = GetModuleHandleA(NULL);
    frame.hMainWnd =
        CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, NULL, NULL, frame.hInst, NULL);
    ASSERT_TRUE(frame.hMainWnd);
    HWND pane = CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 50, 20, frame.hMainWnd, NULL, frame.hInst, NULL);
    HWND split = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 50, 20, frame.hMainWnd, NULL, frame.hInst, NULL);
    HWND deepPane = CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 50, 20, split, NULL, frame.hInst, NULL);
    // A dialog inside the main window (the command-line bar, the DOS window).
    HWND bar = CreateWindowExA(0, "#32770", "", WS_CHILD, 0, 0, 50, 20, frame.hMainWnd, NULL, frame.hInst, NULL);
    HWND barField = CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 50, 20, bar, NULL, frame.hInst, NULL);
    // A modeless dialog owned by the main window.
    HWND dialog = CreateWindowExA(0, "#32770", "", WS_POPUP, 0, 0, 50, 20, frame.hMainWnd, NULL, frame.hInst, NULL);
    HWND dialogField = CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 50, 20, dialog, NULL, frame.hInst, NULL);
    // The user-button bar's base: its buttons are the main window's.
    frame.hRebarBase =
        CreateWindowExA(0, "#32770", "", WS_POPUP, 0, 0, 50, 20, frame.hMainWnd, NULL, frame.hInst, NULL);
    HWND userButton =
        CreateWindowExA(0, "BUTTON", "", WS_CHILD, 0, 0, 50, 20, frame.hRebarBase, NULL, frame.hInst, NULL);

    EXPECT_TRUE(KeysReachMainWindow(frame.hMainWnd));
    EXPECT_TRUE(KeysReachMainWindow(pane));
    EXPECT_TRUE(KeysReachMainWindow(deepPane));
    EXPECT_TRUE(KeysReachMainWindow(userButton));
    EXPECT_FALSE(KeysReachMainWindow(bar));
    EXPECT_FALSE(KeysReachMainWindow(barField));
    EXPECT_FALSE(KeysReachMainWindow(dialog));
    EXPECT_FALSE(KeysReachMainWindow(dialogField));
    EXPECT_FALSE(KeysReachMainWindow(NULL));

    DestroyWindow(dialog);
    DestroyWindow(frame.hRebarBase);
    DestroyWindow(frame.hMainWnd);
    frame.hRebarBase = frame.hMainWnd = NULL;
}

TEST(MainKeys, AGreyMenuStopsItsKeys)
{
    frame.hInst = GetModuleHandleA(NULL);
    HMENU menu = LoadMenuA(frame.hInst, "MYMENU1");
    ASSERT_TRUE(menu);
    frame.hMainWnd =
        CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, NULL, menu, frame.hInst, NULL);
    ASSERT_TRUE(frame.hMainWnd);
    frame.hEdit =
        CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, frame.hMainWnd, NULL, frame.hInst, NULL);
    frame.hSubEdit1 =
        CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, frame.hMainWnd, NULL, frame.hInst, NULL);
    frame.hSwitchCheck = CreateWindowExA(0, "BUTTON", "", WS_CHILD | BS_AUTOCHECKBOX, 0, 0, 50, 20, frame.hMainWnd,
                                         NULL, frame.hInst, NULL);
    ShowWindow(frame.hMainWnd, SW_SHOWNA);
    for (UINT id : {IDM_OPEN, IDM_SAVEAS, IDM_OVERWRITE, IDM_NEXTLISTED, IDM_FOCUSFIND, IDM_QUICKCOMPILE})
        EXPECT_TRUE(KeyCommandAllowed(frame.hMainWnd, id)) << id;

    // The resource pane on show: the "ファイル" menu is grey; only the
    // overwrite key still works there (it saves the resource script).
    EnableMenuItem(menu, 0, MF_BYPOSITION | MF_GRAYED);
    SendMessageA(frame.hSwitchCheck, BM_SETCHECK, BST_CHECKED, 0);
    for (UINT id : {IDM_OPEN, IDM_SAVEAS, IDM_NEXTLISTED, IDM_PREVLISTED})
        EXPECT_FALSE(KeyCommandAllowed(frame.hMainWnd, id)) << id;
    EXPECT_TRUE(KeyCommandAllowed(frame.hMainWnd, IDM_OVERWRITE));
    EXPECT_TRUE(KeyCommandAllowed(frame.hMainWnd, IDM_LINEJUMP));
    // With the main pane on show, a grey "ファイル" menu stops that key too.
    SendMessageA(frame.hSwitchCheck, BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_FALSE(KeyCommandAllowed(frame.hMainWnd, IDM_OVERWRITE));
    // Every menu grey: no key.
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        EnableMenuItem(menu, i, MF_BYPOSITION | MF_GRAYED);
    for (UINT id : {IDM_FOCUSFIND, IDM_FINDNEXT, IDM_LINEJUMP, IDM_QUICKCOMPILE})
        EXPECT_FALSE(KeyCommandAllowed(frame.hMainWnd, id)) << id;

    DestroyWindow(frame.hMainWnd);
    frame.hMainWnd = frame.hEdit = frame.hSubEdit1 = frame.hSwitchCheck = NULL;
}
