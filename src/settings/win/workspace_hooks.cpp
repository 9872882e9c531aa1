#include "settings/win/workspace_hooks.h"

#include <richedit.h>
#include <cstdio>

#include "app/win/globals.h"
#include "filelist/win/file_list_win.h"
#include "filelist/win/file_tree.h"
#include "resource_ids.h"
#include "settings/win/user_buttons.h"

/* OnPositionCaptured: a new position button, or the target's new position. */
void OnPositionCaptured(HWND pane, LONG pos, BOOL bChangeMode)
{
    if (bChangeMode) {
        UserButton *b = FindUserButton(userButtons, nUserPopupTarget);
        if (b && b->kind == KIND_POSITION)
            b->value = pos;
        return;
    }
    LONG line = (LONG)SendMessageA(pane, EM_EXLINEFROMCHAR, 0, pos);
    char szLabel[USER_LABEL_SIZE];
    _snprintf(szLabel, sizeof szLabel - 1, "Ln%ld", (long)line);
    szLabel[sizeof szLabel - 1] = '\0';
    MakeUserButton(szLabel, KIND_POSITION, pos, "");
}

/* ArmedInsertionText: the text of the button that armed the insertion. */
const char *ArmedInsertionText()
{
    UserButton *b = FindUserButton(userButtons, nArmedInsertButton);
    if (!b || (b->kind != KIND_INSERT_AT_POINTER && b->kind != KIND_INSERT_AT_CARET))
        return NULL;
    return b->text.c_str();
}

/* ShowUserButtonMenu: MYPOPUP5 for the button; 213 only for position buttons. */
void ShowUserButtonMenu(HWND button, POINT screen)
{
    UINT id = (UINT)GetDlgCtrlID(button);
    UserButton *b = FindUserButton(userButtons, id);
    if (!b)
        return;
    nUserPopupTarget = id;
    HMENU menu = LoadMenuA(hInst, "MYPOPUP5");
    if (!menu)
        return;
    HMENU sub = GetSubMenu(menu, 0);
    if (b->kind != KIND_POSITION)
        EnableMenuItem(sub, IDM_BTNCHANGEPOS, MF_BYCOMMAND | MF_GRAYED);
    TrackPopupMenu(sub, TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, hMainWnd, NULL);
    DestroyMenu(menu);
}

/* ShowFileButtonMenu: MYPOPUP6 for the file button with its label on top. */
void ShowFileButtonMenu(HWND button, POINT screen)
{
    UINT id = (UINT)GetDlgCtrlID(button);
    char szLabel[256] = "";
    if (!pFileList || !pFileList->GetLabel(id, szLabel, sizeof szLabel))
        return;
    nFilePopupTarget = id;
    TrackFilePopup(szLabel, screen);
}
