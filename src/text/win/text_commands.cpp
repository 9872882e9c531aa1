#include "app/win/subsystem_commands.h"

#include "app/win/globals.h"
#include "resource_ids.h"
#include "text/win/colour_pass.h"
#include "text/win/function_nav.h"
#include "text/win/reformat.h"
#include "text/win/skeleton_dialog.h"
#include "text/win/reformat.h"

/* TextCommand: the main window's commands served by this subsystem. */
BOOL TextCommand(HWND hwnd, UINT id, UINT code, LPARAM lParam)
{
    (void)code;
    (void)lParam;
    switch (id) {
    case IDM_FUNCLIST:
        ShowFunctionList(hwnd);
        return TRUE;
    case IDM_NEXTFUNC:
    case IDM_FUNCTOP:
        if (hCurEdit && hCurEdit == hEdit) // never on the resource pane
            (id == IDM_NEXTFUNC ? NextFunction : FunctionTop)(hEdit);
        return TRUE;
    case IDM_BRACECOLOUR:
        StartColourPass(hCurEdit ? hCurEdit : hEdit);
        return TRUE;
    case IDM_COLOURPASS:
        StartColourPass(hEdit);
        return TRUE;
    case IDM_APISKELETON:
        ShowSkeletonDialog(hwnd);
        return TRUE;
    }
    return FALSE;
}

/* IndentCurrentPane: command 227 after its confirmation. */
void IndentCurrentPane()
{
    if (hCurEdit && !ColourPassRunning())
        IndentPane(hCurEdit);
}
