// The dialog that chooses the encoding (and byte order mark) a document is
// saved in, and the command that sets it for a pane's document.
#pragma once
#include <windows.h>

#include "common/document_encoding.h"

// Shows the choice with the document's encoding selected; on OK changes enc
// (keeping its twin forms and ISO-2022-JP escape choices only when the
// encoding stays the same) and returns TRUE; FALSE when cancelled.
BOOL ChooseDocumentEncoding(HWND owner, DocumentEncoding &enc);

// The command "文字コードの指定": asks for the encoding the document of
// pane is saved in and keeps the answer in its record.
void SetPaneEncodingCommand(HWND owner, HWND pane);
