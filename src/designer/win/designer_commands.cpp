#include "app/win/subsystem_commands.h"

#include "resource_ids.h"

/* DesignerCommand: the main window's commands served by this subsystem. */
BOOL DesignerCommand(HWND hwnd, UINT id, UINT code, LPARAM lParam)
{
    (void)hwnd; (void)id; (void)code; (void)lParam;
    return FALSE;
}
