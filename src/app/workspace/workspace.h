// The workspace: what the editor does with several subsystems at once --
// opening a file in multi-file mode (read, park the file on show, list,
// show), an overwrite that also writes the settings, a save under a new
// name that lists the new file, and the question about unsaved texts at
// the close. It stands above the documents, the file list and the
// settings, and below the shell.
#pragma once
#include <windows.h>

// Registers the multi-file opener with the documents (main window creation).
void InitWorkspace();

// Asks about every text with unsaved changes, on show or parked: はい saves
// each, いいえ drops them knowingly, キャンセル keeps the editor open.
// FALSE when the editor must stay open.
BOOL AskAboutUnsavedTexts(HWND owner);
