#include "app/frame/subsystem_commands.h"

#include "app/frame/busy_guard.h"
#include "app/frame/globals.h"
#include "resource_ids.h"
#include "text/win/colour_pass.h"
#include "text/win/function_nav.h"
#include "text/win/reformat.h"
#include "text/win/skeleton_dialog.h"

/* TextCommand: the main window's commands served by this subsystem. */
static BOOL TextCommand(HWND hwnd, UINT id, UINT code, LPARAM lParam)
{
    (void)code;
    (void)lParam;
    switch (id) {
    case IDM_FUNCLIST:
        ShowFunctionList(hwnd);
        return TRUE;
    case IDM_NEXTFUNC:
    case IDM_FUNCTOP:
        if (frame.hCurEdit && frame.hCurEdit == frame.hEdit) // never on the resource pane
            (id == IDM_NEXTFUNC ? NextFunction : FunctionTop)(frame.hEdit);
        return TRUE;
    case IDM_BRACECOLOUR:
        StartColourPass(frame.hCurEdit ? frame.hCurEdit : frame.hEdit);
        return TRUE;
    case IDM_COLOURPASS:
        StartColourPass(frame.hEdit);
        return TRUE;
    case IDM_APISKELETON:
        ShowSkeletonDialog(hwnd);
        return TRUE;
    case IDM_INDENT:
        if (MessageBoxA(hwnd, "インデントします。\r\nよろしいですか？", "確認",
                        MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL) != IDNO)
            IndentCurrentPane();
        return TRUE;
    }
    return FALSE;
}

static const CommandRange kTextIds[] = {COMMAND_ID(IDM_FUNCLIST),    {IDM_NEXTFUNC, IDM_FUNCTOP},
                                        COMMAND_ID(IDM_BRACECOLOUR), COMMAND_ID(IDM_COLOURPASS),
                                        COMMAND_ID(IDM_APISKELETON), COMMAND_ID(IDM_INDENT)};
const CommandOwner textCommands = {"text", TextCommand, COMMAND_IDS(kTextIds)};

/* IndentCurrentPane: command 227 after its confirmation. */
void IndentCurrentPane()
{
    if (frame.hCurEdit && !RefuseWhileBusy())
        IndentPane(frame.hCurEdit);
}
