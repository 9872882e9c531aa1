#include "app/frame/subsystem_commands.h"

#include "resource_ids.h"
#include "web/win/web_dialogs.h"

/* WebCommand: the main window's commands served by this subsystem. */
static BOOL WebCommand(HWND hwnd, UINT id, UINT code, LPARAM lParam)
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

static const CommandRange kWebIds[] = {COMMAND_ID(IDM_WEBSEARCH), COMMAND_ID(IDM_WEBSEARCHBAR)};
const CommandOwner webCommands = {"web", WebCommand, COMMAND_IDS(kWebIds)};
