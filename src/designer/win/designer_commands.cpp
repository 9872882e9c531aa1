#include "app/frame/subsystem_commands.h"

#include "designer/win/designer_win.h"
#include "resource_ids.h"

/* DesignerCommand: the main window's commands served by this subsystem. */
static BOOL DesignerCommand(HWND hwnd, UINT id, UINT code, LPARAM lParam)
{
    (void)code; (void)lParam;
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
    }
    return FALSE;
}

static const CommandRange kDesignerIds[] = {COMMAND_ID(IDM_RESOURCELIST), {IDM_DIALOGDESIGN, IDM_MENUDESIGN}};
const CommandOwner designerCommands = {"designer", DesignerCommand, COMMAND_IDS(kDesignerIds)};

static const CommandRange kDesignSurfaceIds[] = {COMMAND_ID(IDCANCEL), {IDM_DESIGN_FIRST, IDM_DESIGN_LAST},
                                                 {IDM_CTL_FLAGS, IDM_CTL_SCRIPT}};
const CommandIds designSurfaceCommandIds = COMMAND_IDS(kDesignSurfaceIds);
