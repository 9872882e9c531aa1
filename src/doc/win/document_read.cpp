#include "doc/win/document.h"

#include "app/frame/globals.h"
#include "app/frame/pane_text.h"
#include "app/frame/panes.h"
#include "doc/doc_messages.h"
#include "doc/win/binary_viewer.h"
#include "filelist/win/file_list_win.h"
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

// A file read and accepted, waiting to be shown.
struct ReadDocument {
    std::vector<char> buf;
    size_t nFileSize = 0;
    size_t nRead = 0;
    bool bReadFailed = false;
};

/* DiscardReadDocument: the bytes read zeroed before they go. */
static void DiscardReadDocument(ReadDocument &r)
{
    if (!r.buf.empty())
        SecureZeroMemory(r.buf.data(), r.buf.size());
}

/* ReadDocumentFile: reads a file after checking the path, the lock, the
   size and the length of its lines; each refusal shows its box. */
static bool ReadDocumentFile(HWND owner, const char *szPath, ReadDocument &r)
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
    check = CheckReadSize(bSizeKnown, bSizeKnown ? (uint64_t)size.QuadPart : 0);
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
    CloseHandle(file);
    LongLine longLine;
    if (FindLongLine(r.buf.data(), r.nRead, DOCUMENT_LINE_LIMIT, &longLine)) {
        DiscardReadDocument(r);
        RefuseOfferingViewer(owner, DOC_MSG_LINE_TOO_LONG, LineTooLongText(longLine).c_str(), szPath);
        return false;
    }
    return true;
}

/* ShowReadDocument: the bytes read into the pane, after asking about zero
   bytes; the title, the overwrite command and the rc association follow. */
static void ShowReadDocument(HWND owner, HWND pane, const char *szPath, ReadDocument &r)
{
    BOOL wasVisible = IsWindowVisible(pane);
    ShowWindow(pane, SW_HIDE);
    if (r.bReadFailed)
        ShowDocMessage(owner, DOC_MSG_READ_FAILED);
    ReadAnalysis read = AnalyseReadBuffer(r.buf.data(), r.nRead, r.nFileSize);
    size_t nShown = read.nTextLen;

    BOOL isMain = pane == frame.hEdit;
    if (isMain) {
        pane = PaneWithFontForNewText(pane);
        EnableMenuItem(GetMenu(frame.hMainWnd), IDM_OVERWRITE,
                       MF_BYCOMMAND | (read.bOverwriteAllowed ? MF_ENABLED : MF_GRAYED));
        if (read.bHasZeroBytes && ShowDocMessage(owner, DOC_MSG_NOT_PURE_TEXT) == IDYES) {
            ReplaceZeroBytes(r.buf.data(), read.nTextLen, r.nRead);
            nShown = r.nRead;
        }
    }
    GetNameOfPath(szPath, doc.szFileTitle, sizeof doc.szFileTitle);
    std::string title = FormatDocumentTitle(doc.szFileTitle, r.nFileSize, read.nTextLen, false);
    SetWindowTextA(frame.hMainWnd, title.c_str());

    pane = SetPaneText(pane, r.buf.data(), nShown);
    SendMessageA(pane, EM_SETMODIFY, FALSE, 0);
    if (isMain) {
        char szRc[FULL_PATH_SIZE];
        if (ReplaceExtension(szPath, ".rc", szRc, sizeof szRc))
            RecordRcAssociation(szPath, szRc);
    }
    DiscardReadDocument(r);
    if (wasVisible)
        ShowWindow(pane, SW_SHOW);
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

/* SetFullPath: the main path, refused (never cut) when it does not fit. */
static void SetFullPath(const char *szPath)
{
    if (std::strlen(szPath) < sizeof doc.szFullPath)
        std::strcpy(doc.szFullPath, szPath);
}

void ShowNoDocument()
{
    doc.szFullPath[0] = '\0';
    EmptyPane(frame.hEdit);
}

/* OpenIntoPane: opens a chosen or dropped file, through the file list in multi-file mode. */
int OpenIntoPane(HWND pane, const char *szPath)
{
    if (!frame.settingsRecord.bMultiFile) {
        if (MySetFileOn(frame.hMainWnd, pane, szPath))
            SetFullPath(szPath);
        return 1;
    }
    if (std::strcmp(szPath, doc.szFullPath) == 0) {
        MySetFileOn(frame.hMainWnd, pane, szPath);
        return 1;
    }
    if (!FileListPageHasPath(szPath)) {
        char szRc[FULL_PATH_SIZE], szLabel[FILE_TITLE_SIZE];
        if (!ReplaceExtension(szPath, ".rc", szRc, sizeof szRc)) {
            ShowDocMessage(frame.hMainWnd, DOC_MSG_PATH_TOO_LONG);
            return 1;
        }
        // Read first: a refused file gets no entry and the file on show stays.
        ReadDocument r;
        if (!ReadDocumentFile(frame.hMainWnd, szPath, r))
            return 1;
        GetNameOfPath(szPath, szLabel, sizeof szLabel);
        RecordRcAssociation(szPath, szRc);
        // The file on show is parked first; when that fails its text stays.
        if (!FileListAddFileChecked(szPath, szRc, szLabel, -1)) {
            DiscardReadDocument(r);
            return 1;
        }
        ShowReadDocument(frame.hMainWnd, pane, szPath, r);
        SetFullPath(szPath);
        return 1;
    }
    ShowDocMessage(frame.hMainWnd, DOC_MSG_ALREADY_LISTED);
    return 1;
}

/* OpenFileCommand: the open dialog, after offering to save a modified pane. */
int OpenFileCommand(HWND owner, HWND pane)
{
    char szFile[MAX_PATH] = "";
    lstrcpynA(szFile, doc.szFullPath, sizeof szFile);
    if (SendMessageA(pane, EM_GETMODIFY, 0, 0) && ShowDocMessage(owner, DOC_MSG_ASK_SAVE_BEFORE_OPEN) == IDOK)
        WriteMyFile(owner, pane, doc.szFullPath);

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
