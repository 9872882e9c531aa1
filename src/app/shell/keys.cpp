#include "app/shell/keys.h"

#include "app/frame/globals.h"
#include "app/frame/panes.h"
#include "app/frame/subsystem_commands.h"
#include "resource_ids.h"

#include <initializer_list>

static HACCEL hMainKeys;

/* InsideDialog: TRUE when the window is a dialog inside the main window or lies in one. */
static BOOL InsideDialog(HWND w)
{
    for (; w && w != frame.hMainWnd; w = GetParent(w)) {
        char cls[16] = "";
        GetClassNameA(w, cls, sizeof cls);
        if (lstrcmpA(cls, "#32770") == 0)
            return TRUE;
    }
    return FALSE;
}

/*
 * KeysReachMainWindow: whether keys pressed in the window are the main
 * window's: the main window itself, a pane or entry of it, or a button of
 * its two button bars. The modeless dialogs (the command-line bar and the
 * DOS window among them) keep their keys.
 */
BOOL KeysReachMainWindow(HWND focus)
{
    if (!focus || !frame.hMainWnd)
        return FALSE;
    if (focus == frame.hMainWnd)
        return TRUE;
    if (IsChild(frame.hMainWnd, focus))
        return !InsideDialog(focus);
    for (HWND bar : {frame.hRebarBase, frame.hFileRebarBase})
        if (bar && IsChild(bar, focus))
            return TRUE;
    return FALSE;
}

/* AcceleratorCommand: the command the table gives the key of the message
   with the modifiers held now, 0 when none. */
static UINT AcceleratorCommand(HACCEL keys, const MSG *msg)
{
    ACCEL table[64];
    int n = CopyAcceleratorTableA(keys, table, 64);
    BYTE held = (GetKeyState(VK_CONTROL) < 0 ? FCONTROL : 0) | (GetKeyState(VK_SHIFT) < 0 ? FSHIFT : 0) |
                (GetKeyState(VK_MENU) < 0 ? FALT : 0);
    for (int i = 0; i < n; ++i)
        if ((table[i].fVirt & FVIRTKEY) && table[i].key == msg->wParam &&
            (table[i].fVirt & (FCONTROL | FSHIFT | FALT)) == held)
            return table[i].cmd;
    return 0;
}

/*
 * TranslateMainKeys: the shortcut keys of the main window (accelerator
 * table "MAINKEYS"), taken before Pretranslate routes the message.
 * Returns TRUE when the key became a command and is consumed.
 */
BOOL TranslateMainKeys(MSG *msg)
{
    if (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)
        return FALSE;
    if (!hMainKeys)
        hMainKeys = LoadAcceleratorsA(frame.hInst, "MAINKEYS");
    if (!hMainKeys || !KeysReachMainWindow(GetFocus()))
        return FALSE;
    // The system drops a key whose menu item is grey without a word; the
    // overwrite key is answered with the reason the overwrite is refused.
    if (AcceleratorCommand(hMainKeys, msg) == IDM_OVERWRITE &&
        (GetMenuState(GetMenu(frame.hMainWnd), IDM_OVERWRITE, MF_BYCOMMAND) & MF_GRAYED)) {
        SendMessageA(frame.hMainWnd, WM_COMMAND, MAKEWPARAM(IDM_OVERWRITE, KEY_COMMAND_CODE), 0);
        return TRUE;
    }
    return TranslateAcceleratorA(frame.hMainWnd, hMainKeys, msg) != 0;
}

/* TopMenuOf: the position in the menu bar of the menu that holds the command, or -1. */
static int TopMenuOf(HMENU bar, UINT id)
{
    int n = bar ? GetMenuItemCount(bar) : 0;
    for (int i = 0; i < n; ++i) {
        HMENU sub = GetSubMenu(bar, i);
        if (sub && GetMenuState(sub, id, MF_BYCOMMAND) != (UINT)-1)
            return i;
    }
    return -1;
}

/*
 * KeyCommandAllowed: whether a command given by a shortcut key may run.
 * A key does what a click on its menu item would, and nothing while that
 * menu is grey (the "ファイル" menu while the resource pane is on show);
 * the overwrite key also serves the resource pane, as the toolbar's
 * overwrite button does. While a long operation runs, no command gets here.
 */
BOOL KeyCommandAllowed(HWND hwnd, UINT id)
{
    HMENU bar = GetMenu(hwnd);
    int top = TopMenuOf(bar, id);
    if (top < 0 || !(GetMenuState(bar, top, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)))
        return TRUE;
    return id == IDM_OVERWRITE && GetCurrentEdit(hwnd) == frame.hSubEdit1;
}
