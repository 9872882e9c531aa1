#include "app/frame/subsystem_commands.h"

#include "resource_ids.h"
#include "tools/win/build_tools.h"

/* ToolsCommand: the main window's commands served by this subsystem. */
static BOOL ToolsCommand(HWND hwnd, UINT id, UINT code, LPARAM lParam)
{
    (void)code; (void)lParam;
    switch (id) {
    case IDM_STATICLIB:     OpenStaticLibDialog(hwnd); return TRUE;
    case IDM_QUICKCOMPILE:  QuickCompile(hwnd); return TRUE;
    case IDM_MAKEFILE:      OpenMakefileDialog(hwnd); return TRUE;
    case IDM_COMPILERSETUP: CompilerSetupCommand(); return TRUE;
    }
    return FALSE;
}

static const CommandRange kToolsIds[] = {COMMAND_ID(IDM_STATICLIB), COMMAND_ID(IDM_COMPILERSETUP),
                                         {IDM_QUICKCOMPILE, IDM_MAKEFILE}};
const CommandOwner toolsCommands = {"tools", ToolsCommand, COMMAND_IDS(kToolsIds)};

/* ScheduleStartupSetupCheck: runs the start-up check once the main window
   is up (its creation has loaded the settings by then). */
void ScheduleStartupSetupCheck(HWND hwnd)
{
    PostMessageA(hwnd, WM_STARTUP_SETUP_CHECK, 0, 0);
}
