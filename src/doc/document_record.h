// What "the document in a pane" is: one record per pane, changed only by
// the operations below, so that the path, the title, whether the text may
// be written back over its file and where it came from always agree.
#pragma once
#include "common/document_encoding.h"
#include "doc/document_core.h"

#include <cstdint>
#include <string>

// Where the text in the pane came from.
enum DocOrigin {
    DOC_ORIGIN_NONE = 0,  // an empty pane that belongs to no file
    DOC_ORIGIN_FILE,      // read from its file
    DOC_ORIGIN_PARKED,    // brought back from its parked copy (multi-file mode)
    DOC_ORIGIN_RECOVERY,  // a recovery copy of a run that did not end cleanly
    DOC_ORIGIN_GENERATED, // made by the editor (designer, skeletons), no file yet
};

// Why the text may not be written back over its file: the pane does not
// hold the file's bytes exactly, so an overwrite would lose what is missing.
enum DocWholeness {
    DOC_WHOLE = 0,
    DOC_NOT_WHOLE_ZERO_BYTES,   // the file holds zero bytes (cut or shown as "\")
    DOC_NOT_WHOLE_SHORT_READ,   // fewer bytes came than the file holds
    DOC_NOT_WHOLE_LOST_CHARS,   // characters with no CP932 form became "?"
    DOC_NOT_WHOLE_INVALID_BYTES,// byte sequences the pane cannot hold
};

struct DocumentRecord {
    char szPath[FULL_PATH_SIZE] = "";   // the file; "" when none
    char szTitle[FILE_TITLE_SIZE] = ""; // its name part, as the window title shows it
    uint64_t nFileSize = 0;             // of the last read or save
    uint64_t nTextLen = 0;              // text length of the last read or save
    bool bOverWritten = false;          // the last save was an overwrite
    DocWholeness wholeness = DOC_WHOLE;
    DocOrigin origin = DOC_ORIGIN_NONE;
    DocumentEncoding encoding;          // what the file is in, and so what a save writes
};

// No document: empty path and title.
void RecordNoDocument(DocumentRecord &r);

// A file read into the pane (its encoding as read: raw CP932 unless given).
// A path that does not fit is never cut: the record then has no path (and
// so nothing can be written over a wrong file).
void RecordFileRead(DocumentRecord &r, const char *szPath, uint64_t nFileSize, uint64_t nTextLen,
                    DocWholeness wholeness, const DocumentEncoding &encoding = DocumentEncoding());

// The pane was written to szPath: the file now holds exactly the pane's
// text, so it is whole whatever it was before.
void RecordSaved(DocumentRecord &r, const char *szPath, uint64_t nFileSize, uint64_t nTextLen,
                 bool bOverWritten);

// A recovery copy's text put into the pane, for the file szPath ("" for an
// unnamed text). The title says it was restored.
void RecordRecovered(DocumentRecord &r, const char *szPath, uint64_t nTextLen);

// A parked record brought back into its pane: unchanged but for its origin.
void RecordRestored(DocumentRecord &r);

// True when an overwrite (202) may write the pane over the file.
bool OverwriteAllowed(const DocumentRecord &r);

// The main window title for the record; szNoDocument when it has no file.
// A file in another encoding than CP932 has its name after the title.
std::string DocumentWindowTitle(const DocumentRecord &r, const char *szNoDocument);
