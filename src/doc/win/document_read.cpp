#include "doc/win/document.h"

#include "app/frame/globals.h"
#include "app/frame/pane_text.h"
#include "app/frame/panes.h"
#include "doc/doc_messages.h"
#include "doc/win/binary_viewer.h"
#include "resource_ids.h"

#include <cderr.h>
#include <commdlg.h>
#include <richedit.h>
#include <cstring>
#include <vector>

static bool PathExists(const char *szPath)
{
    return GetFileAttributesA(szPath) != INVALID_FILE_ATTRIBUTES;
}

/* ReadWholeFile: reads up to nSize bytes from the start of the file. */
static size_t ReadWholeFile(HANDLE file, char *buf, size_t nSize, bool *pFailed)
{
    size_t got = 0;
    *pFailed = false;
    while (got < nSize) {
        DWORD chunk = 0;
        DWORD want = (DWORD)(nSize - got);
        if (!ReadFile(file, buf + got, want, &chunk, NULL)) {
            *pFailed = true;
            break;
        }
        if (chunk == 0)
            break;
        got += chunk;
    }
    return got;
}

void DiscardReadDocument(ReadDocument &r)
{
    if (!r.buf.empty())
        SecureZeroMemory(r.buf.data(), r.buf.size());
}

/* ReadDocumentFile: reads a file after checking the path, the lock, the
   size and the length of its lines; each refusal shows its box. */
bool ReadDocumentFile(HWND owner, const char *szPath, ReadDocument &r)
{
    DocCheck check = CheckReadPath(szPath, PathExists, PathExists);
    if (check != DOC_OK) {
        ShowDocMessage(owner, ReadCheckMessage(check));
        return false;
    }
    HANDLE file = CreateFileA(szPath, GENERIC_READ, 0, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        ShowDocMessage(owner, DOC_MSG_LOCKED_FILE);
        return false;
    }
    LARGE_INTEGER size;
    bool bSizeKnown = GetFileSizeEx(file, &size) != 0;
    check = CheckFileSize(bSizeKnown, bSizeKnown ? (uint64_t)size.QuadPart : 0);
    if (check != DOC_OK) {
        CloseHandle(file);
        if (check == DOC_TOO_BIG)
            RefuseOfferingViewer(frame.hMainWnd, DOC_MSG_TOO_BIG, GetDocMessage(DOC_MSG_TOO_BIG).szText, szPath);
        else
            ShowDocMessage(owner, ReadCheckMessage(check));
        return false;
    }
    r.nFileSize = (size_t)size.QuadPart;
    try {
        r.buf.assign(ReadBufferSize(r.nFileSize), '\0');
    } catch (...) {
        ShowDocMessage(owner, DOC_MSG_READ_NO_MEMORY);
        CloseHandle(file);
        return false;
    }
    r.nRead = ReadWholeFile(file, r.buf.data(), r.nFileSize, &r.bReadFailed);
    r.bShortRead = r.nRead < r.nFileSize;
    CloseHandle(file);
    // The limits hold for the text the pane gets, after its conversion.
    if (!DecodeReadDocument(owner, r)) {
        DiscardReadDocument(r);
        return false;
    }
    if (CheckReadSize(true, r.nRead) != DOC_OK) {
        DiscardReadDocument(r);
        RefuseOfferingViewer(frame.hMainWnd, DOC_MSG_TOO_BIG, GetDocMessage(DOC_MSG_TOO_BIG).szText, szPath);
        return false;
    }
    LongLine longLine;
    if (FindLongLine(r.buf.data(), r.nRead, DOCUMENT_LINE_LIMIT, &longLine)) {
        DiscardReadDocument(r);
        RefuseOfferingViewer(owner, DOC_MSG_LINE_TOO_LONG, LineTooLongText(longLine).c_str(), szPath);
        return false;
    }
    return true;
}

/* WholenessOf: whether the pane will hold the file's bytes exactly. */
static DocWholeness WholenessOf(const ReadAnalysis &read, const ReadDocument &r)
{
    if (read.bHasZeroBytes)
        return DOC_NOT_WHOLE_ZERO_BYTES;
    if (r.bShortRead)
        return DOC_NOT_WHOLE_SHORT_READ;
    return r.converted;
}

/* ShowReadDocument: the bytes read into the pane as its document, after
   asking about zero bytes (main pane); the rc association follows. */
void ShowReadDocument(HWND owner, HWND pane, const char *szPath, ReadDocument &r)
{
    BOOL wasVisible = IsWindowVisible(pane);
    ShowWindow(pane, SW_HIDE);
    if (r.bReadFailed)
        ShowDocMessage(owner, DOC_MSG_READ_FAILED);
    ReadAnalysis read = AnalyseReadBuffer(r.buf.data(), r.nRead, r.nRead);
    size_t nShown = read.nTextLen;

    BOOL isMain = pane != frame.hSubEdit1;
    if (isMain) {
        pane = PaneWithFontForNewText(pane);
        if (read.bHasZeroBytes && ShowDocMessage(owner, DOC_MSG_NOT_PURE_TEXT) == IDYES) {
            ReplaceZeroBytes(r.buf.data(), read.nTextLen, r.nRead);
            nShown = r.nRead;
        }
    }
    GetNameOfPath(szPath, doc.szFileTitle, sizeof doc.szFileTitle);
    DocumentRecord record = DocumentOf(pane);
    RecordFileRead(record, szPath, r.nFileSize, read.nTextLen, WholenessOf(read, r), r.encoding);
    pane = PutDocument(pane, r.buf.data(), nShown, record, FALSE);
    if (isMain) {
        char szRc[FULL_PATH_SIZE];
        if (ReplaceExtension(szPath, ".rc", szRc, sizeof szRc))
            RecordRcAssociation(szPath, szRc);
    }
    DiscardReadDocument(r);
    if (wasVisible)
        ShowWindow(pane, SW_SHOW);
    if (!IsRawCp932(r.encoding.encoding)) {
        std::string note = std::string("文字コード ") + EncodingName(r.encoding.encoding, r.encoding.bom) +
                           " のファイルを Shift-JIS に変換して開きました。保存はこの文字コードで行います。";
        ShowStatusMessage(note.c_str(), 10000);
    }
}

/*
 * MySetFileOn: reads a file into a pane after checking the path, the
 * lock, the size and the lines; asks before showing a file that holds zero
 * bytes. A refusal changes nothing.
 */
int MySetFileOn(HWND owner, HWND pane, const char *szPath)
{
    ReadDocument r;
    if (!ReadDocumentFile(owner, szPath, r))
        return 0;
    ShowReadDocument(owner, pane, szPath, r);
    return 1;
}

static DocumentOpener documentOpener;

void SetDocumentOpener(DocumentOpener opener)
{
    documentOpener = opener;
}

/* OpenIntoPane: opens a chosen or dropped file; in multi-file mode the
   registered opener lists it first. */
int OpenIntoPane(HWND pane, const char *szPath)
{
    if (frame.settingsRecord.bMultiFile && documentOpener)
        return documentOpener(pane, szPath);
    MySetFileOn(frame.hMainWnd, pane, szPath);
    return 1;
}

/* OpenFileCommand: the open dialog, after asking about a modified pane:
   save it (over its file when it has one), drop the changes, or cancel. */
int OpenFileCommand(HWND owner, HWND pane)
{
    char szFile[MAX_PATH] = "";
    const DocumentRecord &record = DocumentOf(pane);
    lstrcpynA(szFile, record.szPath, sizeof szFile);
    if (SendMessageA(pane, EM_GETMODIFY, 0, 0)) {
        int answer = ShowDocMessage(owner, DOC_MSG_ASK_SAVE_BEFORE_OPEN);
        if (answer == IDCANCEL)
            return 0;
        if (answer == IDYES) {
            uint64_t nSize = 0;
            char szSaveAs[FULL_PATH_SIZE];
            lstrcpynA(szSaveAs, record.szPath, sizeof szSaveAs);
            SaveCheck saved = record.szPath[0] && OverwriteAllowed(record)
                                  ? OverWritePane(owner, pane, record.szPath, &nSize)
                                  : SavePaneAs(owner, pane, szSaveAs, &nSize);
            if (saved != SAVE_OK)
                return 0;  // not saved: nothing is opened over the changes
        }
    }
    OPENFILENAMEA ofn;
    InitFileDialog(&ofn, owner, szOpenFilter, szFile, sizeof szFile, doc.szFileTitle, sizeof doc.szFileTitle,
                   szOpenDialogTitle, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY);
    if (!GetOpenFileNameA(&ofn)) {
        if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL)
            ShowDocMessage(owner, DOC_MSG_PATH_TOO_LONG);
        return 0;
    }
    OpenIntoPane(pane, szFile);
    return 0;
}
