// Message boxes, dialog titles and filters of the documents and the binary
// viewer, as CP932 bytes, so that the Win32 layer shows the same texts
// whatever the source encoding and looks them up by the outcome.
#pragma once
#include "doc/document_core.h"
#include "doc/document_record.h"

#include <string>

// How a box is shown; the Win32 layer maps each kind to its MB_ flags.
enum DocBoxKind {
    DOC_BOX_PLAIN,                 // MB_OK
    DOC_BOX_EXCLAMATION,           // MB_ICONEXCLAMATION
    DOC_BOX_EXCLAMATION_TASKMODAL, // MB_ICONEXCLAMATION | MB_TASKMODAL | MB_SETFOREGROUND
    DOC_BOX_STOP,                  // MB_ICONSTOP
    DOC_BOX_OKCANCEL,              // MB_OKCANCEL
    DOC_BOX_OKCANCEL_TOPMOST,      // MB_OKCANCEL | MB_ICONEXCLAMATION | MB_TOPMOST
    DOC_BOX_YESNO_TASKMODAL,       // MB_YESNO | MB_ICONEXCLAMATION | MB_TASKMODAL | MB_SETFOREGROUND
    DOC_BOX_YESNOCANCEL,           // MB_YESNOCANCEL | MB_ICONEXCLAMATION
    DOC_BOX_YESNO,                 // MB_YESNO | MB_ICONEXCLAMATION
};

struct DocMessage {
    const char *szText;
    const char *szTitle;
    DocBoxKind nBox;
};

enum DocMessageId {
    DOC_MSG_MISSING_FILE,
    DOC_MSG_RELATIVE_PATH,
    DOC_MSG_MISSING_FOLDER,
    DOC_MSG_PATH_TOO_LONG,
    DOC_MSG_LOCKED_FILE,
    DOC_MSG_TOO_BIG,
    DOC_MSG_LINE_TOO_LONG,
    DOC_MSG_READ_NO_MEMORY,
    DOC_MSG_READ_FAILED,
    DOC_MSG_NOT_PURE_TEXT,
    DOC_MSG_ASK_SAVE_BEFORE_OPEN,
    DOC_MSG_SAVEAS_NO_MEMORY,
    DOC_MSG_SAVEAS_CLOSE_FAILED,
    DOC_MSG_SAVE2_NO_MEMORY,
    DOC_MSG_SAVE2_CLOSE_FAILED,
    DOC_MSG_OVERWRITE_NO_NAME,
    DOC_MSG_OVERWRITE_NO_MEMORY,
    DOC_MSG_OVERWRITE_CLOSE_FAILED,
    DOC_MSG_SAVE_OPEN_FAILED,
    DOC_MSG_SAVE_WRITE_FAILED,
    DOC_MSG_SAVE_REPLACE_FAILED,
    DOC_MSG_DROP_MANY,
    DOC_MSG_DROP_ASK_CONTINUE,
    DOC_MSG_ALREADY_LISTED,
    DOC_MSG_VIEWER_NO_FILE,
    DOC_MSG_VIEWER_BAD_HANDLE,
    DOC_MSG_VIEWER_TOO_BIG,
    DOC_MSG_VIEWER_NO_MEMORY,
    DOC_MSG_VIEWER_READ_FAILED,
    DOC_MSG_VIEWER_CREATE_FAILED,
    DOC_MSG_NOT_WHOLE_ZERO_BYTES,
    DOC_MSG_NOT_WHOLE_SHORT_READ,
    DOC_MSG_NOT_WHOLE_LOST_CHARS,
    DOC_MSG_NOT_WHOLE_INVALID_BYTES,
    DOC_MSG_ENCODING_REFUSED,    // a file not to be opened (UTF-32): the text is made for the case
    DOC_MSG_ENCODING_UNSURE,     // はい: the encoding found, いいえ: raw CP932, キャンセル: nothing
    DOC_MSG_ENCODING_LOSSY,      // open with "?" in place of what the pane cannot hold?
    DOC_MSG_INVALID_CP932,       // a CP932 file with bytes the pane cannot hold: overwrite refused
    DOC_MSG_SAVE_ENCODING,       // a save refused: the text has no form in the document's encoding
    DOC_MSG_VIEWER_COPY_TOO_BIG,
    DOC_MSG_VIEWER_BAD_OFFSET,
    DOC_MSG_COUNT,
    DOC_MSG_NONE = DOC_MSG_COUNT, // the outcome shows no box
};

// The message of an id; DOC_MSG_NONE gives an empty text.
const DocMessage &GetDocMessage(DocMessageId id);

// Message of a refusal of MySetFileOn (DOC_SIZE_UNKNOWN shows none).
DocMessageId ReadCheckMessage(DocCheck check);

// The refusal of a file with a line over the limit: the line's number and
// length, then the message DOC_MSG_LINE_TOO_LONG.
std::string LineTooLongText(const LongLine &line);

// Message of a refusal of OverWrite.
DocMessageId OverWriteCheckMessage(DocCheck check);

// Message of a refusal of ReadAsBinary (DOC_LOCKED_FILE for a failed open).
DocMessageId ViewerCheckMessage(DocCheck check);

// Message that refuses an overwrite of a text the pane does not hold whole.
DocMessageId NotWholeMessage(DocWholeness w);

// Message of a failed save of the given caller (none when cancelled or done).
DocMessageId SaveCheckMessage(SaveCaller caller, SaveCheck check);

// Dialog titles, the filters (pairs of zero-terminated description and
// pattern, ended by an empty one) and the viewer's font face.
extern const char szOpenDialogTitle[];
extern const char szSaveAsDialogTitle[];
extern const char szSave2DialogTitle[];
extern const char szOpenFilter[];
extern const char szSaveFilter[];
extern const char szViewerFontFace[];
// The question put after a refusal of a document for its size or a long
// line: whether to show the file in the binary viewer instead.
extern const char szViewerOffer[];
