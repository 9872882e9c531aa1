#include "app/win/subsystem_commands.h"

#include "resource_ids.h"

/* FileListCommand: the main window's commands served by this subsystem. */
BOOL FileListCommand(HWND hwnd, UINT id, UINT code, LPARAM lParam)
{
    (void)hwnd; (void)id; (void)code; (void)lParam;
    return FALSE;
}
