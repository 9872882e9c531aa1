// Reading a file into a pane and writing a pane back: the document state
// of the main window and the operations every part of the editor uses.
#pragma once
#include <windows.h>

#include <commdlg.h>

#include "doc/doc_messages.h"
#include "doc/document_core.h"
#include "doc/document_record.h"
#include "filelist/rc_association.h"

#include <string>
#include <vector>

// Document state: one record per pane. The records change only through the
// operations below (a read, a save, PutDocument); the title and the
// overwrite command follow from the record of the pane on show.
struct DocState {
    DocumentRecord mainDoc; // the main pane's document
    DocumentRecord rcDoc;   // the resource pane's document
    // The paths as the rest of the editor reads them ("" when none).
    const char (&szFullPath)[FULL_PATH_SIZE] = mainDoc.szPath;
    const char (&szRcPath)[FULL_PATH_SIZE] = rcDoc.szPath;
    char szFileTitle[FILE_TITLE_SIZE];     // name part of the last file read or saved (the dialogs' buffer)
    char szPrevFileTitle[FILE_TITLE_SIZE]; // szFileTitle before a save under a new name
    RcAssociation rcAssociation;           // each source read, with its resource script
};
extern DocState doc;

// The record of a pane: the resource pane's, or the main pane's for any other.
DocumentRecord &DocumentOf(HWND pane);

// Puts a text into a pane as its document: the text, the record and the
// modified flag together, then the title and the overwrite command follow.
// Returns the pane, which may have been rebuilt.
HWND PutDocument(HWND pane, const char *text, size_t nLen, const DocumentRecord &record, BOOL bModified);

// Records the pair (source path, resource script path) in the association
// list; an existing source path keeps its pair.
void RecordRcAssociation(const char *szPath, const char *szRc);

// The pane empty and unmodified, with no document.
void ShowNoDocument(HWND pane);

// The window title, the 202 menu item and the toolbar's 202 button from the
// record of the pane on show.
void UpdateDocumentUi();

// The opener of multi-file mode, registered by the layer that keeps the
// file list: it lists the file and parks the one on show before showing it.
using DocumentOpener = int (*)(HWND pane, const char *szPath);
void SetDocumentOpener(DocumentOpener opener);

// Command 200: asks about a modified pane (save, don't save, cancel),
// shows the open dialog and opens the chosen file. Returns 0.
int OpenFileCommand(HWND owner, HWND pane);

// Opens a chosen or dropped path into the pane, through the registered
// opener in multi-file mode. Returns 1.
int OpenIntoPane(HWND pane, const char *szPath);

// Reads the file into the pane with every check; 1 when the file is in
// the pane, 0 after a refusal (its message has been shown).
int MySetFileOn(HWND owner, HWND pane, const char *szPath);

// A file read and checked, not yet in a pane: lets a caller read first and
// decide (list it, park another) before anything on show changes.
struct ReadDocument {
    std::vector<char> buf;      // the text for the pane (CP932), zero after it
    size_t nFileSize = 0;       // the file's size
    size_t nRead = 0;           // bytes of text in buf
    bool bReadFailed = false;
    bool bShortRead = false;    // fewer bytes came than the file holds
    DocumentEncoding encoding;  // what the file is in
    DocWholeness converted = DOC_WHOLE; // what the conversion could not keep
};
// The file's bytes in buf to the pane's CP932 text: the encoding found (the
// user asked when it is unsure), characters the pane cannot hold reported
// (the user may open with "?" in their place). False when nothing is to be
// opened (refused or answered so).
bool DecodeReadDocument(HWND owner, ReadDocument &r);

// The pane's text as the bytes its document is saved in; false (with the
// place of the first problem shown) when the text has no form there.
bool EncodeForSave(HWND owner, const DocumentEncoding &encoding, const std::string &text, std::string &bytes);

// Reads and checks the file; each refusal shows its box and returns false.
bool ReadDocumentFile(HWND owner, const char *szPath, ReadDocument &r);
// Shows a read file in the pane (asking about zero bytes) as its document.
void ShowReadDocument(HWND owner, HWND pane, const char *szPath, ReadDocument &r);
// The bytes read zeroed before they go (a read that is not shown).
void DiscardReadDocument(ReadDocument &r);

// Save under a new name: the dialog writes the chosen path into szPath
// (256 bytes); the pane's record takes the new file. Returns the written
// file's size, 0 when cancelled or failed.
int WriteMyFile(HWND owner, HWND pane, char *szPath);

// The same for generated texts (szPath 260 bytes); -1 when cancelled or
// failed; the window title and the records are left alone.
int WriteMyFile2(HWND owner, HWND pane, char *szPath);

// Writes the pane over its file: 0 when written, -1 on refusal or failure.
// A text that the pane does not hold whole is never written (refused with
// its message), whatever sent the command.
int OverWrite(HWND owner, HWND pane, const char *szPath);

// The outcome of the saving functions, one way for all of them.
SaveCheck SavePaneAs(HWND owner, HWND pane, char *szPath, uint64_t *pFileSize);
SaveCheck OverWritePane(HWND owner, HWND pane, const char *szPath, uint64_t *pFileSize);
SaveCheck SaveGeneratedAs(HWND owner, HWND pane, char *szPath, uint64_t *pFileSize);

// A text that is in no pane (a parked one) over the file of its record,
// with the checks and messages of an overwrite; the record follows.
SaveCheck OverWriteRecordText(HWND owner, DocumentRecord &record, const std::string &text);

// Writes bytes over a file the way every save does (a temporary file that
// takes the target's place); SAVE_OK or the failed step.
SaveCheck SaveTextAtomically(const char *szPath, const std::string &text, uint64_t *pFileSize);

// Command 204: the resource pane over its script, or under a new name when
// it has none (or the main file's name).
void SaveResourcePane(HWND hwnd);

// A status message (part 0) with a path in the format's placeholder.
void ShowSavedStatus(const char *format, const char *szPath, UINT ms);

// Dropped files on the main pane (WM_DROPFILES).
void OnDropFiles(HWND pane, HDROP drop);

// A file dialog record over a caller's buffers (filter index 1).
void InitFileDialog(OPENFILENAMEA *ofn, HWND owner, const char *szFilter, char *szFile, DWORD nFile,
                    char *szTitle, DWORD nTitle, const char *szDialogTitle, DWORD flags);

// Shows one of the documents' messages with its title and kind.
int ShowDocMessage(HWND owner, DocMessageId id);

// The box of an id (title and kind) with a text made for the case.
int ShowDocMessageText(HWND owner, DocMessageId id, const char *szText);
