// Reading a file into a pane and writing a pane back: the document state
// of the main window and the operations every part of the editor uses.
#pragma once
#include <windows.h>

#include <commdlg.h>

#include "doc/doc_messages.h"
#include "doc/document_core.h"

// Document state
struct DocState {
    char szFullPath[FULL_PATH_SIZE];       // the file in the main pane, "" when none
    char szRcPath[FULL_PATH_SIZE];         // the resource script in the resource pane
    char szFileTitle[FILE_TITLE_SIZE];     // name part of the last file read or saved
    char szPrevFileTitle[FILE_TITLE_SIZE]; // szFileTitle before a save under a new name
    // Main window titles of the pane that is not on show.
    char szMainTitleSave[WINDOW_TITLE_SIZE];
    char szRcTitleSave[WINDOW_TITLE_SIZE];
};
extern DocState doc;

// Command 200: asks to save a modified pane, shows the open dialog and
// opens the chosen file into the pane. Returns 0.
int OpenFileCommand(HWND owner, HWND pane);

// The main pane empty and unmodified, with no file (a listed file that is
// gone or was refused).
void ShowNoDocument();

// Opens a chosen or dropped path into the pane, through the file list in
// multi-file mode. Returns 1.
int OpenIntoPane(HWND pane, const char *szPath);

// Reads the file into the pane with every check; 1 when the file is in
// the pane, 0 after a refusal (its message has been shown).
int MySetFileOn(HWND owner, HWND pane, const char *szPath);

// Save under a new name: the dialog writes the chosen path into szPath
// (256 bytes). Returns the written file's size, 0 when cancelled or failed.
int WriteMyFile(HWND owner, HWND pane, char *szPath);

// The same for generated texts (szPath 260 bytes); -1 when cancelled or
// failed; the window title is left alone.
int WriteMyFile2(HWND owner, HWND pane, char *szPath);

// Writes the pane over its file: 0 when written, -1 on refusal or failure.
int OverWrite(HWND owner, HWND pane, const char *szPath);

// Dropped files on the main pane (WM_DROPFILES).
void OnDropFiles(HWND pane, HDROP drop);

// A file dialog record over a caller's buffers (filter index 1).
void InitFileDialog(OPENFILENAMEA *ofn, HWND owner, const char *szFilter, char *szFile, DWORD nFile,
                    char *szTitle, DWORD nTitle, const char *szDialogTitle, DWORD flags);

// Shows one of the documents' messages with its title and kind.
int ShowDocMessage(HWND owner, DocMessageId id);

// The box of an id (title and kind) with a text made for the case.
int ShowDocMessageText(HWND owner, DocMessageId id, const char *szText);
