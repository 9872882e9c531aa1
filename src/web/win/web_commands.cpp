#include "app/win/subsystem_commands.h"

#include "resource_ids.h"
#include "web/win/web_dialogs.h"

/* WebCommand: the main window's commands served by this subsystem. */
BOOL WebCommand(HWND hwnd, UINT id, UINT code, LPARAM lParam)
{
    (void)code; (void)lParam;
    switch (id) {
    case IDM_WEBSEARCH:
    case IDM_WEBSEARCHBAR:
        OpenWebSearchDialog(hwnd);
        return TRUE;
    }
    return FALSE;
}
