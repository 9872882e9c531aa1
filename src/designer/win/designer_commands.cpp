#include "app/win/subsystem_commands.h"

#include "designer/win/designer_win.h"
#include "resource_ids.h"

/* DesignerCommand: the main window's commands served by this subsystem. */
BOOL DesignerCommand(HWND hwnd, UINT id, UINT code, LPARAM lParam)
{
    (void)lParam;
    switch (id) {
    case IDM_DIALOGDESIGN:
        OpenDesignerPanel(NULL);
        return TRUE;
    case IDM_MENUDESIGN:
        OpenMenuDesigner(hwnd);
        return TRUE;
    case IDM_RESOURCELIST:
        OpenDialogList(hwnd);
        return TRUE;
    case IDM_ENTER: // Enter in a combo box of the menu designer
        if (code >= 7250 && code <= 7253)
            return MenuDesignerEnter(code);
        return FALSE;
    }
    return FALSE;
}
