// The command that sets the encoding a document is saved in.
#include "app/frame/subsystem_commands.h"

#include "app/frame/globals.h"
#include "doc/win/document.h"
#include "doc/win/encoding_dialog.h"
#include "resource_ids.h"

#include <richedit.h>
#include <cstdio>

/* SetPaneEncodingCommand (209): the encoding the pane's document is saved in
   from now on; the pane counts as changed, so that the next save (or the
   close's question) writes the file in it. */
void SetPaneEncodingCommand(HWND owner, HWND pane)
{
    DocumentRecord &record = DocumentOf(pane);
    DocumentEncoding enc = record.encoding;
    if (!ChooseDocumentEncoding(owner, enc) || (enc.encoding == record.encoding.encoding && enc.bom == record.encoding.bom))
        return;
    record.encoding = enc;
    SendMessageA(pane, EM_SETMODIFY, TRUE, 0);
    UpdateDocumentUi();
    char text[128];
    _snprintf(text, sizeof text - 1, "保存する文字コードを %s にしました（次の保存から）。", EncodingName(enc.encoding, enc.bom));
    text[sizeof text - 1] = '\0';
    ShowStatusMessage(text, 5000);
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
