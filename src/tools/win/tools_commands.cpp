#include "app/win/subsystem_commands.h"

#include "resource_ids.h"

/* ToolsCommand: the main window's commands served by this subsystem. */
BOOL ToolsCommand(HWND hwnd, UINT id, UINT code, LPARAM lParam)
{
    (void)hwnd; (void)id; (void)code; (void)lParam;
    return FALSE;
}
