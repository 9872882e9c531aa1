// The command that sets the encoding a document is saved in.
#include "app/frame/subsystem_commands.h"

#include "app/frame/globals.h"
#include "doc/win/encoding_dialog.h"
#include "resource_ids.h"

#include <cstdio>

/* SetPaneEncodingCommand (209): asks for an encoding and shows the one chosen. */
void SetPaneEncodingCommand(HWND owner, HWND pane)
{
    (void)pane;
    DocumentEncoding enc;
    if (!ChooseDocumentEncoding(owner, enc))
        return;
    char text[96];
    _snprintf(text, sizeof text - 1, "文字コード: %s", EncodingName(enc.encoding, enc.bom));
    text[sizeof text - 1] = '\0';
    ShowStatusMessage(text, 3000);
}

/* EncodingCommand: the encoding of the document in the pane with the focus. */
static BOOL EncodingCommand(HWND hwnd, UINT id, UINT code, LPARAM lParam)
{
    (void)code;
    (void)lParam;
    if (id != IDM_SETENCODING)
        return FALSE;
    SetPaneEncodingCommand(hwnd, frame.hCurEdit);
    return TRUE;
}

static const CommandRange kEncodingIds[] = {COMMAND_ID(IDM_SETENCODING)};
const CommandOwner encodingCommands = {"encoding", EncodingCommand, COMMAND_IDS(kEncodingIds)};
