#include "app/win/subsystem_commands.h"

#include "resource_ids.h"
#include "tools/win/build_tools.h"

// The code that marks the start-up run of the setup check.
enum { SETUP_AT_STARTUP = 1 };

/* ToolsCommand: the main window's commands served by this subsystem. */
static BOOL ToolsCommand(HWND hwnd, UINT id, UINT code, LPARAM lParam)
{
    (void)lParam;
    switch (id) {
    case IDM_STATICLIB:     OpenStaticLibDialog(hwnd); return TRUE;
    case IDM_QUICKCOMPILE:  QuickCompile(hwnd); return TRUE;
    case IDM_MAKEFILE:      OpenMakefileDialog(hwnd); return TRUE;
    case IDM_COMPILERSETUP:
        if (code == SETUP_AT_STARTUP)
            RunStartupSetupCheck();
        else
            CompilerSetupCommand();
        return TRUE;
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
    PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDM_COMPILERSETUP, SETUP_AT_STARTUP), 0);
}
