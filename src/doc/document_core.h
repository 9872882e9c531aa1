// Decisions of reading a document into a pane and writing it back, without
// windows.h: the Win32 layer does the file system calls and the message
// boxes, the core says in which order things are checked, what is refused
// and what the window title reads.
#pragma once
#include "doc/path_core.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Widths of the document fields (bytes, terminator included).
enum {
    FULL_PATH_SIZE = 256,    // szFullPath, szRcPath, the buffer of WriteMyFile
    FILE_TITLE_SIZE = 64,    // szFileTitle, szPrevFileTitle
    SAVE2_PATH_SIZE = 260,   // the path buffer of WriteMyFile2
    WINDOW_TITLE_SIZE = 256, // the main window title
};

// First file size that is refused: 1,048,575 bytes are read, 1,048,576 not.
const uint64_t DOCUMENT_SIZE_LIMIT = 0x100000;

// A file in another encoding may be larger than its text: files up to this
// size are read, and the text they convert to must stay under
// DOCUMENT_SIZE_LIMIT (a CP932 file is its own text).
const uint64_t DOCUMENT_FILE_LIMIT = 4 * DOCUMENT_SIZE_LIMIT;

// Outcome of one check; DOC_OK lets the caller go on to the next step.
enum DocCheck {
    DOC_OK = 0,
    DOC_NO_FILE_NAME,     // empty path (overwrite, binary viewer)
    DOC_PATH_TOO_LONG,    // the path does not fit its field
    DOC_MISSING_FILE,     // the path has no attributes
    DOC_RELATIVE_PATH,    // no folder part ("\" missing)
    DOC_MISSING_FOLDER,   // the folder part does not exist
    DOC_LOCKED_FILE,      // opening failed
    DOC_SIZE_UNKNOWN,     // the size could not be read (no message)
    DOC_TOO_BIG,          // DOCUMENT_SIZE_LIMIT bytes or more
    DOC_NO_MEMORY,        // the buffer could not be allocated
    DOC_LINE_TOO_LONG,    // a line longer than DOCUMENT_LINE_LIMIT bytes
};

// Path checks of MySetFileOn, in their order: a path too long for
// szFullPath, a missing file, no folder part, a missing folder. exists is
// asked about the path, folderExists about its folder part (with its "\").
DocCheck CheckReadPath(const char *szPath, const PathPredicate &exists,
                       const PathPredicate &folderExists);

// Path checks of OverWrite, in their order: empty path, too long for
// szFullPath, no folder part, a missing folder.
DocCheck CheckOverWritePath(const char *szPath, const PathPredicate &folderExists);

// Size check after opening: bSizeKnown false when the system could not say.
// nSize must be the whole 64-bit size, so that a file of 4 GiB and a few
// bytes is not taken for a small one.
DocCheck CheckReadSize(bool bSizeKnown, uint64_t nSize);

// The same for the file before its conversion (DOCUMENT_FILE_LIMIT).
DocCheck CheckFileSize(bool bSizeKnown, uint64_t nSize);

// The longest line a pane takes, in bytes (CR and LF end lines). Wine's
// rich edit lays out and paints a row in a time that grows with the square
// of the changes between letters, digits and signs on it: 16 KiB of the
// worst kind take a quarter of a second to paint, 64 KiB six seconds and a
// 1 MiB line minutes, during which the window cannot answer.
const size_t DOCUMENT_LINE_LIMIT = 16384;

// A line found longer than a limit: its number (from 1) and length.
struct LongLine {
    size_t nLine;
    size_t nBytes;
};

// The first line of text[0, len) longer than nLimit bytes, if any. A CR LF
// pair, a lone CR and a lone LF each end a line; other bytes (zero bytes
// too) count as part of it.
bool FindLongLine(const char *text, size_t len, size_t nLimit, LongLine *found);

// Bytes to allocate for reading a file of nSize accepted bytes: the bytes,
// a terminator and one spare zero byte.
size_t ReadBufferSize(size_t nSize);

// What the read bytes hold. nTextLen is what the pane shows unless the user
// asks for the whole file; bHasZeroBytes asks the pure-text question.
struct ReadAnalysis {
    size_t nTextLen;        // bytes before the first zero byte
    bool bHasZeroBytes;     // a zero byte stands among the bytes read
    bool bShortRead;        // fewer bytes came than the file holds
    bool bOverwriteAllowed; // overwrite (202) may be enabled afterwards
};

// Looks at nRead bytes read from a file of nFileSize bytes and puts a zero
// byte after them. buf holds ReadBufferSize(nFileSize) bytes and nRead is
// at most nFileSize. Overwrite stays disabled after zero bytes (the pane
// does not hold the file) and after a short read (writing back would cut
// the file).
ReadAnalysis AnalyseReadBuffer(char *buf, size_t nRead, uint64_t nFileSize);

// The "open everything" answer: every zero byte from nTextLen up to nRead
// becomes "\" (0x5C), so the whole file reaches the pane.
void ReplaceZeroBytes(char *buf, size_t nTextLen, size_t nRead);

// The main window title after a read or a save under a new name, or after
// an overwrite (bOverWritten). A file title too long for szFileTitle is cut
// on a character boundary; the result always fits WINDOW_TITLE_SIZE.
std::string FormatDocumentTitle(const char *szFileTitle, uint64_t nFileSize,
                                uint64_t nTextLen, bool bOverWritten);

// Bytes of a pane's text that a save writes: those before the first zero
// byte of the nCapacity bytes in text.
size_t SavedTextLength(const char *text, size_t nCapacity);

// Who saves: the outcome codes and the messages differ.
enum SaveCaller {
    SAVE_AS,        // WriteMyFile: file size, 0 when cancelled or failed
    SAVE_AS_2,      // WriteMyFile2: file size, -1 when cancelled or failed
    SAVE_OVERWRITE, // OverWrite: 0 when written, -1 otherwise
};

// Steps of a save as the Win32 layer went through them: the text is
// written to a temporary file next to the target, which replaces the
// target only when every byte was written and the file closed.
struct SaveSteps {
    bool bCancelled;      // the save dialog was cancelled
    bool bBufferAllocated;
    bool bTempOpened;     // the temporary file was created
    size_t nToWrite;      // SavedTextLength of the pane's text
    size_t nWritten;      // bytes the system wrote
    bool bClosed;         // the temporary file was closed
    bool bReplaced;       // the temporary file took the target's place
};

// Outcome of a save, the first failed step.
enum SaveCheck {
    SAVE_OK = 0,
    SAVE_CANCELLED,
    SAVE_NO_MEMORY,
    SAVE_OPEN_FAILED,
    SAVE_WRITE_FAILED,
    SAVE_CLOSE_FAILED,
    SAVE_REPLACE_FAILED,
    SAVE_REFUSED,          // refused before writing (its message shown)
};

// The first step of a save that went wrong, in the order they are taken.
// Only SAVE_OK may clear the pane's modified flag and change the title.
SaveCheck CheckSaveSteps(const SaveSteps &steps);

// The value the caller's operation returns for an outcome (nFileSize is the
// size of the written file).
int SaveReturnValue(SaveCaller caller, SaveCheck check, uint64_t nFileSize);

// What the save dialog of WriteMyFile2 starts with: the given path in a
// 260-byte buffer and its name part as the proposed file title.
struct SaveDialogSeed {
    char szFile[SAVE2_PATH_SIZE];
    char szFileTitle[FILE_TITLE_SIZE];
};

// Fills the seed for szPath; returns 0 (seed empty) when the path does not
// fit the buffer, so the dialog is never given an overrun buffer.
int SeedSaveDialog2(const char *szPath, SaveDialogSeed *seed);
